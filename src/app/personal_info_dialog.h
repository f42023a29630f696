#pragma once
// PersonalInfoClass, "Players Personal Info": every player of the roster
// in a list view with his phone, birthday, address, e-mail and note; one
// player's record is edited at a time.  Update Info stores the fields into
// the selected player's record at once (the roster editor that opened the
// dialog works on a copy of the team, so its Cancel still drops them).
// The whole list can be exported (comma-separated text or HTML), printed,
// and a player can be sent an e-mail through the person's mail program.

#include <QDialog>
#include <QUrl>
#include <array>
#include <functional>
#include <optional>

#include "app/core/session.h"
#include "app/print_job.h"
#include "platform/ui.h"
#include "records/local_date.h"
#include "records/team.h"

class QLayout;
class QLineEdit;
class QTableWidget;

namespace scorewick::app {

// "MailTo:<address>", what the e-mail button opens.
QString MailToText(const QString& address);

// Reads "month/day/year"; false unless it names a day of the calendar
// (31/31/2011 and 2/30/2012 do not).
bool ParseBirthday(const QString& text, LocalDate* date);

class PersonalInfoDialog : public QDialog {
  Q_OBJECT

 public:
  PersonalInfoDialog(Team& team, Session& session, Ui& ui, QWidget* parent);

  // Opens a mailto: link (the person's mail program); false when none
  // could be started.  Tests replace it.
  std::function<bool(const QUrl&)> open_url;
  // Prints the address list; tests replace it.
  PrintRunner print;
  // Runs the birthday picker on a date; returns the chosen one, or
  // nothing when cancelled.  Tests replace it.
  std::function<std::optional<LocalDate>(const LocalDate&)> pick_date;

  // The list view's columns: title, least width in pixels, alignment.
  // Each column is as wide as its longest text; room to spare when the
  // dialog is wider goes to the name and the note.
  struct Column {
    const char* title;
    int width;
    Qt::Alignment alignment;
  };
  static const std::array<Column, 9>& Columns();

 private:
  void FillRow(int row);
  void FitColumns();
  QLayout* BuildFields();
  void BuildPlayerTable();
  QLayout* BuildButtons();
  void FitToColumns(const QLayout* layout);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ShowPlayer();
  void UpdateInfo();
  // Copies the boxes into info; false (info's birthday untouched) when the
  // birthday box holds text that is not a date.  An empty box is no birthday.
  bool BoxesToInfo(PLAYER_INFO& info) const;
  // Whether the boxes hold something other than the shown player's info.
  bool HasUnsavedChanges() const;
  // Stores the boxes as row's info; refuses an impossible birthday with a
  // message, keeping the focus in that box.
  bool StoreBoxes(int row);
  // Before the shown player is left: asks whether typed, unstored info is
  // to be saved.  False when saving was chosen and refused.
  bool KeepOrDropTypedInfo();
  void Ok();
  void ClearBoxes();
  void ChooseBirthday();
  void SendMail();
  void Export();
  void Print();

  Team& team_;
  Session& session_;
  Ui& ui_;
  QTableWidget* players_ = nullptr;
  int shown_row_ = -1;  // the player whose info the boxes were filled with
  QLineEdit* name_ = nullptr;
  QLineEdit* birthday_ = nullptr;
  QLineEdit* phone_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* state_ = nullptr;
  QLineEdit* zip_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* note_ = nullptr;
};

}  // namespace scorewick::app
