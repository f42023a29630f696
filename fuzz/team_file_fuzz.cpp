// Feeds arbitrary bytes to the team file reader, with and without the
// personal-information block, and re-encodes what it accepts.
#include <cstdint>
#include <vector>

#include "records/team_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  scorewick::Team team;
  scorewick::UserMessages messages;
  std::string error;
  if (scorewick::DecodeTeamFile(bytes, team, messages, &error) == scorewick::TeamReadResult::kOk) {
    std::vector<std::uint8_t> again = scorewick::EncodeTeamFile(team);
    if (again.size() < 714) __builtin_trap();
  }
  return 0;
}
