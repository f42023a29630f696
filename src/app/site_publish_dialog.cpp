#include "app/site_publish_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorewick::app {

SitePublishDialog::SitePublishDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Publish Season Website");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  title_ = new QLineEdit(title, this);
  form->addRow("&Title of the site:", title_);
  layout->addLayout(form);
  full_names_ = new QCheckBox("Show players' &full names", this);
  layout->addWidget(full_names_);
  auto* note = new QLabel(
      "Unticked, players show as first name and last initial (\"Ann A.\"), as sites with "
      "children on them should. Addresses, phone numbers, birthdays and notes of the team files "
      "are never published.",
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("&Publish");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString SitePublishDialog::title() const { return title_->text().trimmed(); }

bool SitePublishDialog::full_names() const { return full_names_->isChecked(); }

}  // namespace scorewick::app
