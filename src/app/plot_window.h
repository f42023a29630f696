#pragma once
// What the two chart windows ("Scatter Plots", "Pitching Plots") share: the
// games they were opened on and read once, the canvas that paints the
// chart, the Print, Printer Setup and OK buttons, and the lists of players
// to choose from: A to Z, the "ALL" entry last, only the players of the
// team chosen in the team box ("All Teams" or a team of the games).  Each
// window lays out its own choices and draws and prints its own chart.

#include <QDialog>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "app/plot_canvas.h"
#include "app/print_job.h"
#include "platform/ui.h"
#include "stats/accumulate.h"
#include "stats/name_list.h"

class QBoxLayout;
class QComboBox;

namespace scorewick::app {

class PlotWindow : public QDialog {
 public:
  // Reads the games (Load) and fills the choices.  Games that could not be
  // read are named in one message ("Load Error") and dropped from the list,
  // so that the printed list of files shows only the games plotted; false
  // when none could be read.
  bool Open();

  // Prints the chart on the program's printer; tests replace it.
  PrintRunner print;
  virtual void Print() = 0;

  PlotCanvas* canvas() const { return canvas_; }
  QComboBox* team_box() const { return team_box_; }

 protected:
  PlotWindow(Session& session, Ui& ui, const char* title, QWidget* parent);

  // Reads every game of the window's list.
  virtual AccumulateReport Load() = 0;
  // The window's list of games.
  virtual std::vector<std::string>& Games() = 0;
  // Fills the lists once the games are read, and shows the first choice.
  virtual void FillChoices() = 0;
  // Fills the player lists for the team chosen.
  virtual void FillPlayers() = 0;
  // Shows what the lists choose.
  virtual void ChoiceChanged() = 0;

  // The canvas, size fixed, painted by draw.
  PlotCanvas* MakeCanvas(QSize size, PlotCanvas::Draw draw);
  // Adds the Print, Printer Setup and OK buttons to a row.
  void AddButtons(QBoxLayout* row);
  // A list of names to choose from, wide enough for min_contents letters.
  static QComboBox* ChoiceBox(const char* object_name, int min_contents);
  // Puts the names (code page 1252) in the list, without telling anyone,
  // and selects the entry current (-1: the last).
  static void SetChoices(QComboBox* box, const std::vector<std::string>& names, int current);
  // Puts the teams of both lists (A to Z) in the team box after "All
  // Teams", choosing All Teams, without telling anyone.
  void SetTeams(const NameList& first, const NameList& second);
  // Puts the players of list who played for the team chosen in the box,
  // A to Z, and the "ALL" entry (the last of names, the plot's list) last,
  // without telling anyone.  The player chosen before stays chosen while
  // listed; else the entry fallback (0: the first, -1: the "ALL" entry).
  void SetPlayers(QComboBox* box, const NameList& list, const std::vector<std::string>& names,
                  int fallback) const;
  // The entry of names the box chooses.
  static const std::string& ChosenName(const QComboBox* box, const std::vector<std::string>& names);

  Session& session_;
  Ui& ui_;
  PlotCanvas* canvas_ = nullptr;
  QComboBox* team_box_ = nullptr;
};

}  // namespace scorewick::app
