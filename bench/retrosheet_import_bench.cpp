// Importing twenty clubs' 2019 home seasons from Retrosheet (1,620 games,
// twenty event files with their roster and team files) against reading the
// same event files' bytes and writing the same game and team files' bytes,
// made durable together as the import makes them (each written whole
// beside its target, one sync, then the renames), in wall-clock time: the
// sync is time spent waiting, not computing.  Also the same bytes written
// plainly with no sync, and the scoring alone (read, scored, encoded,
// nothing written), to show where the time goes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "interop/retrosheet_import.h"
#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "written_files.h"

namespace {

namespace fs = std::filesystem;

constexpr int kGames = 1620;

const std::vector<std::string>& EventFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(SCOREWICK_RETROSHEET_DATA)) {
      const std::string name = entry.path().filename().string();
      if (name.size() == 11 && name.rfind("2019", 0) == 0) found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }();
  return files;
}

using scorewick::bench::EmptyFolder;
using scorewick::bench::WrittenFiles;

// The files an import writes, as bytes, from one import done beforehand.
const WrittenFiles& Written() {
  static const WrittenFiles output = [] {
    const std::string folder = EmptyFolder("scorewick-bench-retrosheet-once");
    const scorewick::interop::ImportSummary s =
        scorewick::interop::ImportRetrosheet({EventFiles(), folder, true});
    if (s.RefusedAny()) std::abort();
    std::vector<std::string> paths = s.games_written;
    paths.insert(paths.end(), s.teams_written.begin(), s.teams_written.end());
    const WrittenFiles o = scorewick::bench::ReadWritten(paths);
    std::printf("import: %zu games and %zu team files, %zu bytes written\n", s.games_written.size(),
                s.teams_written.size(), o.total);
    return o;
  }();
  return output;
}

void ReadEvents(benchmark::State& state, std::vector<std::uint8_t>& buffer) {
  for (const std::string& f : EventFiles()) {
    if (!scorewick::ReadWholeFile(f, buffer)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(buffer.data());
  }
}

void BM_ReadEventsWriteGames(benchmark::State& state) {
  const WrittenFiles& out = Written();
  const std::string folder = EmptyFolder("scorewick-bench-retrosheet-bytes");
  std::vector<std::uint8_t> buffer;
  for (auto _ : state) {
    ReadEvents(state, buffer);
    if (!scorewick::bench::WriteDurably(out, folder)) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.total));
}

// The same bytes written into plain files, nothing synced.
void BM_ReadEventsWriteGamesUnsynced(benchmark::State& state) {
  const WrittenFiles& out = Written();
  const std::string folder = EmptyFolder("scorewick-bench-retrosheet-plain");
  std::vector<std::uint8_t> buffer;
  for (auto _ : state) {
    ReadEvents(state, buffer);
    for (std::size_t i = 0; i < out.names.size(); ++i) {
      std::ofstream file(folder + "/" + out.names[i], std::ios::binary);
      file.write(reinterpret_cast<const char*>(out.bytes[i].data()),
                 static_cast<std::streamsize>(out.bytes[i].size()));
      if (!file) state.SkipWithError("write failed");
    }
  }
}

void BM_Import(benchmark::State& state) {
  Written();
  const std::string folder = EmptyFolder("scorewick-bench-retrosheet-import");
  for (auto _ : state) {
    const scorewick::interop::ImportSummary s =
        scorewick::interop::ImportRetrosheet({EventFiles(), folder, true});
    if (s.games_written.size() != kGames) state.SkipWithError("a game was not written");
  }
}

void BM_ScoreOnly(benchmark::State& state) {
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    const auto read = scorewick::interop::ReadRetrosheetGames(
        EventFiles(), [&](const scorewick::interop::ScoredGame& g) {
          scorewick::EncodeGameFile(g.game, bytes);
          benchmark::DoNotOptimize(bytes.data());
          return scorewick::interop::Taken{};
        });
    if (read.games_taken != kGames) state.SkipWithError("a game was refused");
  }
}

BENCHMARK(BM_ReadEventsWriteGames)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadEventsWriteGamesUnsynced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScoreOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_Import", "BM_ReadEventsWriteGames"},
                                          {"BM_Import", "BM_ReadEventsWriteGamesUnsynced"},
                                          {"BM_ScoreOnly", "BM_ReadEventsWriteGames"}});
}
