#pragma once
// Qualifiers of the statistics tables: the rows of players with too few
// plate appearances or innings pitched to judge by their rates are left
// out of the batting, running and pitching tables, and so can the rows of
// players who never batted (or never faced a batter).  The totals row is
// never touched: it counts every player, shown or not.
//
// The statistics window keeps its qualifiers in a small file beside the
// settings file (the settings file's own format does not change for
// them):
//
//   min-pa=10
//   min-ip=6.33
//   hide-empty=1

#include <string>
#include <string_view>

#include "records/status.h"
#include "stats/stat.h"
#include "stats/stat_columns.h"

namespace scorewick {

inline constexpr const char* kQualifiersFileName = "scwk-stats.ini";

struct Qualifiers {
  int min_plate_appearances = 0;  // PA below it: batting and running rows hidden
  // IP below it, in hundredths of an inning as the IP column shows it
  // (633 is 6.33: 19 outs in a league of three outs an inning).
  int min_innings_hundredths = 0;
  // Batting rows without a plate appearance and pitching rows without a
  // batter faced hidden (the running table keeps its pinch runners).
  bool hide_empty = false;

  bool operator==(const Qualifiers&) const = default;
};

// A count of plate appearances: decimal digits only, at most 9 of them.
// False (count untouched) for anything else, a sign included.
bool ParsePlateAppearances(std::string_view text, int* count);
// Innings as the IP column shows them ("10", "10.2", "6.33"): digits, a
// point and more digits, rounded to hundredths; at most 6 digits before
// the point.  False (hundredths untouched) for anything else.
bool ParseInnings(std::string_view text, int* hundredths);
// "6.33", "10.20", "0.00".
std::string InningsText(int hundredths);

// Whether a row of the table passes (the totals row always does).
bool Qualifies(const BattingStat& row, StatTable table, const Qualifiers& q);
bool Qualifies(const PitchingStat& row, const StatRules& rules, const Qualifiers& q);

// Removes from the rows the table shows (the batting rows for the batting
// and running tables, the pitching rows for the pitching table; fielding
// rows never) those that do not qualify, keeping the order and the totals
// row.  The other tables' rows are left as they were.
void HideUnqualified(Stat& stat, StatTable table, const Qualifiers& q);

// The qualifiers file's text, and the qualifiers read from one: a line
// that is not "key=value" with a good value is skipped.
std::string QualifiersText(const Qualifiers& q);
Qualifiers ParseQualifiers(std::string_view text);
// Reads folder/scwk-stats.ini; none when it is missing or unreadable.
Qualifiers LoadQualifiers(const std::string& folder);
// Writes it whole; fails, with the reason and no message, when it cannot
// be written.  With no qualifier set and no file there, nothing is written.
Status SaveQualifiers(const std::string& folder, const Qualifiers& q);

}  // namespace scorewick
