#include "app/palm_user_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/install_aide.h"
#include "app/pictures.h"

namespace scorewick::app {

PalmUserDialog::PalmUserDialog(QWidget* parent, const InstallAide& aide, int* index)
    : QDialog(parent), list_(new QListWidget(this)), index_(index) {
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

  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel("Palm Users", this));
  column->addWidget(list_);
  auto* side = new QVBoxLayout;
  side->addWidget(picture);
  side->addStretch();
  side->addWidget(ok);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(column, 1);
  layout->addLayout(side);
  resize(320, 220);
}

void PalmUserDialog::Ok() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  *index_ = selected.isEmpty() ? -1 : list_->row(selected.front());
  accept();
}

}  // namespace scorewick::app
