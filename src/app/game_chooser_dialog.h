#pragma once
// "Select Applicable Games To Analyze": the chooser of the game files an
// analysis covers.  The person browses folders (the folder list shows the
// sub-folders as "[name]", "[..]" for the folder above, and the ".gam"
// files as their games' lines, the file's name in the tooltip), sees the
// two team names of the highlighted game, and builds the
// list of games to analyse.  The statistics variant also asks for the team
// whose players are counted ("All Teams" or a team the chosen games name);
// the scatter plot and pitching plot variants have no team box and give
// the chosen games' list the room.
//
// The chosen games can be saved as a list of games and a list opened again
// (records/game_list_file.h: the lists --games-from reads), with the team
// and the filters in the list's comment lines (stats/game_choice.h); the
// last list used is offered on the next opening, and the games, team and
// filters chosen last in this run are chosen again.  Filters over the
// chosen games (app/game_filter_panel.h) say how many they leave, and OK
// hands on only those; with a team to analyse chosen, only its games are
// left, as only they are counted.  The chosen games show as "2019-09-29
// Seattle Mariners 3 at Houston Astros 1" with the file in the tooltip.  The
// Pitcher Workload's chooser also asks the day the workload is looked at.
//
// The rules of Add, Remove and OK are the game selection's
// (stats/game_selection.h); the dialog shows their refusals through Ui.

#include <QDialog>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "intake/game_headline.h"
#include "platform/ui.h"
#include "stats/game_choice.h"
#include "stats/game_filter.h"
#include "stats/game_selection.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace scorewick::app {

class GameFilterPanel;
struct Session;

enum class ChooserVariant { kStatistics, kScatterPlots, kPitchingPlots };

inline constexpr const char* kChooserTitle = "Select Applicable Games To Analyze";
inline constexpr const char* kGameListCaption = "Game List";

class GameChooserDialog : public QDialog {
  Q_OBJECT

 public:
  GameChooserDialog(ChooserVariant variant, const std::string& folder, Ui& ui, QWidget* parent);

  // What OK handed on: the games the filters leave, in their order, and in
  // the statistics variant the team or all teams; the filters themselves
  // are spent.  Empty until OK.
  const GameChoice& chosen() const { return chosen_games_; }

  ChooserVariant variant() const { return variant_; }
  // The folder the folder list shows.
  const std::string& folder() const { return folder_; }
  const GameSelection& selection() const { return selection_; }

  // Shows folder's sub-folders and game files.
  void EnterFolder(const std::string& folder);
  // Adds every game file highlighted in the folder list, in list order.
  void AddHighlighted();
  // Adds every game file of the folder, however many.
  void AddAllOfFolder();
  // Removes every highlighted chosen game.
  void RemoveHighlighted();

  // Lists of games are saved and opened in the session's game folder, and
  // the last one is kept in it and offered again.  Without a session the
  // dialogs start in the chooser's folder and nothing is kept.
  void UseSession(Session& session);
  // Saves the chosen games as a list (asking where); false when nothing
  // was saved.
  bool SaveList();
  // Asks for a list and opens it.
  void OpenList();
  // Replaces the chosen games by the list's, naming the games it lists
  // that are missing (the others are chosen); false when the list cannot
  // be read (said through Ui).
  bool OpenListFile(const std::string& path);
  // What the filters leave of the chosen games, in their order; nothing
  // (with the reason in *error) when the filters are not whole.  With a
  // team to analyse chosen, only its games are left.
  std::optional<std::vector<std::string>> FilteredGames(std::string* error);

  // The games, team and filters chosen, as a list keeps them.
  GameChoice Choice() const;
  // Chooses the choice's games that can be read (those missing or unread
  // go to *missing and *unread when given), its team and its filters.
  void Restore(const GameChoice& choice, std::vector<std::string>* missing = nullptr,
               std::vector<std::string>* unread = nullptr);

  // Shows the box of the day a workload is looked at ("As of").  Until the
  // person changes it, it follows the games the filters leave
  // (stats/pitcher_workload.h: DefaultAsOf).
  void AskAsOf();
  LocalDate as_of() const;

 public slots:
  void accept() override;

 private:
  void Build();
  QLayout* BuildFolderColumn();
  QLayout* BuildMoveButtons();
  QLayout* BuildListButtons();
  QLayout* BuildAsOfRow();
  QLayout* BuildChosenColumn();
  void HighlightChanged(QListWidgetItem* item);
  void DoubleClicked(QListWidgetItem* item);
  // Adds the files, with a progress dialog when that takes a while (its
  // Cancel keeps the games added so far).  Files in a prior format are
  // named together in one message.  Files that are no game or cannot be
  // read go to *unread when given.
  void AddFiles(const std::vector<std::string>& paths, std::vector<std::string>* unread = nullptr);
  void RefreshChosen();
  // The line saying what the filters leave.
  void RefreshFilter();
  // The headlines of the chosen games, read once each.
  std::vector<std::optional<GameHeadline>> ChosenHeadlines();
  // The game's headline, read once.
  const std::optional<GameHeadline>& Headline(const std::string& path);
  // Remembers list as the last one and offers it.
  void RememberList(const std::string& list);
  std::string ListFolder() const;
  // The team to analyse as the games spell it; empty for All Teams, for
  // none chosen yet and in the plot variants.
  std::string AnalysedTeam() const;
  // The team analysed when the chosen games name it: only its games count.
  std::string CountedTeam();
  // The filter the boxes ask for, with the team counted as its team when
  // the filters name none.
  std::optional<GameFilter> EffectiveFilter(std::string* error);
  // Sets the as-of box to the default for the games left.
  void FollowAsOf(const std::vector<std::string>& left);

  ChooserVariant variant_;
  GameChoice chosen_games_;
  std::string folder_;
  Ui& ui_;
  GameSelection selection_;
  Session* session_ = nullptr;
  std::unordered_map<std::string, std::optional<GameHeadline>> headlines_;

  QLabel* path_ = nullptr;
  QListWidget* folder_list_ = nullptr;
  QLabel* preview_ = nullptr;
  QListWidget* chosen_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* team_label_ = nullptr;
  QComboBox* team_box_ = nullptr;
  QPushButton* last_list_ = nullptr;
  GameFilterPanel* filters_ = nullptr;
  QLabel* as_of_label_ = nullptr;
  QDateEdit* as_of_ = nullptr;
  bool as_of_typed_ = false;  // the person changed the as-of day
};

}  // namespace scorewick::app
