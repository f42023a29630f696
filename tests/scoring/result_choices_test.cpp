#include "scoring/result_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "scoring/live_book.h"
#include "support/book_games.h"

namespace scorewick::sim {
namespace {

using testing::EntriesOf;
using testing::kTeams;

std::unique_ptr<scoring::LiveBook> Situation(const std::string& plays) {
  auto book = std::make_unique<scoring::LiveBook>();
  const Status loaded = book->Load(EntriesOf(kTeams + "top 1\n" + plays));
  if (!loaded) ADD_FAILURE() << loaded.reason;
  return book;
}

// The labels of the results a situation does not allow: by the rules of
// the situation alone, and then tried by the scorer too.
std::vector<std::string> Refused(const std::string& plays, bool tried) {
  const auto book = Situation(plays);
  std::vector<std::string> refused;
  for (const scoring::ResultChoice& c :
       tried ? scoring::ResultChoices(*book) : scoring::ResultChoices(*book->scorer())) {
    if (!c.why_not.empty()) refused.emplace_back(c.kind.label);
  }
  return refused;
}

TEST(ResultChoices, TheSituationDecidesWhatIsOffered) {
  const std::vector<std::string> dropped = {"Dropped 3rd, WP", "Dropped 3rd, PB", "Dropped 3rd, E2",
                                            "Dropped 3rd, out"};
  const auto with = [&dropped](std::vector<std::string> labels) {
    labels.insert(labels.end(), dropped.begin(), dropped.end());
    return labels;
  };
  struct Case {
    const char* plays;
    std::vector<std::string> refused;
  } const cases[] = {
      {"", with({"Double play", "Triple play", "Sacrifice fly", "Sacrifice bunt", "Infield fly",
                 "Fielder's choice"})},
      {"1B7\n", with({"Triple play", "Sacrifice fly", "Infield fly"})},
      {"1B7\n1B8\n", with({"Sacrifice fly"})},
      {"3B7\n", with({"Double play", "Triple play", "Infield fly"})},
      {"3B7\nF8\nF9\n",
       with({"Double play", "Triple play", "Sacrifice fly", "Sacrifice bunt", "Infield fly"})},
      {"ss\n",
       {"Double play", "Triple play", "Sacrifice fly", "Sacrifice bunt", "Infield fly",
        "Fielder's choice"}},
      {"1B7\nss\n",
       {"Triple play", "Sacrifice fly", "Infield fly", dropped[0], dropped[1], dropped[2],
        dropped[3]}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plays);
    EXPECT_EQ(Refused(c.plays, false), c.refused);
    // The scorer takes every result the situation's rules offer.
    EXPECT_EQ(Refused(c.plays, true), c.refused);
  }
  // After ball four or strike three only the walk or the strikeout is left.
  const auto full = Situation("bbbb\n");
  for (const scoring::ResultChoice& c : scoring::ResultChoices(*full->scorer()))
    EXPECT_EQ(c.why_not, "the count has ended the turn");
}

TEST(ResultChoices, TheWordOfAResultWithItsFielders) {
  const auto kind = [](const char* label) {
    const auto book = Situation("");
    for (const scoring::ResultChoice& c : scoring::ResultChoices(*book->scorer())) {
      if (c.kind.label == label) return c.kind;
    }
    ADD_FAILURE() << label;
    return scoring::ResultKind{};
  };
  struct Case {
    const char* label;
    std::vector<int> fielders;
    const char* word;
  } const cases[] = {
      {"Single", {}, "1B"},
      {"Single", {7}, "1B7"},
      {"Ground out", {6, 3}, "6-3"},
      {"Ground out", {3}, "3U"},
      {"Double play", {6, 4, 3}, "6-4-3DP"},
      {"Double play", {6}, ""},
      {"Fly out", {}, ""},
      {"Fly out", {8}, "F8"},
      {"Sacrifice bunt", {1, 3}, "SH1-3"},
      {"Error", {6}, "E6"},
      {"Interference", {}, "CI"},
      {"Dropped 3rd, out", {2, 3}, "K2-3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(scoring::ResultWord(kind(c.label), c.fielders), c.word);
  }
}

// The runner words make the play end where the person put the runners:
// what the book's defaults propose, changed, read back the same.
TEST(ResultChoices, RunnerWordsPutEveryRunnerWhereHeWasPut) {
  using scoring::RunnerEnd;
  struct Case {
    const char* before;
    const char* result;
    std::vector<RunnerEnd> chosen;
    std::vector<std::string> words;
  } const cases[] = {
      // Nothing changed: the defaults stand and nothing is written.
      {"1B7\n", "1B9", {{1, 2}, {0, 1}}, {}},
      {"1B7\n", "1B9", {{1, 3, false, {}, "T"}, {0, 1}}, {"1-3(T)"}},
      {"1B7\n", "1B9", {{1, 3, true, {9, 5}, ""}, {0, 1}}, {"1X3(9-5)"}},
      // The batter takes second: the runner ahead is written too.
      {"1B7\n", "1B9", {{1, 3}, {0, 2, false, {}, "T"}}, {"1-3", "B-2(T)"}},
      {"1B7\n2B8\n", "1B9", {{2, 4}, {3, 4}, {0, 1}}, {"2-H", "3-H"}},
      {"2B7\n", "6-3", {{2, 3}}, {"2-3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + c.result);
    const auto book = Situation(c.before);
    scoring::Play play;
    ASSERT_TRUE(book->Preview(c.result, play));
    const std::vector<RunnerEnd> proposed = scoring::RunnerEnds(*book->scorer(), play);
    const std::vector<std::string> words = scoring::RunnerWords(proposed, c.chosen);
    EXPECT_EQ(words, c.words);
    std::string all = c.result;
    for (const std::string& w : words) all += " " + w;
    scoring::Play written;
    ASSERT_TRUE(book->Preview(all, written)) << all;
    const std::vector<RunnerEnd> ends = scoring::RunnerEnds(*book->scorer(), written);
    ASSERT_EQ(ends.size(), c.chosen.size());
    for (std::size_t i = 0; i < ends.size(); ++i) {
      EXPECT_EQ(ends[i].from, c.chosen[i].from);
      EXPECT_EQ(ends[i].to, c.chosen[i].to) << "from " << ends[i].from;
      EXPECT_EQ(ends[i].out, c.chosen[i].out);
    }
    EXPECT_TRUE(book->Check({all})) << all;
  }
}

}  // namespace
}  // namespace scorewick::sim
