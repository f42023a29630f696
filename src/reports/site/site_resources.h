#pragma once
// The two files every website carries beside its pages, written here and
// nowhere else: the style sheet (readable on a phone 360 pixels wide, wide
// tables scrolling in their own box, every link and button a finger's
// width) and the small script that sorts a table when its column heading
// is clicked (the tables are whole and readable without it).

#include <string_view>

namespace scorewick::site {

inline constexpr std::string_view kStyleSheetName = "style.css";
inline constexpr std::string_view kSortScriptName = "sort.js";

std::string_view StyleSheet();
std::string_view SortScript();

}  // namespace scorewick::site
