#pragma once
// One statistics table as the window's list shows it: a row per player
// (the totals row last, in bold), a column per shown column of the
// layout, in the layout's order, with the layout's alignment; each
// heading's tooltip is the column's name from the glossary.  Cells are
// the column vocabulary's texts, made when the view asks for them, so a
// league of a thousand players costs only the rows on screen.

#include <QAbstractTableModel>
#include <vector>

#include "stats/stat.h"
#include "stats/stat_columns.h"
#include "stats/stat_layout.h"

namespace scorewick::app {

class StatTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows the table of stat (which must outlive the model or the next
  // call) with the layout's shown columns.
  void Show(const Stat* stat, StatTable table, const StatLayout& layout);
  // The cells changed (a sort, a recomputed figure) but not the rows.
  void Refresh();

  StatTable table() const { return table_; }
  // The layout entries of the columns, in display order.
  const std::vector<LayoutEntry>& columns() const { return columns_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const Stat* stat_ = nullptr;
  StatTable table_ = StatTable::kBatting;
  std::vector<LayoutEntry> columns_;
};

// The Qt alignment of a layout entry's alignment, centred vertically.
Qt::Alignment QtAlignment(Alignment alignment);

}  // namespace scorewick::app
