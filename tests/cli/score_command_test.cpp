// scorewick score: a game scored word by word, kept in its book on the
// disk; and scorewick book, the book of any game.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "records/game_file.h"
#include "scoring/book.h"
#include "scoring/live_book.h"
#include "support/book_games.h"
#include "support/game_dump.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::cli {
namespace {

using sim::testing::Book;
using sim::testing::kTeams;
using sim::testing::WordsOf;
using testing::CliResult;
using testing::ReadText;

std::string Joined(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += words[i] + "\n";
  return text;
}

// scorewick score g.gam in folder, its words on standard input.
CliResult ScoreIn(const TempDir& folder, const std::string& input,
                  std::vector<std::string> args = {"score", "g.gam"}) {
  const std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  CliResult result = testing::RunCli(std::move(args), &input);
  std::filesystem::current_path(old);
  return result;
}

std::string GameIn(const TempDir& folder) {
  Game game;
  const Status loaded = LoadGame(folder.Path("g.gam"), game);
  EXPECT_TRUE(loaded) << loaded.reason;
  game.file_path.set("");
  game.ComputeRunTotals();  // the score is the innings', not kept in the file
  return testing::DumpGame(game);
}

// A short game: the two teams, then an error, a fielder's choice, a
// pick-off, a double, a home run, and the home side's half.
const std::string kText = kTeams + Book("errors");

// Piped in whole, a book makes the game the book reader makes of it, and
// is kept as its entries.
TEST(ScoreCommand, ABookPipedInMakesTheGameOfTheBook) {
  TempDir folder;
  const CliResult r = ScoreIn(folder, kText);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Final: Gulls 2, Hawks 0. W Ike Ives, L Rex Roe"), std::string::npos)
      << r.out;
  Game compiled;
  ASSERT_TRUE(scoring::CompileScorebook(kText, compiled).ok);
  compiled.file_path.set("");
  EXPECT_EQ(GameIn(folder), testing::DumpGame(compiled));
  scoring::LiveBook live;
  ASSERT_TRUE(live.Load(sim::testing::EntriesOf(kText)));
  EXPECT_EQ(ReadText(folder.Path("g.book")), Joined(live.entries(), 0, live.entries().size()));
}

// Killed (kill -9) after any word, scored on from where its book ends, the
// game comes out as if it had never stopped.
TEST(ScoreCommand, KilledAfterAnyWordItGoesOnWhereItsBookEnds) {
  const std::vector<std::string> words = WordsOf(kText);
  TempDir whole;
  ASSERT_EQ(ScoreIn(whole, Joined(words, 0, words.size())).code, 0);
  const std::string game = GameIn(whole);
  const std::string book = ReadText(whole.Path("g.book"));
  // The length of the book after each word.
  std::vector<std::size_t> lengths;
  {
    scoring::LiveBook live;
    for (const std::string& w : words) {
      ASSERT_TRUE(live.Add(w)) << w;
      lengths.push_back(Joined(live.entries(), 0, live.entries().size()).size());
    }
  }
  for (std::size_t k = 1; k < words.size(); ++k) {
    SCOPED_TRACE("killed after word " + std::to_string(k) + ": " + words[k - 1]);
    TempDir folder;
    int in[2];
    ASSERT_EQ(::pipe(in), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::dup2(in[0], STDIN_FILENO);
      ::close(in[0]);
      ::close(in[1]);
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
      if (::chdir(folder.path().c_str()) == 0)
        ::execl(SCOREWICK_PROGRAM, "scorewick", "score", "g.gam", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(in[0]);
    bool answered = true;
    for (std::size_t i = 0; i < k && answered; ++i) {
      const std::string line = words[i] + "\n";
      answered = ::write(in[1], line.data(), line.size()) == static_cast<ssize_t>(line.size());
      // The word is on the disk before it is answered.
      const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      std::error_code missing;
      while (answered && std::filesystem::file_size(folder.Path("g.book"), missing) != lengths[i]) {
        answered = std::chrono::steady_clock::now() < until;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(in[1]);
    ASSERT_TRUE(answered) << "the book did not grow to its length";

    const CliResult r = ScoreIn(folder, Joined(words, k, words.size()));
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(GameIn(folder), game);
    EXPECT_EQ(ReadText(folder.Path("g.book")), book);
  }
}

// A book on the disk that cannot be read as it stands: a line damaged in
// its middle is named and nothing is written; a last line cut short as it
// was written (the power went) was never answered and is left out.
TEST(ScoreCommand, ADamagedBookIsNamedByItsLine) {
  const std::vector<std::string> entries = sim::testing::EntriesOf(kText);
  const std::size_t plays = 27;  // "top 1" is entry 27
  ASSERT_EQ(entries[plays - 1], "top 1");
  {
    TempDir folder;
    std::vector<std::string> damaged = entries;
    damaged[plays + 1] = "Q7";
    const std::string text = Joined(damaged, 0, damaged.size());
    std::ofstream(folder.Path("g.book")) << text;
    const CliResult r = ScoreIn(folder, "");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("g.book, line 29: cannot read the result \"Q7\""), std::string::npos)
        << r.err;
    EXPECT_EQ(ReadText(folder.Path("g.book")), text);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("g.gam")));
  }
  {
    TempDir folder;
    const std::string whole = Joined(entries, 0, plays + 2);
    std::ofstream(folder.Path("g.book")) << whole << "b PO1(1";
    const CliResult r = ScoreIn(folder, "");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("was cut short as it was written; it is left out: b PO1(1"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(ReadText(folder.Path("g.book")), whole);
  }
}

// A word that cannot be put on the disk (the disk is full) is not kept:
// the book is as it was, and the word can be scored again.
TEST(ScoreCommand, AWordTheDiskCannotTakeIsNotKept) {
  const std::vector<std::string> words = WordsOf(kText);
  const std::size_t half = words.size() / 2;
  TempDir folder;
  ASSERT_EQ(ScoreIn(folder, Joined(words, 0, half)).code, 0);
  const std::string book = ReadText(folder.Path("g.book"));
  {
    FileSizeLimit full(book.size());
    const CliResult r = ScoreIn(folder, words[half] + "\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("; the last word is not kept"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadText(folder.Path("g.book")), book);
  ASSERT_EQ(ScoreIn(folder, Joined(words, half, words.size())).code, 0);
  TempDir whole;
  ASSERT_EQ(ScoreIn(whole, Joined(words, 0, words.size())).code, 0);
  EXPECT_EQ(GameIn(folder), GameIn(whole));
}

// A game scored elsewhere, without a book, is scored on from the game
// itself: its book is written first.
TEST(ScoreCommand, AGameWithoutABookIsScoredOnFromTheGame) {
  const std::vector<std::string> words = WordsOf(kText);
  std::size_t bottom = 0;
  while (words[bottom] != "bottom 1") ++bottom;
  Game first_half;
  ASSERT_TRUE(scoring::CompileScorebook(Joined(words, 0, bottom), first_half).ok);
  TempDir folder;
  std::vector<std::uint8_t> bytes;
  EncodeGameFile(first_half, bytes);
  std::ofstream(folder.Path("g.gam"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  const CliResult r = ScoreIn(folder, Joined(words, bottom, words.size()));
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(folder.Path("g.book")));
  TempDir whole;
  ASSERT_EQ(ScoreIn(whole, Joined(words, 0, words.size())).code, 0);
  EXPECT_EQ(GameIn(folder), GameIn(whole));
}

}  // namespace
}  // namespace scorewick::cli
