#include "scoring/live_book.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "records/file_io.h"
#include "scoring/book.h"
#include "scoring/kept_book.h"
#include "scoring/new_game_book.h"
#include "support/book_games.h"
#include "support/full_game.h"
#include "support/game_dump.h"
#include "support/temp_dir.h"

namespace scorewick::sim {
namespace {

using scorewick::testing::DumpGame;
using testing::Book;
using testing::EntriesOf;
using testing::kTeams;
using testing::WordsOf;

std::string GameOf(const scoring::LiveBook& book) {
  Game game = book.game();
  game.header.year = 0;  // a book without a date is dated the day it is read
  game.header.month = game.header.day = 0;
  return DumpGame(game);
}

const char* const kBooks[] = {"bat_around",       "caught_stealing_safe",
                              "changes",          "dh_game",
                              "dropped_third",    "errors",
                              "hit_for",          "marks",
                              "nine_innings",     "pitched",
                              "relief",           "running",
                              "strikeout_relief", "tie",
                              "two_innings",      "walk_off"};

// Scored a word at a time, a pitch at a time, every book makes the game it
// makes read whole; and every word taken back leaves the game it found.
TEST(LiveBook, WordByWordMakesTheGameOfTheWholeBook) {
  for (const char* name : kBooks) {
    SCOPED_TRACE(name);
    const std::string text = kTeams + Book(name);
    scoring::LiveBook whole;
    ASSERT_TRUE(whole.Load(EntriesOf(text)));

    scoring::LiveBook live;
    std::vector<std::string> before;  // the game after each entry
    for (const std::string& word : WordsOf(text)) {
      before.push_back(GameOf(live));
      const Status added = live.Add(word);
      ASSERT_TRUE(added) << word << ": " << added.reason;
    }
    EXPECT_EQ(GameOf(live), GameOf(whole));

    // Undo, one entry at a time back to the first pitch.
    std::size_t first_play = 0;
    while (live.entries()[first_play].rfind("top 1", 0) != 0) ++first_play;
    std::vector<std::string> games;
    scoring::LiveBook step;
    for (const std::string& entry : live.entries()) {
      games.push_back(GameOf(step));
      ASSERT_TRUE(step.Add(entry));
    }
    while (live.entries().size() > first_play) {
      const std::string last = live.entries().back();
      ASSERT_TRUE(live.Undo(1)) << last;
      EXPECT_EQ(GameOf(live), games[live.entries().size()]) << "undo " << last;
    }
    EXPECT_EQ(live.Undo(1).reason, "nothing to take back: the game has not begun");
  }
}

struct Refusal {
  const char* before;  // the plays so far
  const char* word;
  const char* reason;
};

// A word the game cannot take is refused with the reason, and the game and
// its book stay as they were.
TEST(LiveBook, AWordTheGameCannotTakeChangesNothing) {
  const Refusal kRefusals[] = {
      {"", "Q7", "cannot read the result \"Q7\""},
      {"bsf\n", "1B7 2-H", "nobody is on base 2"},
      {"", "PH \"Nobody\"", "Nobody is not on the roster of Gulls"},
      {"PH \"Pat Pinch\"\nF8\n", "PH \"Cy Cole\"", "Cy Cole has already played"},
      {"2B7\n", "!B|R1|t3|c18.18 !2|t2 !P|i0", "a runner cannot pass the runner ahead of him"},
      {"F8\nF8\n1B7\n", "6-4-3DP", "the play makes more outs than the side has left"},
      {"", "6-3DP", "nobody is on base 1"},
      {"", "D12 \"Pat Pinch\"", "D12: there is no position 12 (1 pitcher to 9 right field, DH)"},
      {"", "M5 \"Pat Pinch\"", "Pat Pinch is not in the batting order of Hawks"},
      {"1B7\n", "SB3", "nobody is on base 2"},
      {"s\n", "K", "a strikeout needs strike 3"},
      {"bbbb\n", "b", "the count is full: the turn must end"},
      {"", "PR1 \"Pat Pinch\"", "nobody is on base 1 to run for"},
      {"", "!B|O8|k8z|t0 !P|i0", "cannot read the exact word \"!B|O8|k8z|t0\""},
      {"b\n", "1-3(WP)", "nobody is on base 1"},
      {"1B7\n1B8\n", "1-3(WP)", "a runner cannot pass the runner ahead of him"},
  };
  for (const Refusal& r : kRefusals) {
    SCOPED_TRACE(r.word);
    scoring::LiveBook book;
    ASSERT_TRUE(book.Load(EntriesOf(kTeams + "rules innings=2\ntop 1\n" + r.before)));
    const std::vector<std::string> entries = book.entries();
    const std::string game = GameOf(book);
    for (const std::string& entry : scoring::BookEntries(r.word)) {
      const Status added = book.Add(entry);
      if (added) continue;
      EXPECT_EQ(added.reason, r.reason);
      break;
    }
    EXPECT_EQ(GameOf(book), game);
    EXPECT_EQ(book.entries(), entries);
  }
}

// A word earlier in the game replaced, inserted or deleted: the book is
// played again; when the rest no longer fits, the correction is refused
// with the first entry that does not, and the game stays as it was.
TEST(LiveBook, CorrectionsPlayTheBookAgain) {
  // E6, FC4 1X2(4-6), b PO1(1-3) s 2B8, s HR9 (two runs), F8, then the
  // home half.
  const std::vector<std::string> entries = EntriesOf(kTeams + Book("errors"));
  const auto at = [&entries](const std::string& entry) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i] == entry) return i;
    }
    ADD_FAILURE() << entry;
    return std::size_t{0};
  };
  const auto runs = [](const scoring::LiveBook& b) { return b.game().innings[0].top.runs; };
  struct Correction {
    std::size_t first, count;
    std::vector<std::string> with;
    int runs;            // of the top of the first after it
    const char* reason;  // or "" when it fits
    std::size_t line;    // of the entry that no longer fits (1-based)
  };
  const std::size_t bottom = at("bottom 1");
  const Correction kCorrections[] = {
      {at("HR9"), 1, {"1B9"}, 0, "", 0},  // a home run that was a single
      {at("HR9"), 0, {"b"}, 2, "", 0},    // a ball missed before it
      {at("F8"), 1, {}, 0, "the half before has 2 outs, not 3", bottom},
      {at("F8"), 1, {"1B8"}, 0, "the half before has 2 outs, not 3", bottom + 1},
      {at("E6"), 1, {"F7"}, 0, "nobody is on base 1", at("FC4 1X2(4-6)") + 1},
  };
  for (const Correction& c : kCorrections) {
    SCOPED_TRACE(c.first);
    scoring::LiveBook book;
    ASSERT_TRUE(book.Load(entries));
    const std::string game = GameOf(book);
    const Status edited = book.Edit(c.first, c.count, c.with);
    if (*c.reason == '\0') {
      ASSERT_TRUE(edited) << edited.reason;
      EXPECT_EQ(runs(book), c.runs);
      EXPECT_EQ(book.entries().size(), entries.size() - c.count + c.with.size());
    } else {
      EXPECT_EQ(edited.reason, c.reason);
      EXPECT_EQ(edited.line, static_cast<int>(c.line));
      EXPECT_EQ(GameOf(book), game);
      EXPECT_EQ(book.entries(), entries);
    }
  }
}

std::string BookText(const scoring::KeptBook& kept) {
  std::string text;
  EXPECT_TRUE(ReadWholeTextFile(kept.book_path(), text, 1 << 20));
  return text;
}

// An action is kept whole or not at all, on the disk as in the game; undo
// takes back the last action (with the half it opened) and redo puts it
// back; the book on the disk is the game, whatever was taken back.
TEST(KeptBook, ActionsAreKeptWholeAndTakenBackWhole) {
  TempDir dir;
  const std::string game = (dir.path() / "g.gam").string();
  scoring::KeptBook kept(game);
  ASSERT_TRUE(kept.Begin(EntriesOf(kTeams)));
  const std::string header = BookText(kept);

  ASSERT_TRUE(kept.AddAction({"b", "s"}));
  EXPECT_EQ(BookText(kept), header + "top 1\nb\ns\n");
  EXPECT_TRUE(FileExists(game));
  // The second word cannot be taken: neither is the first.
  const Status refused = kept.AddAction({"f", "SB2"});
  EXPECT_FALSE(refused);
  EXPECT_EQ(refused.reason, "nobody is on base 1");
  EXPECT_EQ(BookText(kept), header + "top 1\nb\ns\n");
  EXPECT_EQ(kept.book().scorer()->strikes(), 1);

  ASSERT_TRUE(kept.AddAction({"1B7"}));
  ASSERT_TRUE(kept.UndoAction());
  EXPECT_TRUE(kept.CanRedo());
  ASSERT_TRUE(kept.UndoAction());  // "b s" with the "top 1" it opened
  EXPECT_EQ(BookText(kept), header);
  ASSERT_TRUE(kept.RedoAction());
  ASSERT_TRUE(kept.RedoAction());
  EXPECT_FALSE(kept.CanRedo());
  EXPECT_EQ(BookText(kept), header + "top 1\nb\ns\n1B7\n");
  // A new action ends what could be put back.
  ASSERT_TRUE(kept.UndoAction());
  ASSERT_TRUE(kept.AddAction({"6-3"}));
  EXPECT_FALSE(kept.CanRedo());

  // Opened again, the game is where it stopped.
  scoring::KeptBook again(game);
  ASSERT_TRUE(again.Begun());
  ASSERT_TRUE(again.Open({}));
  EXPECT_EQ(again.book().entries(), kept.book().entries());
  EXPECT_EQ(again.book().scorer()->outs(), 1);
}

TEST(NewGameBook, LineUpsThatCannotTakeTheField) {
  const Team team = scorewick::testing::HomeTeam();
  const auto names = [&team](std::vector<int> positions) {
    scoring::StartingLineUp l;
    for (std::size_t i = 0; i < positions.size(); ++i)
      l.batters.push_back({team.players()[i].name.str(), positions[i]});
    return l;
  };
  EXPECT_EQ(scoring::CheckLineUp(names({1, 2, 3, 4, 5, 6, 7, 8, 9}), team).reason, "");
  EXPECT_EQ(scoring::CheckLineUp(names({1, 2, 3, 4, 5, 6, 7, 8, 8}), team).reason,
            "Center Field is given twice");
  EXPECT_EQ(scoring::CheckLineUp(names({1, 2, 3, 4, 5, 6, 7, 8}), team).reason,
            "nobody plays Right Field");
  scoring::StartingLineUp dh = names({11, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(scoring::CheckLineUp(dh, team).reason,
            "a designated hitter needs a pitcher who does not bat");
  dh.pitcher = team.players()[10].name.str();
  EXPECT_EQ(scoring::CheckLineUp(dh, team).reason, "");
  dh.pitcher = team.players()[1].name.str();
  EXPECT_EQ(scoring::CheckLineUp(dh, team).reason, "Bea Diaz is in the line-up twice");
  scoring::StartingLineUp stranger = names({1, 2, 3, 4, 5, 6, 7, 8, 9});
  stranger.batters[0].name = "Nobody Here";
  EXPECT_EQ(scoring::CheckLineUp(stranger, team).reason,
            "Nobody Here is not on the roster of Harbor Hawks");
}

}  // namespace
}  // namespace scorewick::sim
