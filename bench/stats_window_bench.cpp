// The statistics window over 1000 simulated games of a four-team season:
// opening it (both sides counted, the combined view built and shown, the
// first screen of the table drawn) and a change of split (both sides
// counted again), against reading the same files' bytes.  Wall-clock times
// are the ones a person waits for; the ratios use processor time.
//
// The simulator's headers come before any Qt header: Qt keeps some of
// their names as macros.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/core/session.h"
#include "app/stats_window.h"
#include "platform/scripted_ui.h"
#include "ratio_reporter.h"
#include "records/file_io.h"
#include "sim/sample_teams.h"
#include "sim/season.h"

namespace {

constexpr int kGames = 1000;

struct Season {
  std::vector<std::string> paths;
  std::string team;
};

// The season's games, written once into the temporary folder and kept.
const Season& FourTeams() {
  static const Season season = [] {
    const std::vector<scorewick::Team> teams = scorewick::sim::SampleTeams();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "scorewick-bench-window-4";
    Season s;
    s.team = teams[1].team_name.str();
    for (int i = 0; i < kGames; ++i)
      s.paths.push_back((folder / scorewick::sim::GameFileName(i)).string());
    if (std::filesystem::exists(folder / "done")) return s;
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
    return s;
  }();
  return season;
}

scorewick::Stat Chosen() {
  scorewick::Stat stat;
  stat.team_name = FourTeams().team;
  for (const std::string& path : FourTeams().paths) stat.AddGame(path);
  return stat;
}

scorewick::app::Session& BenchSession() {
  static scorewick::app::Session session = [] {
    scorewick::app::Session s;
    s.start_folder =
        (std::filesystem::temp_directory_path() / "scorewick-bench-window-start").string();
    std::filesystem::create_directories(s.start_folder);
    return s;
  }();
  return session;
}

void BM_ReadBytes(benchmark::State& state) {
  std::vector<std::uint8_t> buffer;
  for (auto _ : state) {
    for (const std::string& path : FourTeams().paths) {
      if (!scorewick::ReadWholeFile(path, buffer, nullptr)) state.SkipWithError("read failed");
      benchmark::DoNotOptimize(buffer.data());
    }
  }
}

void BM_OpenWindow(benchmark::State& state) {
  scorewick::ScriptedUi ui;
  const scorewick::Stat chosen = Chosen();
  for (auto _ : state) {
    scorewick::app::StatsWindow window(chosen, BenchSession(), ui, nullptr);
    if (!window.Open()) state.SkipWithError("the window did not open");
    window.ShowView(scorewick::StatView::kCombined);
    const QPixmap first_screen = window.list()->viewport()->grab();
    benchmark::DoNotOptimize(first_screen.cacheKey());
    state.counters["rows"] = window.list()->model()->rowCount();
    state.PauseTiming();
    window.reject();
    state.ResumeTiming();
  }
}

void BM_SplitChange(benchmark::State& state) {
  scorewick::ScriptedUi ui;
  scorewick::app::StatsWindow window(Chosen(), BenchSession(), ui, nullptr);
  if (!window.Open()) state.SkipWithError("the window did not open");
  window.ShowView(scorewick::StatView::kCombined);
  int split = scorewick::kSplitRight;
  for (auto _ : state) {
    window.SetSplit(split);
    const QPixmap first_screen = window.list()->viewport()->grab();
    benchmark::DoNotOptimize(first_screen.cacheKey());
    split = split == scorewick::kSplitRight ? scorewick::kSplitAll : scorewick::kSplitRight;
  }
  window.reject();
}

BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SplitChange)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  FourTeams();
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_OpenWindow/real_time", "BM_ReadBytes/real_time"},
                                          {"BM_SplitChange/real_time", "BM_ReadBytes/real_time"}});
}
