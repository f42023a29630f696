#include "reports/roster_text.h"

#include "records/codes.h"
#include "records/format_text.h"

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
  lines.push_back(
      Format("%-2s %-25s %-20s %-2s %-2s %-2s", "#", "Name", "Position", "BO", "BH", "TH"));
  for (const PLAYER& p : team.players()) {
    const std::int32_t batting_order = p.batting_order;
    lines.push_back(Format("%-2s %-25s %-20s %2d %-2s %-2s", UniformNumberText(p).c_str(),
                           p.name.str().c_str(), std::string(PositionName(p.position)).c_str(),
                           batting_order, std::string(BatsText(p)).c_str(),
                           std::string(ThrowsText(p)).c_str()));
  }
  return lines;
}

}  // namespace scorewick::reports
