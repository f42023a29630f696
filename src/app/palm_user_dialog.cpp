#include "app/palm_user_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pictures.h"
#include "exchange/install_aide.h"
#include "platform/ui.h"

namespace scorewick::app {

PalmUserDialog::PalmUserDialog(QWidget* parent, const InstallAide& aide, Ui& ui, int* index)
    : QDialog(parent), list_(new QListWidget(this)), ui_(ui), index_(index) {
  setWindowTitle("Select Palm User");
  list_->setObjectName("users");
  const int count = aide.UserCount();
  for (int i = 0; i < count; ++i) list_->addItem(QString::fromStdString(aide.UserName(i)));
  list_->setCurrentRow(-1);

  auto* picture = new QLabel(this);
  picture->setPixmap(BaseballPicture(56));
  picture->setAlignment(Qt::AlignTop);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &PalmUserDialog::Ok);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel("Palm Users", this));
  column->addWidget(list_);
  auto* side = new QVBoxLayout;
  side->addWidget(picture);
  side->addStretch();
  side->addWidget(ok);
  side->addWidget(cancel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(column, 1);
  layout->addLayout(side);
  resize(320, 220);
}

void PalmUserDialog::Ok() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) {
    ui_.ShowMessage("Please select the Palm user to receive the file, or choose Cancel.",
                    "Select Palm User", MessageIcon::kInformation);
    list_->setFocus();
    return;
  }
  *index_ = list_->row(selected.front());
  accept();
}

}  // namespace scorewick::app
