#pragma once
// Record texts (code page 1252) as Qt's strings and back: the drawing
// layer's and the windows' side of the converters in records/cp1252.h.

#include <QString>
#include <string>
#include <string_view>

namespace scorewick::print {

QString FromCp1252(std::string_view text);
// Characters the code page lacks become '?'.
std::string ToCp1252(const QString& text);

// A file's path as the system names it (UTF-8 here), not a record text:
// "é.gam" stays "é.gam".
QString FromFileName(const std::string& path);

}  // namespace scorewick::print
