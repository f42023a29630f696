#pragma once
// One team's starting line-up before a game: the batting order, each with
// his position, chosen from the roster; the order changed with the arrow
// buttons (or Alt+Up and Alt+Down); a designated hitter with the pitcher
// who does not bat.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTableWidget>
#include <string>

#include "records/team.h"
#include "scoring/new_game_book.h"

namespace scorewick::app {

class LineUpEditor : public QGroupBox {
 public:
  LineUpEditor(const QString& title, QWidget* parent = nullptr);

  // The team's roster, and its usual line-up as the proposal.
  void SetTeam(const Team& team);
  scoring::StartingLineUp LineUp() const;

  // The batter of a slot (0-based) moved up or down the order.
  void Move(int slot, int by);
  QComboBox* player(int slot) const;
  QComboBox* position(int slot) const;
  QCheckBox* dh() const { return dh_; }
  QComboBox* pitcher() const { return pitcher_; }
  QTableWidget* table() const { return table_; }

 private:
  void Fill(QComboBox* box) const;
  void ShowDh();

  Team team_;
  QTableWidget* table_;
  QCheckBox* dh_;
  QComboBox* pitcher_;
};

}  // namespace scorewick::app
