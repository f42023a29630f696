#pragma once
// Record texts are 8-bit characters of the handheld's code page 1252; the
// desktop, the terminal and the file system speak UTF-8.  Every edge
// converts with these: windows and messages, terminal output, the names a
// file dialog proposes.

#include <string>
#include <string_view>

namespace scorewick {

// The UTF-8 form of a code page 1252 text.  The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 and so on.
std::string Cp1252ToUtf8(std::string_view text);

// The code page 1252 form of a UTF-8 text.  Characters the code page lacks,
// and bytes that are not valid UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace scorewick
