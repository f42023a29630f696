#pragma once
// The names of files: folder, file name, extension.  One set for the whole
// program, on std::filesystem's rules ('/' separates folders; a file name's
// extension starts at its last dot, and a name that starts with its only
// dot has none).

#include <string>
#include <string_view>

namespace scorewick {

// "games/Opener.gam" gives "games"; "Opener.gam" gives "".
std::string FolderOf(std::string_view path);
// "games/Opener.gam" gives "Opener.gam".
std::string FileNameOf(std::string_view path);
// The extension in lower case, without the dot: "Opener.GAM" gives "gam";
// "" when there is none.
std::string ExtensionOf(std::string_view path);
// True when the file name (not the folder) holds a dot.
bool FileNameHasDot(std::string_view path);
// path with "." + extension added when its file name has no dot
// ("t.d/hawks", "tem" gives "t.d/hawks.tem").
std::string WithExtension(std::string_view path, std::string_view extension);
// The file name without folder, its extension replaced ("a/b.csv", "tem"
// gives "b.tem").
std::string FileNameWithExtension(std::string_view path, std::string_view extension);

}  // namespace scorewick
