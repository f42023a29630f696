#pragma once
// The scoring window: a game scored as it happens, with the mouse, a touch
// screen or the keyboard.  Every button writes a word of the book and
// shows it in the entry line, where the same words can be typed instead;
// each action is checked by the scorer before it is kept and, once kept,
// is on the disk (the book beside the game file, the game file rewritten),
// so that closing the window or a crash loses nothing and the window
// reopens where it stopped; only words left in the entry line are asked
// about on closing (Save enters them).  Undo and redo take back and put back whole
// actions; a past entry of the book is corrected in the side panel and the
// rest of the game is played again over it.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <map>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "platform/ui.h"
#include "scoring/kept_book.h"
#include "stats/workload_rules.h"

namespace scorewick::app {

class PlayComposer;
class ScoringBoard;
class ScoringBookPanel;
class ScoringField;
class StrikeZonePad;

inline constexpr const char* kScoringCaption = "Scoring";

class ScoringWindow : public QMainWindow {
  Q_OBJECT

 public:
  ScoringWindow(const std::string& game_path, Session& session, Ui& ui, QWidget* parent = nullptr);
  ~ScoringWindow() override;

  // The game where it stands (from its book or its game file), or a new
  // one from the lines of its header; false, said, when it cannot be.
  bool Open(const std::vector<std::string>& new_game = {});

  // One line of words, as typed in the entry line: taken whole, or refused
  // with the reason in the message line (the line is then kept to mend).
  bool Enter(const QString& line);

  const scoring::KeptBook& kept() const { return kept_; }
  QLineEdit* entry_line() const { return entry_; }
  QString message() const;
  ScoringField* field() const { return field_; }
  PlayComposer* composer() const { return composer_; }
  ScoringBoard* board() const { return board_; }
  ScoringBookPanel* book_panel() const { return book_panel_; }
  StrikeZonePad* zone() const { return zone_; }
  // A button of the pads by its object name ("ball", "inPlay", "steal2").
  QPushButton* button(const QString& name) const;

  // The season's lines of the batters (the team's chosen games), shown
  // beside their line of the day.
  void SetSeasonLines(std::map<std::string, std::string> lines);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildPitchPad();
  QGroupBox* BuildPitchButtons(QWidget* pad);
  QGroupBox* BuildBetweenPitches(QWidget* pad);
  void BuildMenus();
  QPushButton* AddButton(QWidget* parent, const QString& name, const QString& label,
                         const QString& word_tip);

  void Refresh();
  void Say(const QString& text, bool refused);
  bool Apply(const std::vector<std::string>& entries);
  void Pitch(char letter);
  void IntentionalWalk();
  void InPlay();
  void CancelPlay();
  void AwaitFielders(const std::string& prefix, const std::string& suffix);
  void FielderTapped(int position);
  void PlaceTapped(QPoint field_point);
  void ShowComposed();
  void Substitute();
  void Undo();
  void Redo();
  void EditEntry(int index, bool insert);
  void DeleteEntry(int index);
  void ShowBoxScore();
  void ChangeDecisions();
  void CallGame();
  void ShowHelp();

  std::string game_path_;
  Session& session_;
  Ui& ui_;
  scoring::KeptBook kept_;
  WorkloadRules workload_;

  ScoringBoard* board_ = nullptr;
  ScoringField* field_ = nullptr;
  StrikeZonePad* zone_ = nullptr;
  PlayComposer* composer_ = nullptr;
  ScoringBookPanel* book_panel_ = nullptr;
  QStackedWidget* pads_ = nullptr;
  QLineEdit* entry_ = nullptr;
  QLabel* message_ = nullptr;
  std::map<QString, QPushButton*> buttons_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;

  // A word of the pitch pad waiting for its fielders (CS2(2-6), PO1(1-3)).
  std::string awaiting_prefix_, awaiting_suffix_;
  std::vector<int> awaiting_fielders_;
};

}  // namespace scorewick::app
