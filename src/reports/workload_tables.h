#pragma once
// A team's pitcher workload as report tables: first who may pitch on the
// as-of day (each pitcher's last day pitched, its pitches, the day he may
// pitch again, "Yes" or "No"), then every outing with the rest it requires,
// "over 85" beside a day over the daily maximum and "short rest" beside an
// outing before the rest was over; the rules in a note.

#include <vector>

#include "reports/report_table.h"
#include "stats/pitcher_workload.h"

namespace scorewick::reports {

std::vector<ReportTable> WorkloadTables(const Workload& workload);

// The rules in a line: "Rest after a day's pitches: 1-20 0 days, 21-35
// 1 day, ..., 66+ 4 days; at most 85 pitches a day."
std::string WorkloadRulesLine(const WorkloadRules& rules);

}  // namespace scorewick::reports
