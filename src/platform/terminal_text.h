#pragma once
// Text bound for a terminal.  Names come from files, folders and the
// handheld: a name holding an escape sequence could repaint or retitle the
// person's terminal, and one holding a line feed would split a listing.

#include <string>
#include <string_view>

namespace scorewick {

// text (UTF-8) with every control character written visibly: a C0 control
// or DEL as "\n", "\r", "\t" or "\x1b" and so on, a C1 control (U+0080 to
// U+009F) as "\u009b", and a backslash doubled so that the escapes cannot
// be forged.  When keep_line_feeds is set, line feeds stay (for message
// texts that are laid out in lines).
std::string TerminalText(std::string_view text, bool keep_line_feeds = false);

}  // namespace scorewick
