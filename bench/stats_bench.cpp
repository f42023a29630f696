// Counting statistics over 1000 game files against reading the same
// files' bytes into one reused buffer: one team of a four-team season,
// and every team of a 30-team league.  The games are simulated once into
// a folder under the temporary folder and kept for later runs.  After the
// runs, the peak memory of the counting alone is printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "stats/accumulate.h"

namespace {

constexpr int kGames = 1000;

struct Season {
  std::vector<std::string> paths;
  std::string team;  // the team counted alone
};

// Writes the season's games unless an earlier run left them.
Season MakeSeason(const std::string& name, int team_count) {
  std::vector<scorewick::Team> teams;
  const std::vector<scorewick::Team> sample = scorewick::sim::SampleTeams();
  for (int i = 0; i < team_count; ++i) {
    scorewick::Team t = sample[static_cast<std::size_t>(i % 4)];
    if (team_count > 4)
      t.team_name.set("Club " + std::to_string(i + 1) + " " + t.team_name.str().substr(0, 14));
    teams.push_back(t);
  }
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  Season season;
  season.team = teams[1].team_name.str();
  for (int i = 0; i < kGames; ++i)
    season.paths.push_back((folder / scorewick::sim::GameFileName(i)).string());
  if (std::filesystem::exists(folder / "done")) return season;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::string error;
  const auto schedule =
      scorewick::sim::MakeSchedule(teams, kGames, scorewick::sim::LeagueRules{}, 5);
  if (!scorewick::sim::WriteSeason(teams, schedule, folder.string(), &error)) {
    std::fprintf(stderr, "cannot write the season: %s\n", error.c_str());
    std::abort();
  }
  std::ofstream(folder / "done") << "ok\n";
  return season;
}

const Season& FourTeams() {
  static const Season s = MakeSeason("scorewick-bench-season-4", 4);
  return s;
}
const Season& League() {
  static const Season s = MakeSeason("scorewick-bench-season-30", 30);
  return s;
}

void ReadAll(benchmark::State& state, const Season& season) {
  std::vector<std::uint8_t> buffer;
  for (auto _ : state) {
    for (const std::string& path : season.paths) {
      if (!scorewick::ReadWholeFile(path, buffer, nullptr)) state.SkipWithError("read failed");
      benchmark::DoNotOptimize(buffer.data());
    }
  }
}

// Reading and decoding alone: the floor under any counting.
void Decode(benchmark::State& state, const Season& season) {
  std::vector<std::uint8_t> buffer;
  scorewick::Game game;
  scorewick::UserMessages messages;
  for (auto _ : state) {
    for (const std::string& path : season.paths) {
      scorewick::ReadWholeFile(path, buffer, nullptr);
      if (scorewick::DecodeGameFile(buffer, game, messages, nullptr) !=
          scorewick::GameReadResult::kOk) {
        state.SkipWithError("decode failed");
      }
      benchmark::DoNotOptimize(&game);
    }
  }
}

void Count(benchmark::State& state, const Season& season, bool all_teams) {
  for (auto _ : state) {
    scorewick::Stat stat;
    stat.team_name = season.team;
    stat.all_teams = all_teams;
    for (const std::string& path : season.paths) stat.AddGame(path);
    const scorewick::AccumulateReport report = scorewick::Accumulate(stat, 2, 2, false);
    if (!report.refusals.empty()) state.SkipWithError("a game was refused");
    benchmark::DoNotOptimize(stat.batting.data());
    state.counters["rows"] = static_cast<double>(stat.batting.size());
  }
}

void BM_ReadBytesOneTeam(benchmark::State& state) { ReadAll(state, FourTeams()); }
void BM_DecodeOneTeam(benchmark::State& state) { Decode(state, FourTeams()); }
void BM_AccumulateOneTeam(benchmark::State& state) { Count(state, FourTeams(), false); }
void BM_ReadBytesLeague(benchmark::State& state) { ReadAll(state, League()); }
void BM_AccumulateAllTeams(benchmark::State& state) { Count(state, League(), true); }
BENCHMARK(BM_ReadBytesOneTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOneTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccumulateOneTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccumulateAllTeams)->Unit(benchmark::kMillisecond);

// The peak resident memory of a process that only counts the league.
long PeakCountingMemoryKb() {
  std::ofstream("/proc/self/clear_refs") << "5";  // resets the high-water mark
  scorewick::Stat stat;
  stat.all_teams = true;
  for (const std::string& path : League().paths) stat.AddGame(path);
  scorewick::Accumulate(stat, 2, 2, false);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  FourTeams();
  League();
  const int status =
      scorewick::bench::RunWithRatios(argc, argv,
                                      {{"BM_DecodeOneTeam", "BM_ReadBytesOneTeam"},
                                       {"BM_AccumulateOneTeam", "BM_ReadBytesOneTeam"},
                                       {"BM_AccumulateAllTeams", "BM_ReadBytesLeague"}});
  std::printf("peak resident memory while counting the league: %.1f MB\n",
              PeakCountingMemoryKb() / 1024.0);
  return status;
}
