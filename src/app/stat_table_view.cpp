#include "app/stat_table_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace scorewick::app {

StatTableView::StatTableView(QWidget* parent)
    : QTableView(parent), kept_view_(new QTableView(this)) {
  kept_view_->setObjectName("kept_column");
  kept_view_->setFocusPolicy(Qt::NoFocus);
  kept_view_->verticalHeader()->hide();
  kept_view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  kept_view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  kept_view_->setVerticalScrollMode(ScrollPerPixel);
  kept_view_->setFrameShape(QFrame::NoFrame);
  // A firmer line down its right edge shows where the kept names end.
  kept_view_->setStyleSheet("QTableView { border-right: 2px solid palette(mid); }");
  kept_view_->hide();
  viewport()->stackUnder(kept_view_);

  // Both views scroll up and down together.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, kept_view_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(kept_view_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
          &QScrollBar::setValue);
  // The kept column is as wide as the one under it, whichever heading is dragged.
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section, int, int size) {
            if (section != 0) return;
            kept_view_->setColumnWidth(0, size);
            PlaceKeptView();
          });
  connect(kept_view_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section, int, int size) {
            if (section == 0) setColumnWidth(0, size);
          });
  connect(verticalHeader(), &QHeaderView::sectionResized, this,
          [this](int row, int, int size) { kept_view_->setRowHeight(row, size); });
  connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, kept_view_->horizontalHeader(),
          &QHeaderView::setSortIndicator);
}

void StatTableView::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  kept_view_->setModel(model);
  kept_view_->setSelectionModel(selectionModel());
  if (model != nullptr) {
    connect(model, &QAbstractItemModel::modelReset, this, &StatTableView::HideOtherColumns);
  }
  HideOtherColumns();
}

void StatTableView::SetFirstColumnKept(bool kept) {
  kept_ = kept && model() != nullptr && model()->columnCount() > 0;
  if (!kept_) {
    kept_view_->hide();
    return;
  }
  // The kept view looks and behaves as the table does.
  kept_view_->setSelectionBehavior(selectionBehavior());
  kept_view_->setSelectionMode(selectionMode());
  kept_view_->setShowGrid(showGrid());
  kept_view_->setWordWrap(wordWrap());
  kept_view_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
  QHeaderView* mine = horizontalHeader();
  QHeaderView* kept_header = kept_view_->horizontalHeader();
  kept_header->setSectionsClickable(mine->sectionsClickable());
  kept_header->setHighlightSections(mine->highlightSections());
  kept_header->setMinimumSectionSize(mine->minimumSectionSize());
  kept_header->setSortIndicatorShown(mine->isSortIndicatorShown());
  kept_header->setSortIndicator(mine->sortIndicatorSection(), mine->sortIndicatorOrder());
  kept_header->setFixedHeight(mine->height());
  HideOtherColumns();
  kept_view_->verticalScrollBar()->setValue(verticalScrollBar()->value());
  PlaceKeptView();
  kept_view_->show();
}

void StatTableView::HideOtherColumns() {
  if (model() == nullptr) return;
  for (int c = 0; c < model()->columnCount(); ++c) kept_view_->setColumnHidden(c, c != 0);
  if (model()->columnCount() > 0) kept_view_->setColumnWidth(0, columnWidth(0));
}

void StatTableView::PlaceKeptView() {
  if (!kept_) return;
  const int left = frameWidth() + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0);
  kept_view_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
  kept_view_->setGeometry(left, frameWidth(), columnWidth(0) + 2,
                          viewport()->height() + horizontalHeader()->height());
}

void StatTableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  PlaceKeptView();
}

void StatTableView::updateGeometries() {
  QTableView::updateGeometries();
  PlaceKeptView();  // a scroll bar come or gone changes the height shown
}

QModelIndex StatTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex current = QTableView::moveCursor(action, modifiers);
  // Moving left into a cell under the kept names scrolls it out from under them.
  if (kept_ && action == MoveLeft && current.column() > 0) {
    const int hidden = columnWidth(0) - visualRect(current).left();
    if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
  }
  return current;
}

void StatTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  // The kept column never scrolls: asking to show its cells moves only up or down.
  if (kept_ && index.column() == 0) {
    const int x = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(x);
    return;
  }
  QTableView::scrollTo(index, hint);
}

int StatTableView::ContentWidth(int column) const {
  const QAbstractItemModel* m = model();
  if (m == nullptr || column < 0 || column >= m->columnCount()) return 0;
  // The widest text first, measured in the letter each row is shown in;
  // then the delegate's own size of that cell, margins and all.
  int widest_row = -1;
  int widest = -1;
  const QFontMetrics plain(font());
  for (int row = 0; row < m->rowCount(); ++row) {
    const QModelIndex index = m->index(row, column);
    const QString text = m->data(index, Qt::DisplayRole).toString();
    const QVariant letter = m->data(index, Qt::FontRole);
    const int width =
        letter.isValid()
            ? QFontMetrics(letter.value<QFont>().resolve(font())).horizontalAdvance(text)
            : plain.horizontalAdvance(text);
    if (width > widest) {
      widest = width;
      widest_row = row;
    }
  }
  int cells = 0;
  if (widest_row >= 0) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = m->index(widest_row, column);
    cells = itemDelegate()->sizeHint(option, index).width() + (showGrid() ? 1 : 0);
  }
  return std::max(cells, horizontalHeader()->sectionSizeHint(column));
}

}  // namespace scorewick::app
