#pragma once
// The pitchers' decisions of a scored game: the winning, losing and saving
// pitchers the scoring rules give, each open to change to another pitcher
// of the game (the saving one to none), as the official scorer may judge.
// The changes are words of the book ("won \"Name\"", "saved none").

#include <QComboBox>
#include <QDialog>
#include <string>
#include <vector>

#include "records/game.h"

namespace scorewick::app {

class ScoringDecisionsDialog : public QDialog {
 public:
  ScoringDecisionsDialog(const Game& game, QWidget* parent = nullptr);

  // The words of the decisions changed, none when nothing changed.
  std::vector<std::string> Words() const;
  QComboBox* choice(int k) const { return boxes_[k]; }  // 0 won, 1 lost, 2 saved

 private:
  std::vector<std::string> pitchers_;  // record texts
  QComboBox* boxes_[3];
  std::string given_[3];
};

}  // namespace scorewick::app
