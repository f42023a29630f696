// Feeds arbitrary text to the comma-separated team import.  A team it
// accepts must write a text that reads back to the same team.
#include <cstdint>
#include <string_view>

#include "records/csv_team.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  scorewick::Team team;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (scorewick::ParseTeamCsv(text, team)) {
    scorewick::Team again;
    if (!scorewick::ParseTeamCsv(scorewick::TeamCsvText(team), again) || !(again == team))
      __builtin_trap();
  }
  return 0;
}
