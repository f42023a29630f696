#pragma once
// Number lists that take what is typed.  In a list of "00", "0" .. "99",
// typing 7 picks "7", and 7 then 0 (within the keyboard's input interval)
// picks "70", whatever entry was showing.  The stock search of a list
// starts after the current entry and takes the first entry that begins
// with the typed text, so with "12" showing, 7 would pick "70".

class QComboBox;

namespace scorewick::app {

// Makes typing into box (closed or open) pick the entry whose text is
// exactly what was typed; when no entry is, the last key alone is tried,
// and failing that the stock search runs.
void ChooseByTypedText(QComboBox* box);

}  // namespace scorewick::app
