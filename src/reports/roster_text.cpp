#include "reports/roster_text.h"

#include <cstdio>

#include "records/codes.h"

namespace scorewick::reports {

std::string UniformNumberText(const PLAYER& player) {
  return player.uniform_number == -1 ? std::string("00") : std::to_string(player.uniform_number);
}

std::string_view BatsText(const PLAYER& player) {
  if (player.bats == 0) return "LH";
  if (player.bats == 1) return "RH";
  return "SH";
}

std::string_view ThrowsText(const PLAYER& player) { return player.throws_right == 1 ? "RH" : "LH"; }

std::vector<std::string> RosterPrintLines(const Team& team) {
  std::vector<std::string> lines;
  lines.push_back("Manager: " + team.manager.str());
  lines.push_back("Coach: " + team.coach.str());
  lines.emplace_back();
  char line[160];
  std::snprintf(line, sizeof line, "%-2s %-25s %-20s %-2s %-2s %-2s", "#", "Name", "Position", "BO",
                "BH", "TH");
  lines.emplace_back(line);
  for (const PLAYER& p : team.players()) {
    std::snprintf(line, sizeof line, "%-2s %-25s %-20s %2d %-2s %-2s", UniformNumberText(p).c_str(),
                  p.name.str().c_str(), std::string(PositionName(p.position)).c_str(),
                  p.batting_order, std::string(BatsText(p)).c_str(),
                  std::string(ThrowsText(p)).c_str());
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace scorewick::reports
