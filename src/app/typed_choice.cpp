#include "app/typed_choice.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>

namespace scorewick::app {
namespace {

// The combo box hands the typed keys of its closed and its open state to
// its view's keyboard search.
class ExactSearchView : public QListView {
 public:
  using QListView::QListView;

  void keyboardSearch(const QString& search) override {
    if (search.isEmpty()) {  // a reset
      typed_.clear();
      return;
    }
    if (!since_.isValid() || since_.elapsed() > QApplication::keyboardInputInterval()) {
      typed_.clear();
    }
    since_.restart();
    typed_ += search;
    int row = RowOf(typed_);
    if (row < 0) {
      typed_ = search;
      row = RowOf(typed_);
    }
    if (row < 0) {
      typed_.clear();
      QListView::keyboardSearch(search);
      return;
    }
    setCurrentIndex(model()->index(row, modelColumn(), rootIndex()));
  }

 private:
  int RowOf(const QString& text) const {
    for (int row = 0; row < model()->rowCount(rootIndex()); ++row) {
      if (model()->index(row, modelColumn(), rootIndex()).data().toString() == text) return row;
    }
    return -1;
  }

  QString typed_;
  QElapsedTimer since_;
};

}  // namespace

void ChooseByTypedText(QComboBox* box) { box->setView(new ExactSearchView(box)); }

}  // namespace scorewick::app
