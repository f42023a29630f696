// The statistics window over 1000 simulated games of a four-team season:
// opening it (both sides counted, the combined view built and shown, the
// first screen of the table drawn) and a change of split (both sides
// counted again), against reading the same files' bytes; and the window
// opened on every team of a 30-team league's 1000 games (its columns
// sized to some five hundred players' figures).  Wall-clock times
// are the ones a person waits for; the ratios use processor time.
//
// The simulator's headers come before any Qt header: Qt keeps some of
// their names as macros.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <cstdlib>
#include <filesystem>

#include "app/core/session.h"
#include "app/stat_table_view.h"
#include "app/stats_window.h"
#include "bench_season.h"
#include "platform/scripted_ui.h"
#include "ratio_reporter.h"

namespace {

using scorewick::bench::Season;

const Season& FourTeams() { return scorewick::bench::FourTeamSeason(); }
// Every team of a 30-team league: some five hundred players, whose
// columns the window sizes to their contents.
const Season& League() {
  static const Season s = scorewick::bench::MakeSeason("scorewick-bench-season-30", 30);
  return s;
}

scorewick::GameChoice Chosen() { return {.games = FourTeams().paths, .team = FourTeams().team}; }

scorewick::GameChoice ChosenLeague() { return {.games = League().paths, .all_teams = true}; }

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

void BM_ReadBytes(benchmark::State& state) { scorewick::bench::ReadAllBytes(state, FourTeams()); }

// Opens the window on chosen (and shows its Combined view when asked) and
// draws the first screen of the table.
void OpenWindow(benchmark::State& state, const scorewick::GameChoice& chosen, bool combined) {
  scorewick::ScriptedUi ui;
  for (auto _ : state) {
    scorewick::app::StatsWindow window(chosen, scorewick::StatRules{}, BenchSession(), ui, nullptr);
    if (!window.Open()) state.SkipWithError("the window did not open");
    if (combined) window.ShowView(scorewick::StatView::kCombined);
    const QPixmap first_screen = window.list()->viewport()->grab();
    benchmark::DoNotOptimize(first_screen.cacheKey());
    state.counters["rows"] = window.list()->model()->rowCount();
    state.PauseTiming();
    window.reject();
    state.ResumeTiming();
  }
}

void BM_OpenWindow(benchmark::State& state) { OpenWindow(state, Chosen(), true); }

void BM_ReadBytesLeague(benchmark::State& state) {
  scorewick::bench::ReadAllBytes(state, League());
}

void BM_OpenWindowLeague(benchmark::State& state) { OpenWindow(state, ChosenLeague(), false); }

void BM_SplitChange(benchmark::State& state) {
  scorewick::ScriptedUi ui;
  scorewick::app::StatsWindow window(Chosen(), scorewick::StatRules{}, BenchSession(), ui, nullptr);
  if (!window.Open()) state.SkipWithError("the window did not open");
  window.ShowView(scorewick::StatView::kCombined);
  scorewick::Split split = scorewick::Split::kRight;
  for (auto _ : state) {
    window.SetSplit(split);
    const QPixmap first_screen = window.list()->viewport()->grab();
    benchmark::DoNotOptimize(first_screen.cacheKey());
    split = split == scorewick::Split::kRight ? scorewick::Split::kAll : scorewick::Split::kRight;
  }
  window.reject();
}

BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SplitChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesLeague)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenWindowLeague)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  FourTeams();
  League();
  return scorewick::bench::RunWithRatios(
      argc, argv,
      {{"BM_OpenWindow/real_time", "BM_ReadBytes/real_time"},
       {"BM_SplitChange/real_time", "BM_ReadBytes/real_time"},
       {"BM_OpenWindowLeague/real_time", "BM_ReadBytesLeague/real_time"}});
}
