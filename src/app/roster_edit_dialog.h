#pragma once
// RosterEdit, "Edit Roster": the players of a team with their uniform
// numbers, positions, batting order and hands, and the designated-hitter
// settings.  The dialog edits the team it is given in place; the team
// dialog gives it a copy and takes the copy back only on OK, so Cancel
// leaves the team as it was.
//
// Choice lists and what they store:
//   position        the 32 positions       the index is the position code
//   uniform number  "00", "0" .. "99"      index - 1 ("00" = -1, no number)
//   batting order   "0" .. "20"            the index (0 = not batting)
//   bats            Right, Left, Switch    1, 0, 2
//   throws          Right, Left            1, 0
//   DH              "No DH", the players   the designated hitter's name
//   bats for        "Self at ...", players the DH-bats-for player's name

#include <QDialog>
#include <functional>
#include <optional>

#include "app/core/session.h"
#include "platform/ui.h"
#include "records/roster_edit.h"
#include "records/team.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace scorewick::app {

class PersonalInfoDialog;

// Commands of the Sort by menu.
inline constexpr int kCmdSortByName = 1930;
inline constexpr int kCmdSortByBattingOrder = 1931;
inline constexpr int kCmdSortByUniformNumber = 1932;
inline constexpr int kCmdSortByPosition = 1933;

class RosterEditDialog : public QDialog {
  Q_OBJECT

 public:
  RosterEditDialog(Team& team, Session& session, Ui& ui, QWidget* parent);

  // Runs a Sort by command (1930 to 1933).
  void RunSortCommand(int command);
  // The position picker: the chosen position, or nothing when closed
  // without OK.  Tests replace it.
  std::function<std::optional<int>(int current)> pick_position;
  // Runs the personal information dialog.  Tests replace it.
  std::function<void(PersonalInfoDialog& dialog)> run_personal_info;

  QMenu* sort_menu() const { return sort_menu_; }

  void accept() override;

 private:
  void BuildPlayerBoxes();
  QLayout* BuildRosterButtons();
  QLayout* BuildClosingButtons();
  void Refresh();
  void FillDhLists();
  void SelectPlayer(int index);
  void ShowSelected();
  PLAYER FieldsInto(PLAYER player) const;
  void Add();
  void Update();
  // Stores the fields into the selected player (true when none is
  // selected), after asking about a name or batting slot that another
  // player has; false when the person declined.
  bool StoreSelected(bool ask_slot);
  bool GoOnDespiteClashes(const PLAYER& p, int index, bool ask_slot);
  void Delete();
  void ClearAll();
  void DhChosen(int index);
  void BatsForChosen(int index);
  PLAYER DesignatedHitterRecord() const;
  void OpenPersonalInfo();
  int Selected() const;

  Team& team_;
  Session& session_;
  Ui& ui_;
  RosterSorter sorter_;
  PLAYER bats_for_;                     // the DH-bats-for record being built
  bool bats_for_self_ = false;          // the DH bats for himself at a position
  std::optional<std::string> dh_name_;  // the chosen designated hitter
  QListWidget* roster_ = nullptr;
  QListWidget* lineup_ = nullptr;
  QLabel* title_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* position_ = nullptr;
  QComboBox* number_ = nullptr;
  QComboBox* order_ = nullptr;
  QComboBox* bats_ = nullptr;
  QComboBox* throws_ = nullptr;
  QComboBox* dh_ = nullptr;
  QComboBox* bats_for_list_ = nullptr;
  QPushButton* personal_info_ = nullptr;
  QMenu* sort_menu_ = nullptr;
};

}  // namespace scorewick::app
