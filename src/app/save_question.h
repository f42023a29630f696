#pragma once
// The question asked when a window that holds work not yet kept is
// closed, or the program quit: Save, Discard or Cancel.  Tests replace the
// asker to answer it.

#include <QString>
#include <functional>

class QWidget;

namespace scorewick::app {

enum class SaveAnswer { kSave, kDiscard, kCancel };

using SaveAsker =
    std::function<SaveAnswer(const QString& text, const QString& caption, QWidget* parent)>;

// The asker in use: a message box with Save, Discard and Cancel (Escape
// cancels) until a test replaces it.
SaveAsker& SaveQuestion();

}  // namespace scorewick::app
