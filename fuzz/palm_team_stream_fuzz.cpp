// Feeds arbitrary bytes to the Palm team stream reader.  A team it accepts
// must write a stream that reads back, and writing is then stable: the
// stream of what was read back is the same stream.  (The first trip may
// change a stream: names are closed at 24 characters.)
#include <cstdint>
#include <vector>

#include "exchange/palm_team_stream.h"

namespace {

bool Trip(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out) {
  scorewick::Team team;
  if (!scorewick::DecodePalmTeamStream(in, team)) return false;
  if (!scorewick::EncodePalmTeamStream(team, out)) __builtin_trap();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> first, second;
  if (!Trip({data, size}, first)) return 0;
  if (!Trip(first, second) || second != first) __builtin_trap();
  return 0;
}
