#pragma once
// The table of the Statistics window: a table view whose first column (the
// players' names) can be kept in place while the figures scroll sideways,
// as a scorer's sheet keeps the names down its left edge.  The kept column
// is a second view laid over the first column, sharing the model, the
// selection and the vertical scrolling; its heading sorts, sizes and shows
// its tooltip as the column under it does.

#include <QTableView>

namespace scorewick::app {

class StatTableView : public QTableView {
  Q_OBJECT

 public:
  explicit StatTableView(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;

  // Keeps column 0 in view (or no longer does).
  void SetFirstColumnKept(bool kept);
  bool first_column_kept() const { return kept_; }
  // The view over the kept column (shown only while it is kept).
  QTableView* kept_view() const { return kept_view_; }

  // The width that shows column's heading and every cell of it whole: the
  // wider of the heading's and the widest cell's (the totals row in its
  // bold letter), with the style's margins.
  int ContentWidth(int column) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void updateGeometries() override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 private:
  void PlaceKeptView();
  void HideOtherColumns();

  QTableView* kept_view_;
  bool kept_ = false;
};

}  // namespace scorewick::app
