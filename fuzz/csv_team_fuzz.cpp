// Feeds arbitrary text to the comma-separated team import.
#include <cstdint>
#include <string_view>

#include "records/csv_team.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  scorewick::Team team;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (scorewick::ParseTeamCsv(text, team)) {
    scorewick::Team again;
    if (!scorewick::ParseTeamCsv(scorewick::TeamCsvText(team), again)) __builtin_trap();
  }
  return 0;
}
