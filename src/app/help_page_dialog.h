#pragma once
// A help page in a window of the program's own: the scoring window's page
// of keys, and the manual when no browser can be started for it.  Links
// between the pages are followed in the window; links out of them go to
// the browser.

#include <QDialog>
#include <QString>
#include <string>

class QTextBrowser;

namespace scorewick::app {

class HelpPageDialog : public QDialog {
 public:
  // The page at path (an HTML file), scrolled to anchor when one is given.
  HelpPageDialog(const std::string& path, const QString& title, const QString& anchor,
                 QWidget* parent);

  QTextBrowser* view() const { return view_; }

 private:
  QTextBrowser* view_;
};

}  // namespace scorewick::app
