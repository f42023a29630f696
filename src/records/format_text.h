#pragma once
// Format: printf into a std::string.  Every fixed-width text the program
// writes (box score lines, score sheet captions, table cells) is built with
// a printf format, widths and blanks included, so one helper serves them.

#include <string>

namespace scorewick {

// The text printf would write for format and its arguments, whole however
// long.  The compiler checks the arguments against the format.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace scorewick
