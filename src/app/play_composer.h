#pragma once
// The scoring window's pad for a ball in play: the results the situation
// allows (the others shown disabled, saying why), the fielders tapped on
// the field in order, where the ball went, and every runner's base as the
// book's defaults put him, each open to change (stays, to a base, scores,
// out with his fielders) with the reason he went further.  What it makes
// is the word of the book, shown in the entry line as it grows.

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "scoring/live_book.h"
#include "scoring/result_choices.h"

namespace scorewick::app {

class PlayComposer : public QWidget {
  Q_OBJECT

 public:
  explicit PlayComposer(QWidget* parent = nullptr);

  // Opens on the situation of the book.
  void Begin(scoring::LiveBook& book);
  // A fielder or a place of the field tapped.
  void TapFielder(int position);
  void TapPlace(QPoint field_point);

  // The words so far: the result with its fielders and place, then the
  // runners that go elsewhere than the defaults put them.
  std::string Words() const;
  bool Ready() const;
  const std::vector<int>& fielders() const;
  std::optional<QPoint> place() const { return place_; }

  // The result buttons by label, and a runner's choices (from 0 the batter,
  // 1..3 the bases), for the keys and the tests.
  QPushButton* ResultButton(const QString& label) const;
  QComboBox* RunnerWhere(int from) const;
  QComboBox* RunnerWhy(int from) const;

 signals:
  void wordsChanged();
  void recordRequested();
  void cancelled();

 private:
  struct RunnerRow {
    int from = 0;
    QComboBox* where = nullptr;
    QComboBox* why = nullptr;
    QLineEdit* fielders = nullptr;
  };
  void ChooseKind(int index);
  void Propose();
  void BuildRunnerRows();
  QComboBox* RunnerWhereBox(const scoring::RunnerEnd& e);
  QComboBox* RunnerWhyBox(int from);
  QLineEdit* RunnerFieldersBox(const scoring::RunnerEnd& e);
  std::string ResultWordNow() const;
  std::vector<scoring::RunnerEnd> ChosenEnds() const;

  scoring::LiveBook* book_ = nullptr;
  std::vector<scoring::ResultChoice> choices_;
  std::vector<QPushButton*> buttons_;
  int kind_ = -1;
  std::vector<int> fielders_;
  std::optional<QPoint> place_;
  std::vector<scoring::RunnerEnd> proposed_;
  std::vector<RunnerRow> rows_;
  int taps_to_runner_ = -1;  // a runner put out: taps name his fielders
  QGridLayout* results_;
  QGridLayout* runners_;
  QLabel* hint_;
  QPushButton* record_;
};

}  // namespace scorewick::app
