// A word scored late in a nine-inning game, answered as the scorer answers
// it (the word on the disk, the game file written whole, the situation
// told), against reading that game's file.  The book and the game are in a
// folder of the temporary files' disk, which waits for the word as any
// disk does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command.h"
#include "cli/scoring_session.h"
#include "platform/console_ui.h"
#include "ratio_reporter.h"
#include "records/game_file.h"
#include "support/book_games.h"

namespace {

namespace fs = std::filesystem;

// The folder of the game: its book up to the last half-inning, the batter
// then at two strikes, so that every foul ball is one more word.
const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / "scorewick-bench-score";
    fs::remove_all(f);
    fs::create_directories(f);
    const std::vector<std::string> entries = scorewick::sim::testing::EntriesOf(
        scorewick::sim::testing::kTeams + scorewick::sim::testing::Book("nine_innings"));
    std::size_t last_half = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].rfind("top ", 0) == 0 || entries[i].rfind("bottom ", 0) == 0) last_half = i;
    }
    std::ofstream book(f / "g.book");
    for (std::size_t i = 0; i <= last_half; ++i) book << entries[i] << "\n";
    book << "ss\n";
    return f;
  }();
  return folder;
}

scorewick::cli::ScoreOptions Options() {
  scorewick::cli::ScoreOptions options;
  options.game = (Folder() / "g.gam").string();
  return options;
}

struct Session {
  scorewick::cli::ScoreOptions options = Options();
  std::ostringstream out, err;
  scorewick::ConsoleUi ui{err};
  scorewick::cli::CommandContext ctx{ui, out, err};
  scorewick::cli::ScoringSession session{options, ctx};
  Session() {
    if (!session.Start()) std::abort();
  }
};

void BM_ReadGameFile(benchmark::State& state) {
  { Session made; }  // the game file, written from its book
  scorewick::ByteBuffer buffer;
  scorewick::Game game;
  const std::string path = (Folder() / "g.gam").string();
  for (auto _ : state) {
    if (!scorewick::LoadGame(path, game, &buffer)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(&game);
  }
}
BENCHMARK(BM_ReadGameFile)->UseRealTime();

// A foul ball with two strikes, answered; every eight the fouls are taken
// back (not timed), as the batter's box holds only so many pitches.
void BM_AnswerWord(benchmark::State& state) {
  Session s;
  int fouls = 0;
  for (auto _ : state) {
    s.session.Answer("f");
    if (++fouls == 8) {
      state.PauseTiming();
      s.session.Answer("undo 8");
      fouls = 0;
      state.ResumeTiming();
    }
  }
  if (!s.err.str().empty()) state.SkipWithError(s.err.str().c_str());
}
BENCHMARK(BM_AnswerWord)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // The target: a word answered in at most 20 times the reading of the game.
  return scorewick::bench::RunWithRatios(argc, argv, {{"BM_AnswerWord", "BM_ReadGameFile"}});
}
