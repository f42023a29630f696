#pragma once
// The "Box Score" window: the box score of one game as fixed-width text
// lines in a list, with OK and Cancel, "&Print" (the lines as they stand,
// through the text printout, its trailer naming the game), "Printer
// &Setup" and "&Export" (one HTML page, the frames form, comma-separated
// text or plain text, chosen in the save dialog).

#include <QDialog>
#include <string>

#include "app/core/session.h"
#include "app/print_job.h"
#include "platform/ui.h"
#include "records/game.h"
#include "reports/box_score.h"

class QListWidget;

namespace scorewick::app {

class BoxScoreDialog : public QDialog {
 public:
  // game is the loaded game (kept by the caller while the dialog lives).
  BoxScoreDialog(const Game& game, Session& session, Ui& ui, QWidget* parent);

  const reports::BoxScore& box() const { return box_; }

  // Prints the lines; tests replace it.
  PrintRunner print;

  void Print();
  void Export();

 private:
  const Game& game_;
  Session& session_;
  Ui& ui_;
  reports::BoxScore box_;
  std::string title_;
  QListWidget* lines_;
};

// The save dialog's forms, in filter order (1-based filter index).
inline constexpr const char* kBoxScoreExportFilter =
    "HTML Page (*.htm)|*.htm|HTML Frames (*.htm)|*.htm|Comma Separated Text (*.csv)|*.csv|"
    "Text (*.txt)|*.txt|";

}  // namespace scorewick::app
