// Feeds arbitrary bytes to the game file reader; what it accepts must
// encode and decode again to the same game.
#include <cstdint>
#include <vector>

#include "records/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static scorewick::Game game;  // reused, as the loader of a game list reuses it
  scorewick::UserMessages messages;
  std::string error;
  game.Release();
  if (scorewick::DecodeGameFile({data, size}, game, messages, &error) ==
      scorewick::GameReadResult::kOk) {
    std::vector<std::uint8_t> bytes;
    scorewick::EncodeGameFile(game, bytes);
    scorewick::Game again;
    if (scorewick::DecodeGameFile(bytes, again, messages, &error) !=
            scorewick::GameReadResult::kOk ||
        !(again == game))
      __builtin_trap();
  }
  return 0;
}
