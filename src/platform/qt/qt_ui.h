#pragma once
// The desktop's Ui: message boxes with the exact text and caption, the
// file dialogs with the program's "Description (*.ext)|*.ext|" filters,
// the colour chooser with its sixteen custom colours, folder and text
// prompts.  Dialogs are owned by the parent window given.

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include "platform/ui.h"

class QWidget;

namespace scorewick {

class QtUi : public Ui {
 public:
  explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<FileChoice> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<FileChoice> ChooseSaveFile(const FileDialogRequest& request) override;
  std::vector<std::string> ChooseOpenFiles(const FileDialogRequest& request) override;
  std::optional<std::uint32_t> ChooseColor(std::uint32_t initial) override;
  std::optional<std::string> BrowseFolder(std::string_view title,
                                          std::string_view initial) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view caption,
                                     std::string_view initial) override;

 private:
  // The files chosen (none when cancelled), and the filter selected.
  QStringList RunFileDialog(const FileDialogRequest& request, QFileDialog::FileMode mode,
                            int* filter_index);

  QWidget* parent_;
};

// "Team File (*.tem)|*.tem|CSV (*.csv)|*.csv|" as the name filters of a
// Qt file dialog, in order.
QStringList QtNameFilters(std::string_view filter);

QString ToQString(std::string_view text);

}  // namespace scorewick
