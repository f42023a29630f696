#pragma once
// Format: printf into a std::string.  Every fixed-width text the program
// writes (box score lines, score sheet captions, table cells) is built with
// a printf format, widths and blanks included, so one helper serves them.

#include <string>
#include <vector>

namespace scorewick {

// The text printf would write for format and its arguments, whole however
// long.  The compiler checks the arguments against the format.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Lines of a report (record texts, code page 1252) as a text file holds
// them: each ended by a line feed, every control character inside written
// as the terminal shows it ("\n", "\t", "\x1b"), so that a name holding a
// line feed cannot split a line.  Other characters stay as they are.
std::string TextFileLines(const std::vector<std::string>& lines);

}  // namespace scorewick
