// Exporting twenty clubs' 2019 home seasons to Retrosheet's files (1,620
// game files, imported from Retrosheet beforehand) against reading the same
// game files' bytes and writing the same event, roster and team files'
// bytes, made durable together as the export makes them (each written
// whole beside its target, one sync, then the renames), in wall-clock
// time.  Also the export with nothing written (the games read, written as
// records and checked), to show where the time goes.
// Run with --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// for the medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "intake/game_headline.h"
#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_export.h"
#include "interop/retrosheet_import.h"
#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "written_files.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGames = 1620;

using scorewick::bench::EmptyFolder;
using scorewick::bench::WrittenFiles;

// The game files: the season imported once.
const std::vector<std::string>& Games() {
  static const std::vector<std::string> games = [] {
    std::vector<std::string> events;
    for (const auto& entry : fs::directory_iterator(SCOREWICK_RETROSHEET_DATA)) {
      const std::string name = entry.path().filename().string();
      if (name.size() == 11 && name.rfind("2019", 0) == 0) events.push_back(entry.path().string());
    }
    std::sort(events.begin(), events.end());
    const std::string folder = EmptyFolder("scorewick-bench-export-games");
    const scorewick::interop::ImportSummary s =
        scorewick::interop::ImportRetrosheet({events, folder, true});
    if (s.RefusedAny() || s.games_written.size() != kGames) std::abort();
    return s.games_written;
  }();
  return games;
}

// The files an export writes, as bytes, from one export done beforehand.
const WrittenFiles& Written() {
  static const WrittenFiles output = [] {
    const std::string folder = EmptyFolder("scorewick-bench-export-once");
    const scorewick::interop::ExportSummary s =
        scorewick::interop::ExportRetrosheet({Games(), folder, true});
    if (s.RefusedAny() || s.games_written != kGames) std::abort();
    const WrittenFiles o = scorewick::bench::ReadWritten(s.files_written);
    std::printf("export: %d games in %zu files, %zu bytes written\n", s.games_written,
                s.files_written.size(), o.total);
    return o;
  }();
  return output;
}

void BM_ReadGamesWriteFiles(benchmark::State& state) {
  const WrittenFiles& out = Written();
  const std::string folder = EmptyFolder("scorewick-bench-export-bytes");
  scorewick::ByteBuffer buffer;
  for (auto _ : state) {
    for (const std::string& g : Games()) {
      if (!scorewick::ReadWholeFile(g, buffer)) state.SkipWithError("read failed");
      benchmark::DoNotOptimize(buffer.data());
    }
    if (!scorewick::bench::WriteDurably(out, folder)) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.total));
}

void BM_Export(benchmark::State& state) {
  Written();
  const std::string folder = EmptyFolder("scorewick-bench-export");
  for (auto _ : state) {
    const scorewick::interop::ExportSummary s =
        scorewick::interop::ExportRetrosheet({Games(), folder, true});
    if (s.games_written != kGames) state.SkipWithError("a game was not written");
  }
}

// The games read and written as records, nothing kept.
void BM_WriteRecordsOnly(benchmark::State& state) {
  Written();
  std::vector<scorewick::GameHeadline> headlines;
  for (const std::string& g : Games()) {
    if (!scorewick::ReadGameHeadline(g, headlines.emplace_back())) std::abort();
  }
  scorewick::Game game;
  scorewick::ByteBuffer scratch;
  for (auto _ : state) {
    scorewick::interop::RetrosheetEventFiles events(headlines);
    for (std::size_t i : events.order()) {
      game.Release();
      if (!scorewick::LoadGame(Games()[i], game, &scratch)) state.SkipWithError("read failed");
      scorewick::interop::ExportedGame out;
      if (!events.Add(i, game, out)) state.SkipWithError("a game was refused");
    }
    benchmark::DoNotOptimize(events.Files());
  }
}

// The games read and decoded, nothing else.
void BM_LoadOnly(benchmark::State& state) {
  Written();
  scorewick::Game game;
  scorewick::ByteBuffer scratch;
  for (auto _ : state) {
    for (const std::string& g : Games()) {
      game.Release();
      if (!scorewick::LoadGame(g, game, &scratch)) state.SkipWithError("read failed");
    }
  }
}

BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadGamesWriteFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteRecordsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(
      argc, argv,
      {{"BM_Export", "BM_ReadGamesWriteFiles"}, {"BM_WriteRecordsOnly", "BM_ReadGamesWriteFiles"}});
}
