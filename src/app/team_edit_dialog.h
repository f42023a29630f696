#pragma once
// TeamEdit, "Edit Team": the team's name, coach, manager and logo, and the
// way to its roster, to saving it under a new name (team file,
// comma-separated text or HTML roster page) and to printing the roster.
//
// OK stores the three texts in the team; a team needs a name, and OK
// without one says so and stays.  A team that has a file closes the
// dialog; a new team is first saved under a name the person chooses (the
// dialog then stays open, and the next OK closes it).  Cancel stores
// nothing, and after changes (texts, logo, roster) asks first.  A team
// with no name, no players and no file is a new team, and the dialog says
// so in its caption.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "app/core/session.h"
#include "app/print_job.h"
#include "platform/ui.h"
#include "records/team.h"

class QLabel;
class QLineEdit;

namespace scorewick::app {

class RosterEditDialog;

inline constexpr const char* kLogoFilter = "Bitmap (*.bmp)|*.bmp|";
inline constexpr const char* kNewTeamCaption = "New Team";
inline constexpr const char* kNoNameText = "Please type the team's name before saving it.";
inline constexpr const char* kNoNameCaption = "Team Name Missing";
inline constexpr const char* kDiscardQuestion =
    "Discard the changes made to this team?\n\n(No goes back to the team.)";

class TeamEditDialog : public QDialog {
  Q_OBJECT

 public:
  TeamEditDialog(Team& team, Session& session, Ui& ui, QWidget* parent);

  // Runs the roster editor (on a copy of the team); returns its result.
  // Tests replace it.
  std::function<int(RosterEditDialog& editor)> run_roster_editor;
  // Prints the roster.  Tests replace it.
  PrintRunner print;

  void accept() override;
  void reject() override;

 private:
  void StoreTexts(Team& team) const;
  QStringList Texts() const;  // name, coach, manager as typed
  bool HasUnsavedChanges() const;
  void ShowLogo();
  void ChangeLogo();
  void EditRoster();
  void SaveAs();
  void Print();

  Team& team_;
  Session& session_;
  Ui& ui_;
  QLineEdit* name_ = nullptr;
  QLineEdit* coach_ = nullptr;
  QLineEdit* manager_ = nullptr;
  QLabel* logo_picture_ = nullptr;
  QLabel* logo_name_ = nullptr;
  // Since the team file was last read or written: the logo or roster
  // changed, and the texts it holds.
  bool unsaved_ = false;
  QStringList saved_texts_;
};

// The logo file as the program finds it: a relative name is looked up in
// the start folder.
std::string LogoPath(const Team& team, const Session& session);

}  // namespace scorewick::app
