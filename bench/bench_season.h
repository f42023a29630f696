#pragma once
// A simulated season of game files shared by the benchmarks, and the two
// baselines they measure against: reading the files' bytes, and reading
// and decoding the games.  The games are written once into a folder under
// the temporary folder and kept for later runs (a "done" file marks a
// complete folder).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/file_io.h"
#include "records/game_file.h"
#include "sim/sample_teams.h"
#include "sim/season.h"

namespace scorewick::bench {

inline constexpr int kSeasonGames = 1000;

struct Season {
  std::vector<std::string> paths;
  std::string team;  // the second team, the one counted alone
};

// kSeasonGames games of team_count teams (the four sample teams over and
// over, renamed by club number when there are more than four) in the
// temporary folder's subfolder `name`.
inline Season MakeSeason(const std::string& name, int team_count) {
  std::vector<Team> teams;
  const std::vector<Team> sample = sim::SampleTeams();
  for (int i = 0; i < team_count; ++i) {
    Team t = sample[static_cast<std::size_t>(i % 4)];
    if (team_count > 4)
      t.team_name.set("Club " + std::to_string(i + 1) + " " + t.team_name.str().substr(0, 14));
    teams.push_back(t);
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  Season season;
  season.team = teams[1].team_name.str();
  for (int i = 0; i < kSeasonGames; ++i)
    season.paths.push_back((folder / sim::GameFileName(i)).string());
  if (std::filesystem::exists(folder / "done")) return season;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::string error;
  const auto schedule = sim::MakeSchedule(teams, kSeasonGames, scoring::LeagueRules{}, 5);
  if (!sim::WriteSeason(teams, schedule, folder.string(), &error)) {
    std::fprintf(stderr, "cannot write the season: %s\n", error.c_str());
    std::abort();
  }
  std::ofstream(folder / "done") << "ok\n";
  return season;
}

// The four sample teams' season, made on first use.
inline const Season& FourTeamSeason() {
  static const Season season = MakeSeason("scorewick-bench-season-4", 4);
  return season;
}

// Reads every file's bytes into one reused buffer, as plainly as a
// program can: open, the length, one read of it all, close.  The buffer
// only ever grows, so that no byte is written but by the read, and
// begins on a cache line, where the kernel copies into it fastest.  False
// when a file could not be read (and state says so).
inline bool ReadEveryFile(benchmark::State& state, const Season& season, ByteBuffer& buffer) {
  for (const std::string& path : season.paths) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
      state.SkipWithError("read failed");
      if (fd >= 0) ::close(fd);
      return false;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    if (buffer.size() < size) buffer.resize(size);
    const bool read = ::read(fd, buffer.data(), size) == static_cast<ssize_t>(size);
    ::close(fd);
    if (!read) {
      state.SkipWithError("read failed");
      return false;
    }
    benchmark::DoNotOptimize(buffer.data());
  }
  return true;
}

inline void ReadAllBytes(benchmark::State& state, const Season& season) {
  ByteBuffer buffer;
  for (auto _ : state) {
    if (!ReadEveryFile(state, season, buffer)) return;
  }
}

// Reads and decodes every game into one reused game: the floor under any
// use of the games.
inline void DecodeAll(benchmark::State& state, const Season& season) {
  ByteBuffer buffer;
  Game game;
  for (auto _ : state) {
    for (const std::string& path : season.paths) {
      if (!ReadWholeFile(path, buffer)) state.SkipWithError("read failed");
      if (!DecodeGameFile(buffer, game)) state.SkipWithError("decode failed");
      benchmark::DoNotOptimize(&game);
    }
  }
}

}  // namespace scorewick::bench
