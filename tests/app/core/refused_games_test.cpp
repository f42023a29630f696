// The message naming games an analysis could not read: a long list is cut
// so that the message still fits the screen; the games left are the rest.
#include "app/core/refused_games.h"

#include <gtest/gtest.h>

namespace scorewick::app {
namespace {

TEST(RefusedGames, LongListsEndWithHowManyMore) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 25; ++i) lines.push_back("g" + std::to_string(i));
  const std::string text = ListedLines(lines);
  EXPECT_TRUE(text.starts_with("g1\ng2\n"));
  EXPECT_TRUE(text.ends_with("\ng20\n... and 5 more"));
  lines.resize(20);
  EXPECT_TRUE(ListedLines(lines).ends_with("\ng20"));  // exactly the most: all of them
  EXPECT_EQ(ListedLines({}), "");
}

TEST(RefusedGames, MessageAndTheGamesLeft) {
  const std::vector<GameRefusal> refusals = {
      {Fault::kPriorFormat, "/s/old.gam", ""},
      {Fault::kDamaged, "/s/cut.gam", "the file ends inside its teams"}};
  EXPECT_EQ(RefusedGamesText(refusals, false),
            "These games could not be read and are left out:\n\n"
            "/s/old.gam (not in the 3.0 game format)\n/s/cut.gam (the file ends inside its teams)");
  EXPECT_TRUE(RefusedGamesText(refusals, true).starts_with("No game could be read:\n\n"));
  EXPECT_EQ(WithoutRefused({"/s/a.gam", "/s/cut.gam", "/s/b.gam", "/s/old.gam"}, refusals),
            (std::vector<std::string>{"/s/a.gam", "/s/b.gam"}));
}

}  // namespace
}  // namespace scorewick::app
