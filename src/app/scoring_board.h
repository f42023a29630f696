#pragma once
// The top of the scoring window: the line score, and the situation in
// large type (inning and half, outs, count), the batter with his line of
// the day (and of the season, when his team's games were chosen), and the
// pitcher with his pitch count and what the pitch-count rules say of it.

#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <map>
#include <string>

#include "scoring/live_book.h"
#include "stats/workload_rules.h"

namespace scorewick::app {

class ScoringBoard : public QWidget {
 public:
  explicit ScoringBoard(QWidget* parent = nullptr);

  // Season lines by batter's name (record text), shown after his line of
  // the day; empty when none are known.
  void SetSeasonLines(std::map<std::string, std::string> lines) { season_ = std::move(lines); }
  void Show(const scoring::LiveBook& book, const WorkloadRules& workload);

  QTableWidget* line_score() const { return line_score_; }
  QString situation() const { return situation_->text(); }
  QString batter() const { return batter_->text(); }
  QString pitcher() const { return pitcher_->text(); }

 private:
  void ShowLineScore(const Game& game, int innings);

  QTableWidget* line_score_;
  QLabel* situation_;
  QLabel* batter_;
  QLabel* pitcher_;
  std::map<std::string, std::string> season_;
};

}  // namespace scorewick::app
