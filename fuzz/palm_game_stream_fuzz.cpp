// Feeds arbitrary bytes to the Palm game stream reader.  A game it accepts
// must write a stream that reads back, and writing is then stable: the
// stream of what was read back is the same stream.  (The first trip may
// change a stream: names are closed, a reference to a second player of the
// same name comes back as the first.)
#include <cstdint>
#include <vector>

#include "exchange/palm_game_stream.h"

namespace {

bool Trip(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out) {
  static scorewick::Game game;  // reused, as an import into one record would
  if (!scorewick::ReadPalmGameStream(in, game)) return false;
  if (!scorewick::WritePalmGameStream(game, out)) __builtin_trap();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> first, second;
  if (!Trip({data, size}, first)) return 0;
  if (!Trip(first, second) || second != first) __builtin_trap();
  return 0;
}
