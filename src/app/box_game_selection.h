#pragma once
// "Select Game": the game picker of Statistics > Box Scores.  A list of the
// games (each as its date, visitors at home and score, the file's name in
// the tooltip; a file whose headline cannot be read by its name) and
// sub-folders of a folder (".." first), the folder shown above it, and a
// preview of the selected game's two teams.  A game of an
// older format is refused on OK with "Incompatible Game Format" and the
// dialog stays open; a folder is entered by double-clicking it.

#include <QDialog>
#include <string>

#include "platform/ui.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace scorewick::app {

class BoxGameSelection : public QDialog {
 public:
  BoxGameSelection(const std::string& folder, Ui& ui, QWidget* parent);

  // The full path of the chosen game; empty unless the dialog ended with a
  // game chosen.
  const std::string& path() const { return path_; }
  const std::string& folder() const { return folder_; }

  // Enters a folder (relative to the current one, ".." for the parent);
  // false, with the list unchanged, when it cannot be read.
  bool EnterFolder(const std::string& name);

  void accept() override;

 private:
  void Fill();
  void ShowPreview();
  void Activated(QListWidgetItem* item);
  // The file selected, or empty when the selection is a folder or nothing.
  std::string SelectedFile() const;

  Ui& ui_;
  std::string folder_;
  std::string path_;
  QListWidget* list_;
  QLabel* folder_label_;
  QLabel* preview_;
};

// The refusal of a game of an older format.
std::string IncompatibleGameText(const std::string& file_name);
inline constexpr const char* kIncompatibleGameCaption = "Incompatible Game Format";

}  // namespace scorewick::app
