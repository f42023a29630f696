#include "reports/workload_tables.h"

#include "records/format_text.h"

namespace scorewick::reports {
namespace {

std::string Days(int days) { return Format("%d day%s", days, days == 1 ? "" : "s"); }

// "over 85" for a day over the maximum, "short rest" for a pitcher back
// before his rest was over; both, comma-separated.
std::string Flags(const Outing& o, const WorkloadRules& rules) {
  std::string flags = o.over_max ? Format("over %d", rules.daily_max) : "";
  if (o.short_rest) flags += flags.empty() ? "short rest" : ", short rest";
  return flags;
}

}  // namespace

std::string WorkloadRulesLine(const WorkloadRules& rules) {
  std::string line = "Rest after a day's pitches:";
  for (std::size_t i = 0; i < rules.steps.size(); ++i) {
    const RestStep& s = rules.steps[i];
    line += (i > 0 ? ", " : " ") +
            (s.to < 0 ? Format("%d+", s.from) : Format("%d-%d", s.from, s.to)) + " " + Days(s.days);
  }
  line += rules.daily_max > 0 ? Format("; at most %d pitches a day.", rules.daily_max)
                              : std::string("; no daily maximum.");
  return line;
}

std::vector<ReportTable> WorkloadTables(const Workload& w) {
  ReportTable available;
  available.title = "Pitcher Workload: " + w.team + ", as of " + CalendarDayText(w.as_of);
  available.columns = {{"Pitcher", "", false},
                       {"Last Pitched", "", false},
                       {"Pitches", "", true},
                       {"May Pitch From", "", false},
                       {"Available", "", false}};
  for (const PitcherAvailability& a : w.pitchers) {
    if (a.outings == 0) {
      available.rows.push_back({a.pitcher, "", "", "", "Yes"});
      continue;
    }
    available.rows.push_back({a.pitcher, CalendarDayText(a.last_day),
                              std::to_string(a.last_day_pitches), CalendarDayText(a.next),
                              a.available ? "Yes" : "No"});
  }
  available.notes.push_back(WorkloadRulesLine(w.rules));

  ReportTable outings;
  outings.title = "Outings";
  outings.columns = {{"Pitcher", "", false},  {"Date", "", false},           {"Time", "", true},
                     {"Opponent", "", false}, {"Pitches", "", true},         {"Day", "", true},
                     {"Rest", "", false},     {"May Pitch From", "", false}, {"Flag", "", false}};
  for (const Outing& o : w.outings) {
    outings.rows.push_back({o.pitcher, CalendarDayText(o.day),
                            Format("%d:%02d", o.start_hour, o.start_minute), o.opponent,
                            std::to_string(o.pitches), std::to_string(o.day_pitches),
                            Days(o.rest_days), CalendarDayText(o.next), Flags(o, w.rules)});
  }
  outings.notes.push_back("Day: the pitches of the day so far (two games on one day add up).");
  return {available, outings};
}

}  // namespace scorewick::reports
