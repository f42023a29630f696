#pragma once
// Record texts are 8-bit characters of the handheld's code page 1252; Qt
// works in Unicode.  These convert at that edge.

#include <QString>
#include <string>
#include <string_view>

namespace scorewick::print {

QString FromCp1252(std::string_view text);
// Characters the code page lacks become '?'.
std::string ToCp1252(const QString& text);

}  // namespace scorewick::print
