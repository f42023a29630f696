// Loading a 75-at-bat game file (about 400 KB) against reading the same
// file's bytes into memory.  Both reuse their buffers, as a statistics run
// over many games does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "ratio_reporter.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "support/full_game.h"

namespace {

const std::string& GamePath() {
  static const std::string path = [] {
    scorewick::Game game = scorewick::testing::MakeFullGame(9, 4);
    for (int i = 0; i < 3; ++i) {
      game.innings[0].top.at_bats.push_back(game.innings[0].top.at_bats[0]);
    }
    std::string p = (std::filesystem::temp_directory_path() / "scorewick-bench-75.gam").string();
    if (!scorewick::SaveGame(p, game)) std::abort();
    std::printf("game file: %lld bytes, 75 at-bats\n",
                static_cast<long long>(scorewick::FileLength(p)));
    return p;
  }();
  return path;
}

void BM_ReadFileBytes(benchmark::State& state) {
  scorewick::ByteBuffer buffer;
  for (auto _ : state) {
    if (!scorewick::ReadWholeFile(GamePath(), buffer)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}
BENCHMARK(BM_ReadFileBytes);

void BM_LoadGame(benchmark::State& state) {
  scorewick::ByteBuffer buffer;
  scorewick::Game game;
  for (auto _ : state) {
    if (!scorewick::LoadGame(GamePath(), game, &buffer)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(&game);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}
BENCHMARK(BM_LoadGame);

void BM_LoadGameFresh(benchmark::State& state) {
  for (auto _ : state) {
    scorewick::Game game;
    if (!scorewick::LoadGame(GamePath(), game)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(&game);
  }
}
BENCHMARK(BM_LoadGameFresh);

}  // namespace

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(
      argc, argv, {{"BM_LoadGame", "BM_ReadFileBytes"}, {"BM_LoadGameFresh", "BM_ReadFileBytes"}});
}
