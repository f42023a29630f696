#pragma once
// "Statistics": the window over the statistics of the chosen games.  Tabs
// choose the table (batting, running, fielding, pitching) and the side
// shown (the team, "Opponents", "Combined"; the team alone when every
// team is counted); radios choose the opponents' hand, which recounts the
// games.  Clicking a heading sorts by its column (largest first, then
// reversing).  Columns open sized to their heading and contents; a width
// dragged by the person is kept in the table's layout and wins from then
// on (a double click on the column's edge sizes it to fit again).  The
// Name column stays in view when the figures scroll sideways.
// The title and the line under it say what is counted: the team, the
// number of games, their first and last days and the filters that chose
// them; "Change Games..." opens the chooser on them and counts again.  The
// window keeps its size and place.  A line under the table says how many
// players the qualifiers hide.  A double click anywhere on a player's row
// (his name too) opens his game log.  The column a table is sorted by is
// scrolled into view when the table shows.  From here the
// layouts are edited, the shown table printed as text or
// exported as comma-separated text or HTML.  The qualifiers (least plate
// appearances, least innings pitched, rows without any hidden) leave
// players out of the tables shown, printed and exported, never out of the
// totals.  Closing the window writes the four layout files and the
// qualifiers file into the start folder and keeps the innings per game in
// the settings.

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "platform/ui.h"
#include "reports/stats_text.h"
#include "stats/accumulate.h"
#include "stats/qualifiers.h"
#include "stats/stat.h"
#include "stats/stat_layout.h"
#include "stats/stat_query.h"
#include "stats/stat_view.h"

class QButtonGroup;
class QLayout;
class QCheckBox;
class QLabel;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QRadioButton;
class QTabBar;
class QTableView;

namespace scorewick::app {

class StatTableModel;
class StatTableView;

// How a statistics table goes to the printer: its text sections, the
// title, the games (for the trailer), the characters per line and the
// orientation.  Tests put a recording in its place.
using StatsPrintRunner =
    std::function<void(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& games, int page_width, bool landscape)>;

// Asks for the games to count (the chooser): fills chosen and the words
// saying which filters chose them (code page 1252); false when the person
// cancelled.
using StatGamesChooser = std::function<bool(GameChoice& chosen, std::string& filters)>;

class StatsWindow : public QDialog {
  Q_OBJECT

 public:
  enum class ExportForm { kCsv, kHtml, kHtmlAppended };

  // chosen: the chooser's result (games, team name, all-teams flag),
  // counted by rules.  The layouts are read from the start folder; nothing
  // is counted yet.
  StatsWindow(const GameChoice& chosen, const StatRules& rules, Session& session, Ui& ui,
              QWidget* parent);
  ~StatsWindow() override;

  // Counts the games and shows the batting table.  Games that could not be
  // read are named in one message and left out.  False when the person
  // cancelled the counting or no game could be read: the window is then
  // not to be shown.
  bool Open();

  // The table, view and split shown; changing them redraws (a split
  // recounts, and a cancelled recount keeps the previous split).
  StatTable table() const { return table_; }
  StatView view() const { return view_; }
  void ShowTable(StatTable table);
  void ShowView(StatView view);
  void SetSplit(Split split);
  Split batting_split() const { return batting_split_; }
  Split pitching_split() const { return pitching_split_; }
  // Sorts the shown table by the column at display position section.
  void SortBySection(int section);
  void EditLayout(StatTable table);
  void Print();
  void Export(ExportForm form);

  // Leaves out the rows below the qualifiers (and shows them in the box).
  void SetQualifiers(const Qualifiers& qualifiers);
  const Qualifiers& qualifiers() const { return qualifiers_; }

  // Opens the game log of the player on the shown table's row (a double
  // click on it); nothing for the totals row.
  void OpenGameLogOf(int row);

  // The words saying which filters chose the games (code page 1252).
  void SetFiltersText(const std::string& filters);
  // "Change Games...": asks chooser for other games and counts them; the
  // games counted stay when the person cancels either.
  void ChangeGames();
  StatGamesChooser game_chooser;

  const Stat& shown() const;
  // The shown table as drawn, printed and exported: without the rows the
  // qualifiers leave out.
  const Stat& displayed() const;
  const StatLayout& layout(StatTable table) const {
    return layouts_[static_cast<std::size_t>(table)];
  }
  StatTableView* list() const { return list_; }

  // Told of the counting's progress besides the progress dialog; returning
  // false cancels as the dialog's button does.
  AccumulateProgress progress_hook;
  StatsPrintRunner print_runner;
  // Opens a player's game log (name, team); tests put a recording here.
  std::function<void(const std::string& name, const std::string& team)> game_log_opener;

 public slots:
  void done(int result) override;

 private:
  void Build();
  void BuildList();
  QLayout* BuildSplitRadios();
  QLayout* BuildInningsBox();
  QWidget* BuildQualifierBox();
  QLayout* BuildButtons();
  // The title, the line under it and the view tabs, for the games counted.
  void ShowWhatIsCounted();
  // Counts both sides with the splits into new tables; false (the tables
  // as they were) when cancelled.
  bool Compute(Split batting_split, Split pitching_split, std::vector<GameRefusal>* refusals);
  void Redraw();
  // The layout entry of the column shown at section; null when none is.
  LayoutEntry* EntryAt(int section);
  // The person dragged the edge of the column at section to size pixels:
  // the table's layout keeps the width.
  void KeepWidth(int section, int size);
  // The person double-clicked the edge: the column is sized to fit again,
  // and its layout width is unset.
  void UnsetWidth(int section);
  void UpdateSplitRadios();
  void SetInnings(int innings);
  Split ShownSplit() const;
  Stat& Shown();
  // Makes the displayed table again from the shown one.
  void Qualify();
  // The qualifiers as the box's controls hold them.
  void TakeQualifiersFromBox();

  Session& session_;
  Ui& ui_;
  GameChoice chosen_;  // the games and the team
  StatRules rules_;
  std::array<StatLayout, kStatTableCount> layouts_;
  std::array<int, kStatTableCount> sort_column_{};
  // Per table and column: whether the next click sorts largest first.
  std::array<std::vector<bool>, kStatTableCount> next_descending_;
  StatTable table_ = StatTable::kBatting;
  StatView view_ = StatView::kTeam;
  Split batting_split_ = Split::kAll;
  Split pitching_split_ = Split::kAll;
  bool counting_ = false;  // the window answers clicks while it counts
  bool sizing_ = false;    // the window itself is sizing the columns
  StatResult counted_;     // the team's, its opponents' and the combined tables
  Qualifiers qualifiers_;
  Stat displayed_;  // the shown table less the rows left out, while a qualifier is set

  QTabBar* table_tabs_ = nullptr;
  QTabBar* view_tabs_ = nullptr;
  std::array<QRadioButton*, 3> split_radios_{};
  QButtonGroup* split_group_ = nullptr;
  QComboBox* innings_ = nullptr;
  QSpinBox* min_pa_ = nullptr;
  QDoubleSpinBox* min_ip_ = nullptr;
  QCheckBox* hide_empty_ = nullptr;
  StatTableView* list_ = nullptr;
  StatTableModel* model_ = nullptr;
  QLabel* counted_line_ = nullptr;
  QLabel* hidden_line_ = nullptr;
  std::string filters_text_;
};

}  // namespace scorewick::app
