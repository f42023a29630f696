#include "scoring/kept_book.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/file_io.h"
#include "scoring/new_game_book.h"
#include "support/book_games.h"
#include "support/full_game.h"
#include "support/temp_dir.h"

namespace scorewick::sim {
namespace {

using testing::EntriesOf;
using testing::kTeams;

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
