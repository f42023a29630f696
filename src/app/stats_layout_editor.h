#pragma once
// "Modify Stats Report": which columns of a statistics table are shown.
// The columns shown are listed under "Stats Being Viewed :", the others
// under "Stats Available :", both in the table's key order; ">" shows the
// highlighted available columns, "<" hides the highlighted viewed ones,
// ">>" shows all and "<<" hides all.  Only the shown flags change: order,
// widths and alignment stay.

#include <QDialog>

#include "stats/stat_columns.h"
#include "stats/stat_layout.h"

class QListWidget;

namespace scorewick::app {

class StatsLayoutEditor : public QDialog {
  Q_OBJECT

 public:
  // Edits a copy of layout; layout() gives it back after OK.
  StatsLayoutEditor(StatTable table, StatLayout layout, QWidget* parent);

  const StatLayout& layout() const { return layout_; }

 private:
  // Sets the shown flag of the highlighted entries of list (all of them
  // when all is set) to shown, and lists both sides again.
  void Move(QListWidget* list, bool shown, bool all);
  void Fill();

  StatTable table_;
  StatLayout layout_;
  QListWidget* viewed_ = nullptr;
  QListWidget* available_ = nullptr;
};

}  // namespace scorewick::app
