#include "gui/support/stat_games.h"

#include <cstdio>
#include <cstdlib>

#include "records/file_io.h"
#include "records/game_file.h"
#include "sim/sample_teams.h"
#include "support/sample_games.h"

// The simulator's headers use names Qt keeps as macros: no Qt here.

namespace scorewick::testing {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& error) {
  std::fprintf(stderr, "%s: %s\n", what.c_str(), error.c_str());
  std::abort();
}

}  // namespace

std::vector<std::string> WriteSampleGames(const std::string& folder, int count, unsigned seed) {
  std::vector<std::string> paths = WriteSampleSeason(folder, count, seed);
  if (paths.empty()) Fail("cannot write the season", folder);
  return paths;
}

std::string SampleTeamName() { return sim::SampleTeams()[0].team_name.str(); }

void WriteRetitledGame(const std::string& source, const std::string& path, const std::string& home,
                       const std::string& visitors) {
  std::vector<std::uint8_t> bytes;
  Game game;
  if (Status read = ReadWholeFile(source, bytes); !read) Fail("cannot read " + source, read.reason);
  if (Status decoded = DecodeGameFile(bytes, game); !decoded) {
    Fail("cannot read " + source, decoded.reason);
  }
  game.header.list_names[0].set(home);
  game.header.list_names[1].set(visitors);
  if (const Status saved = SaveGame(path, game); !saved.ok)
    Fail("cannot write " + path, saved.reason);
}

}  // namespace scorewick::testing
