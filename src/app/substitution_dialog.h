#pragma once
// A substitution while a game is scored: a pinch hitter (also in the middle
// of a count), a pinch runner, a pitching change (also in the middle of a
// count), a new fielder, or a player already in the game moved to another
// position.  It offers the players of the roster who may still come in
// (or, to move, those in the game) and makes the word of the book
// (PH "Name", PR1 "Name", P "Name", D6 "Name", M8 "Name").

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <string>

#include "scoring/scorer.h"

namespace scorewick::app {

class SubstitutionDialog : public QDialog {
 public:
  SubstitutionDialog(const scoring::Scorer& scorer, QWidget* parent = nullptr);

  // The word of the book for the choice, empty until a player is chosen.
  std::string Word() const;

  QComboBox* kind() const { return kind_; }
  QComboBox* place() const { return place_; }
  QListWidget* players() const { return players_; }

 private:
  void Fill();

  const scoring::Scorer& scorer_;
  QComboBox* kind_;
  QComboBox* place_;
  QListWidget* players_;
};

}  // namespace scorewick::app
