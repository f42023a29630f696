#pragma once
// How the menu commands run their modal dialogs: the game chooser, the
// statistics and chart windows, the team, print and box score dialogs all
// run through RunModal, so that a test stands in for the user in one
// place (telling the dialogs apart by their type).

#include <functional>

class QDialog;

namespace scorewick::app {

using ModalRunner = std::function<int(QDialog& dialog)>;

// The runner in use: QDialog::exec until a test replaces it.
ModalRunner& ModalRun();

// Runs the dialog with the runner in use and returns its result
// (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);

}  // namespace scorewick::app
