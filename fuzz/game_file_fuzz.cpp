// Feeds arbitrary bytes to the game file reader; what it accepts must
// encode, decode and encode again to the same bytes.
#include <cstdint>
#include <vector>

#include "records/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static scorewick::Game game;  // reused, as the loader of a game list reuses it
  game.Release();
  if (scorewick::DecodeGameFile({data, size}, game)) {
    std::vector<std::uint8_t> bytes;
    scorewick::EncodeGameFile(game, bytes);
    // Compared as bytes: a pitch speed read as NaN is stored faithfully,
    // though it never equals itself.
    scorewick::Game again;
    std::vector<std::uint8_t> bytes_again;
    if (!scorewick::DecodeGameFile(bytes, again)) __builtin_trap();
    scorewick::EncodeGameFile(again, bytes_again);
    if (bytes_again != bytes) __builtin_trap();
  }
  return 0;
}
