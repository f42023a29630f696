#pragma once
// "Select Applicable Games To Analyze": the chooser of the game files an
// analysis covers.  The person browses folders (the folder list shows the
// sub-folders as "[name]", "[..]" for the folder above, and the ".gam"
// files), sees the two team names of the highlighted game, and builds the
// list of games to analyse.  The statistics variant also asks for the team
// whose players are counted ("All Teams" or a team the chosen games name);
// the scatter plot and pitching plot variants have no team box and give
// the chosen games' list the room.
//
// The rules of Add, Remove and OK are the game selection's
// (stats/game_selection.h); the dialog shows their refusals through Ui.

#include <QDialog>
#include <string>

#include "platform/ui.h"
#include "stats/game_selection.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace scorewick::app {

enum class ChooserVariant { kStatistics, kScatterPlots, kPitchingPlots };

inline constexpr const char* kChooserTitle = "Select Applicable Games To Analyze";

class GameChooserDialog : public QDialog {
  Q_OBJECT

 public:
  // The statistics variant: on OK, stat receives the chosen games, the team
  // name and the all-teams flag; on Cancel it is untouched.
  GameChooserDialog(Stat& stat, const std::string& folder, Ui& ui, QWidget* parent);
  // A plot variant (kScatterPlots or kPitchingPlots): on OK, games receives
  // the chosen games.
  GameChooserDialog(ChooserVariant variant, BaseStatGameStruct& games, const std::string& folder,
                    Ui& ui, QWidget* parent);

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

 public slots:
  void accept() override;

 private:
  GameChooserDialog(ChooserVariant variant, Stat* stat, BaseStatGameStruct& games,
                    const std::string& folder, Ui& ui, QWidget* parent);
  void Build();
  void HighlightChanged(QListWidgetItem* item);
  void DoubleClicked(QListWidgetItem* item);
  // Adds the files, with a progress dialog when that takes a while (its
  // Cancel keeps the games added so far).  Files in a prior format are
  // named together in one message.
  void AddFiles(const std::vector<std::string>& paths);
  void RefreshChosen();

  ChooserVariant variant_;
  Stat* stat_;
  BaseStatGameStruct& games_;
  std::string folder_;
  Ui& ui_;
  GameSelection selection_;

  QLabel* path_ = nullptr;
  QListWidget* folder_list_ = nullptr;
  QLabel* preview_ = nullptr;
  QListWidget* chosen_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* team_label_ = nullptr;
  QComboBox* team_box_ = nullptr;
};

}  // namespace scorewick::app
