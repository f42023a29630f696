#pragma once
// A league's pitch-count rules: how many days a pitcher must rest after
// throwing so many pitches in a day, and the most pitches he may throw in
// one day.  Kept as a small text file beside the settings
// (workload.txt in the start folder):
//
//   # pitches  days of rest
//   1-20   0
//   21-35  1
//   36-50  2
//   51-65  3
//   66+    4
//   max 85
//
// Blanks around words are free; '#' starts a comment.  The ranges run up
// from the first without gap or overlap; the last may be open ("66+").  A
// day's count beyond a closed last range takes that range's rest; a count
// below the first range needs none.

#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"

namespace scorewick {

inline constexpr std::string_view kWorkloadRulesFileName = "workload.txt";

struct RestStep {
  int from = 1;  // pitches, inclusive
  int to = -1;   // pitches, inclusive; -1 for "or more"
  int days = 0;  // full days of rest after

  bool operator==(const RestStep&) const = default;
};

struct WorkloadRules {
  std::vector<RestStep> steps;
  int daily_max = 0;  // 0: no maximum

  bool operator==(const WorkloadRules&) const = default;
};

// The table widely used in youth baseball: 1-20 pitches no rest, 21-35 one
// day, 36-50 two, 51-65 three, 66 or more four; at most 85 pitches a day.
WorkloadRules DefaultWorkloadRules();

// The rules the text states.  Fails, the reason naming the line and its
// text ("line 3, \"21-x 1\": ..."), when a line does not parse, a range does
// not follow on from the one before it (not increasing, overlapping or
// leaving a gap), no range is given, or "max" is given twice.
Status ParseWorkloadRules(std::string_view text, WorkloadRules& rules);

// The rules as the file holds them, with a comment saying how to read it;
// ParseWorkloadRules gives them back.
std::string WorkloadRulesText(const WorkloadRules& rules);

// Days of rest after a day of `pitches` pitches.
int RestDaysAfter(const WorkloadRules& rules, int pitches);

// The rules the file at path holds; the defaults when missing_is_default
// and there is no such file.  Fails, the reason naming the file, when it
// cannot be read or does not parse.
Status LoadWorkloadRules(const std::string& path, bool missing_is_default, WorkloadRules& rules);

}  // namespace scorewick
