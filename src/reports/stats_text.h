#pragma once
// A statistics table as printed text: the shown columns packed, left to
// right, into sections no wider than the page width, each section with
// the table's star box, a heading line of keys and one line per row.
// Every column is as wide as its longest text (key or cell) plus a blank.

#include <string>
#include <vector>

#include "stats/stat.h"
#include "stats/stat_layout.h"
#include "stats/stat_view.h"

namespace scorewick::reports {

using TextSection = std::vector<std::string>;

// The page widths the printout offers: 85 characters portrait, 125
// landscape, at least 50.
inline constexpr int kPortraitPageWidth = 85;
inline constexpr int kLandscapePageWidth = 125;
inline constexpr int kMinPageWidth = 50;

// The sections; a column wider than the page stands alone in its section.
std::vector<TextSection> StatsTextSections(const Stat& stat, StatTable table,
                                           const StatLayout& layout, Split split, int page_width);

// The star box above a table's heading.
std::vector<std::string> StarBox(StatTable table, Split split);

// "Statistics for %s", with " Opponents" or " and all Opponents".
std::string StatsPrintTitle(const std::string& team, StatView view);

}  // namespace scorewick::reports
