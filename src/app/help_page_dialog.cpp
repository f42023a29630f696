#include "app/help_page_dialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace scorewick::app {

HelpPageDialog::HelpPageDialog(const std::string& path, const QString& title, const QString& anchor,
                               QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  view_ = new QTextBrowser(this);
  view_->setObjectName("page");
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  if (!anchor.isEmpty()) url.setFragment(anchor);
  view_->setSource(url);
  view_->setOpenExternalLinks(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addWidget(buttons);
  resize(720, 640);
}

}  // namespace scorewick::app
