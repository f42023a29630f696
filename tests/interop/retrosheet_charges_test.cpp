// Who is charged with what, as the official scorer charges it, on short
// hand-typed event files counted by the statistics engine: the pitcher on
// the mound takes the outs made on the bases, a wild pitch that moves two
// runners is one, a batter safe on a fielder's choice is faced by the
// pitcher who threw to him, an inherited runner's charge passes back when
// he is forced out, a steal stays with the runner who made it, a throw that
// ends in an error is an assist and a rundown gives each fielder one, a
// pitcher who leaves before facing a batter keeps his line, and a decision
// goes to the club the pitcher took it for.  The Gulls bat; Ida Irwin
// pitches for the Hawks until Lee Lane relieves her.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "retro_book.h"
#include "scoring/consistency.h"
#include "stats/accumulate.h"
#include "support/data_file.h"
#include "support/stat_cells.h"

namespace scorewick::interop::testing {
namespace {

using scorewick::testing::CellsRow;

constexpr StatTable kB = StatTable::kBatting, kP = StatTable::kPitching, kF = StatTable::kFielding;
// Lee Lane relieves Ida Irwin before the Gulls' batter `due` comes up.
std::string Relief(const std::string& due = "g2") {
  return "play,1,0," + due + ",??,,NP\nsub,h12,\"Lee Lane\",1,9,1\n";
}

Stat Counted(const std::string& plays, const std::string& team) {
  Game game;
  EXPECT_EQ(BuildBook(plays, game), "") << plays;
  Stat stat;
  stat.team_name = team;
  Accumulate(stat, game, Split::kAll, Split::kAll, false);
  return stat;
}

void ExpectRowsIn(const Game& game, std::initializer_list<CellsRow> rows) {
  Stat stat;
  stat.team_name = "Harbor Hawks";
  Accumulate(stat, game, Split::kAll, Split::kAll, false);
  scorewick::testing::ExpectRows(stat, rows);
}

struct Case {
  const char* what;
  std::string plays;
  const char* team;
  std::vector<CellsRow> rows;
};

TEST(RetrosheetCharges, EachIsTheOfficialScorers) {
  const Case cases[] = {
      {"the runner Irwin put on is caught stealing after she left: Lane's out",
       "g1 X S8\n" + Relief() + "g2 C CS2(26)\ng2 C.X 63/G\ng3 K",
       "Harbor Hawks",
       {{kP, "Ida Irwin", "BF 1, IP 0.00"}, {kP, "Lee Lane", "BF 2, IP 1.00"}}},
      {"a wild pitch that moves two runners is one",
       "g1 X S8\ng2 X S8.1-2\ng3 B WP.2-3;1-2\ng3 B.X 63/G\ng4 K\ng5 K",
       "Harbor Hawks",
       {{kP, "Ida Irwin", "WP 1"}}},
      {"safe on a force play, the batter is faced by Lane, and his run is Irwin's",
       std::string("g1 X S8\n") + Relief() + "g2 X 64(1)/FO\ng3 X D7.1-H\ng4 K\ng5 K",
       "Harbor Hawks",
       {{kP, "Ida Irwin", "BF 1, R 1"}, {kP, "Lee Lane", "BF 4, R 0, IP 1.00"}}},
      {"Irwin's runner forced at third: the runner behind him takes her charge",
       "g1 X S8\n" + Relief() + "g2 X S8.1-2\ng3 X 5(2)/FO.1-2;B-1\ng4 X S8.2-H;1-2\ng5 K\ng6 K",
       "Harbor Hawks",
       {{kP, "Ida Irwin", "R 1"}, {kP, "Lee Lane", "R 0"}}},
      {"Lane comes in at 2-0 and walks the batter intentionally: Irwin's walk",
       "g1 BB NP\nsub,h12,\"Lee Lane\",1,9,1\ng1 BB.VV IW\ng2 K\ng3 K\ng4 K",
       "Harbor Hawks",
       {{kP, "Ida Irwin", "BB 1, BF 1"}, {kP, "Lee Lane", "BB 0, BF 3"}}},
      {"a steal before the pinch runner came in is the runner's own",
       "g1 X S8\ng2 B SB2\nplay,1,0,g2,??,,NP\nsub,g10,\"Jo Juniper\",0,1,12\n"
       "g2 B.X 63/G.2-3\ng3 K\ng4 K",
       "Gull Bay Gulls",
       {{kB, "Al Ash", "SB 1"}, {kB, "Jo Juniper", "SB 0"}}},
      {"safe on an error, the batter drives in only the runner from third",
       "g1 X S8\ng2 X D7.1-3\ng3 X E5/G.3-H;2-H;B-1\ng4 K\ng5 K\ng6 K",
       "Gull Bay Gulls",
       {{kB, "Cy Cedar", "RBI 1"}}},
      {"a throw that ends in an error is an assist; a rundown gives each fielder one",
       "g1 X 5E3/G\ng2 1 POCS2(13162)\ng2 1.X 63/G\ng3 K",
       "Harbor Hawks",
       {{kF, "Dan Dale", "A 1", kPosThird},
        {kF, "Ida Irwin", "A 1", kPosPitcher},
        {kF, "Cal Cole", "A 1, PO 1", kPosFirst}}},
      {"a pitcher who comes in and leaves before facing a batter has his line",
       "g1 K\ng2 K\ng3 K\nplay,1,1,h1,??,,NP\nsub,g12,\"Lou Larch\",0,9,1\n"
       "play,1,1,h1,??,,NP\nsub,g11,\"Kit Kapok\",0,9,1\nh1 K\nh2 K\nh3 K",
       "Gull Bay Gulls",
       {{kP, "Lou Larch", "BF 0, IP 0.00"}, {kP, "Kit Kapok", "BF 3, IP 1.00"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    scorewick::testing::ExpectRowsIn(Counted(c.plays, c.team), c.rows);
  }
}

// A game of an earlier version does not say who was on the mound when a
// runner was put out or moved: the pitcher who faced him is charged, as
// then, and a wild pitch is counted for each runner it moved.
TEST(RetrosheetCharges, AnOlderGameKeepsTheOldReading) {
  Game game;
  ASSERT_EQ(BuildBook("g1 X S8\ng2 X S8.1-2\n" + Relief("g3") +
                          "g3 B WP.2-3;1-2\ng3 B.C CS3(25)\ng3 B.C.X 63/G\ng4 K",
                      game),
            "");
  ExpectRowsIn(game, {{kP, "Ida Irwin", "WP 0, IP 0.00"}, {kP, "Lee Lane", "WP 1, IP 1.00"}});
  for (INNING& inning : game.innings) {
    for (AT_BAT& ab : inning.top.at_bats) {
      for (PITCH& p : ab.pitches) p.detail.pitcher.entry_value = 0;
    }
  }
  ExpectRowsIn(game, {{kP, "Ida Irwin", "WP 2, IP 0.33"}, {kP, "Lee Lane", "WP 0, IP 0.67"}});
}

// A pitcher who changed clubs: his win for one and his loss for the other,
// counted over both games at once, stay each on his club's row.
TEST(RetrosheetCharges, ADecisionIsTheClubsThePitcherTookItFor) {
  Game won, lost;
  const std::string plays = "g1 X HR\ng2 K\ng3 K\ng4 K\nh1 K\nh2 K\nh3 K";
  ASSERT_EQ(BuildBook("info,wp,g9\ninfo,lp,h9\n" + plays, won), "");
  lost = won;
  // The second game as if the clubs had swapped names: Ike Ivy won it for
  // the Hawks.
  std::swap(lost.home.team_name, lost.visitor.team_name);
  Stat all;
  all.all_teams = true;
  AccumulateGame(all, won, 1, Split::kAll, Split::kAll, false);
  AccumulateGame(all, lost, 2, Split::kAll, Split::kAll, false);
  FinishTables(all);
  for (const PitchingStat& p : all.pitching) {
    if (p.name == "Ike Ivy") {
      EXPECT_EQ(p.wins, 1) << p.team;
    } else if (p.name == "Ida Irwin") {
      EXPECT_EQ(p.losses, 1) << p.team;
    }
  }
}

// Each family of plays, as a scorer would type it in an event file,
// imported and told back box by box (tests/interop/data/plays.txt and
// substitutions.txt hold each book's plays and what it must give; review a
// change to them play by play).

// Each book of a case file told again: a book is "## name" and its plays,
// one a line after "> " (one half a book, three outs each, unless it runs
// on); what follows them up to the next book is what it gave.
std::string TellBooks(const std::string& file) {
  std::ifstream in(scorewick::testing::DataFile(file), std::ios::binary);
  std::string line, name, plays, text;
  const auto tell = [&] {
    if (name.empty()) return;
    Game game;
    std::string noted;
    const std::string refused = BuildBook(plays, game, &noted);
    if (refused.empty()) {
      for (const scoring::Inconsistency& found : scoring::CheckGame(game, {}))
        ADD_FAILURE() << name << ": " << found.Text();
    }
    text += noted;
    text += refused.empty() ? Describe(game) + "\n" : "refused: " + refused + "\n\n";
  };
  while (std::getline(in, line)) {
    if (line.rfind("## ", 0) == 0) {
      tell();
      name = line.substr(3);
      plays.clear();
      text += line + "\n";
    } else if (line.rfind("> ", 0) == 0) {
      plays += (plays.empty() ? "" : "\n") + line.substr(2);
      text += line + "\n";
    }
  }
  tell();
  EXPECT_FALSE(text.empty()) << file;
  return text;
}

TEST(RetrosheetPlays, EachFamilyIsRecordedAsTheHandheldWould) {
  scorewick::testing::ExpectGolden(TellBooks("plays.txt"), "plays.txt");
}

TEST(RetrosheetPlays, EachKindOfSubstitution) {
  scorewick::testing::ExpectGolden(TellBooks("substitutions.txt"), "substitutions.txt");
}

}  // namespace
}  // namespace scorewick::interop::testing
