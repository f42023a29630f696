#include "reports/site/standings.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "records/format_text.h"

namespace scorewick::site {

double TeamRecord::Percentage() const {
  const int decided = wins + losses;
  return decided == 0 ? 0 : static_cast<double>(wins) / decided;
}

std::vector<TeamRecord> Standings(const std::vector<PlayedGame>& games) {
  std::map<std::string, TeamRecord> by_team;
  const auto side = [&](const std::string& team, int scored, int allowed) {
    TeamRecord& r = by_team[team];
    r.team = team;
    r.runs_scored += scored;
    r.runs_allowed += allowed;
    (scored > allowed ? r.wins : scored < allowed ? r.losses : r.ties) += 1;
  };
  for (const PlayedGame& g : games) {
    side(g.home, g.home_runs, g.visitor_runs);
    side(g.visitor, g.visitor_runs, g.home_runs);
  }
  std::vector<TeamRecord> table;
  for (auto& [team, record] : by_team) table.push_back(record);
  std::stable_sort(table.begin(), table.end(), [](const TeamRecord& a, const TeamRecord& b) {
    return std::make_tuple(-a.Percentage(), -a.wins) < std::make_tuple(-b.Percentage(), -b.wins);
  });
  return table;
}

std::string PercentageText(double percentage) {
  std::string text = Format("%.3f", percentage);
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  return text;
}

std::string GamesBehindText(const TeamRecord& leader, const TeamRecord& team) {
  const int halves = (leader.wins - team.wins) + (team.losses - leader.losses);
  if (halves == 0) return "-";
  return halves % 2 == 0 ? std::to_string(halves / 2) : Format("%.1f", halves / 2.0);
}

std::string RecordText(const TeamRecord& record) {
  return record.ties > 0 ? Format("%d-%d-%d", record.wins, record.losses, record.ties)
                         : Format("%d-%d", record.wins, record.losses);
}

}  // namespace scorewick::site
