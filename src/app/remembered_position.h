#pragma once
// Dialogs that open where the person last left them (within one run).

class QDialog;

namespace scorewick::app {

// Moves dialog to the place remembered under key, if any, and remembers
// its place whenever it closes.
void RememberPosition(QDialog* dialog, const char* key);

}  // namespace scorewick::app
