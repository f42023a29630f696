#include "app/stat_table_model.h"

#include <QFont>

#include "reports/print/cp1252_text.h"
#include "stats/column_glossary.h"

namespace scorewick::app {

Qt::Alignment QtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::kLeft:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::kCenter:
      return Qt::AlignCenter;
    case Alignment::kRight:
      break;
  }
  return Qt::AlignRight | Qt::AlignVCenter;
}

void StatTableModel::Show(const Stat* stat, StatTable table, const StatLayout& layout) {
  beginResetModel();
  stat_ = stat;
  table_ = table;
  columns_ = ShownColumns(layout);
  endResetModel();
}

void StatTableModel::Refresh() {
  if (rowCount() > 0 && columnCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
}

int StatTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || stat_ == nullptr ? 0 : RowCount(*stat_, table_);
}

int StatTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || stat_ == nullptr) return {};
  const LayoutEntry& column = columns_[static_cast<std::size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
      return print::FromCp1252(CellText(*stat_, table_, index.row(), column.column));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(QtAlignment(column.alignment));
    case Qt::FontRole:
      if (IsTotalsRow(*stat_, table_, index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default:
      return {};
  }
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const LayoutEntry& column = columns_[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return QString::fromLatin1(ColumnKey(table_, column.column));
  if (role == Qt::ToolTipRole) {
    const std::string_view name = ColumnName(table_, column.column);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(QtAlignment(column.alignment));
  return {};
}

}  // namespace scorewick::app
