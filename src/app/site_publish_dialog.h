#pragma once
// The small dialog of File > Publish Season Website: the site's title and
// whether players show with their full names (unticked, the default, shows
// first name and last initial, for sites with children on them).

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace scorewick::app {

class SitePublishDialog : public QDialog {
  Q_OBJECT

 public:
  // title: the title offered (the team's name, or "League").
  SitePublishDialog(const QString& title, QWidget* parent);

  QString title() const;
  bool full_names() const;

  QLineEdit* title_edit() const { return title_; }
  QCheckBox* full_names_box() const { return full_names_; }

 private:
  QLineEdit* title_;
  QCheckBox* full_names_;
};

}  // namespace scorewick::app
