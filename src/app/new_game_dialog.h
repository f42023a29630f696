#pragma once
// Game > New Game: the visiting and home teams (team files), the date,
// starting time, field and umpires, both starting line-ups from the
// rosters, and where the game is kept.  OK checks the line-ups (nine
// positions, no player twice) and the file, and leaves the game ready to
// be scored.

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTimeEdit>
#include <optional>
#include <string>

#include "app/core/session.h"
#include "platform/ui.h"
#include "scoring/new_game_book.h"

namespace scorewick::app {

class LineUpEditor;

class NewGameDialog : public QDialog {
 public:
  NewGameDialog(Session& session, Ui& ui, QWidget* parent = nullptr);

  // The game chosen (on OK) and its file.
  const scoring::NewGame& game() const { return game_; }
  const std::string& game_path() const { return game_path_; }

  // A team file read into one side (0 visitors, 1 home); false, said, when
  // it cannot be read.
  bool LoadTeamFile(int side, const std::string& path);
  LineUpEditor* line_up(int side) const { return line_ups_[side]; }
  QLineEdit* game_file() const { return game_file_; }

  void accept() override;

 private:
  void ChooseTeam(int side);
  void ChooseGameFile();
  void ProposeGameFile();

  Session& session_;
  Ui& ui_;
  scoring::NewGame game_;
  std::string game_path_;
  bool loaded_[2] = {false, false};
  QLineEdit* team_files_[2];
  LineUpEditor* line_ups_[2];
  QDateEdit* date_;
  QTimeEdit* time_;
  QLineEdit* field_;
  QLineEdit* umpires_[4];
  QLineEdit* game_file_;
  QString proposed_;  // the game file's name as last proposed
};

}  // namespace scorewick::app
