// Feeds arbitrary bytes to the team file reader, with and without the
// personal-information block.  A team it accepts must encode and decode
// again to the same team.
#include <cstdint>
#include <vector>

#include "records/team_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  scorewick::Team team;
  if (scorewick::DecodeTeamFile(bytes, team)) {
    const std::vector<std::uint8_t> bytes_again = scorewick::EncodeTeamFile(team);
    scorewick::Team again;
    if (!scorewick::DecodeTeamFile(bytes_again, again) || !(again == team)) __builtin_trap();
  }
  return 0;
}
