#include "app/select_position_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/codes.h"

namespace scorewick::app {

SelectPositionDialog::SelectPositionDialog(int position, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle("Select Position");
  list_->setObjectName("positions");
  for (int code = 0; code < kPositionCount; ++code) {
    const std::string_view name = PositionName(code);
    list_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
  list_->setCurrentRow(position >= 0 && position < kPositionCount ? position : 0);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Select Player's Position :", this));
  layout->addWidget(list_);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(240, 360);
}

int SelectPositionDialog::position() const { return std::max(0, list_->currentRow()); }

}  // namespace scorewick::app
