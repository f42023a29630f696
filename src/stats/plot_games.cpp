#include "stats/plot_games.h"

#include <vector>

#include "records/file_io.h"
#include "records/game_file.h"

namespace scorewick {

AccumulateReport ForEachPlotGame(const BaseStatGameStruct& games,
                                 const std::function<void(const Game&)>& use) {
  AccumulateReport report;
  Game game;
  std::vector<std::uint8_t> bytes;
  UserMessages messages;
  for (const std::string& path : games.file_names()) {
    std::string error;
    if (!ReadWholeFile(path, bytes, &error)) {
      report.refusals.push_back({GameRefusal::Kind::kUnreadable, path, error});
      continue;
    }
    if (bytes.size() < 4 ||
        !(bytes[0] == 0x00 && bytes[1] == 0x03 && bytes[2] == 0 && bytes[3] == 0)) {
      report.refusals.push_back({GameRefusal::Kind::kPriorFormat, path, PriorFormatMessage(path)});
      continue;
    }
    messages.clear();
    if (DecodeGameFile(bytes, game, messages, &error) != GameReadResult::kOk) {
      report.refusals.push_back({GameRefusal::Kind::kDamaged, path, error});
      continue;
    }
    ++report.games_read;
    use(game);
  }
  return report;
}

}  // namespace scorewick
