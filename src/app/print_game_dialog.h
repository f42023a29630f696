#pragma once
// Print Game: which side of a loaded game to print (the visitors, the
// home team, both), the inning columns per page (fit to the page width or
// a number from 1 to 15), a page of the game's notes (offered only when
// the game has notes) and the empty box under every box's marks.  The
// choices are kept for the rest of the run.  Print prints and closes the
// dialog; Printer Setup runs the printer's set-up; Cancel closes.

#include <QDialog>
#include <string>

#include "app/print_job.h"
#include "platform/ui.h"
#include "records/game.h"
#include "reports/score_sheet_layout.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace scorewick::app {

// The options as last printed in this run.
reports::GamePrintOptions& RememberedGamePrintOptions();

class PrintGameDialog : public QDialog {
  Q_OBJECT

 public:
  // game must outlive the dialog.  logo_files: the home and visiting
  // teams' logo files as the program finds them.
  PrintGameDialog(const Game& game, const std::string (&logo_files)[2],
                  std::uint32_t hit_line_color, Ui& ui, QWidget* parent);

  // The options as the dialog shows them.
  reports::GamePrintOptions options() const;

  // Prints the game.  Tests replace it.
  PrintRunner print;

 private:
  void Print();
  void ShowOptions(const reports::GamePrintOptions& options);

  const Game& game_;
  std::string logo_files_[2];
  std::uint32_t hit_line_color_;
  Ui& ui_;
  QRadioButton* visitors_ = nullptr;
  QRadioButton* home_ = nullptr;
  QRadioButton* both_ = nullptr;
  QRadioButton* fit_ = nullptr;
  QRadioButton* use_ = nullptr;
  QSpinBox* columns_ = nullptr;
  QCheckBox* notes_ = nullptr;
  QCheckBox* empty_fields_ = nullptr;
};

}  // namespace scorewick::app
