// The score sheet's texts and layout, worked out without drawing: the page
// head's lines, the letters and numbers of a box, who goes in which box
// when a side bats around, the line-up holders and substitutions, and the
// order of the pages.

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "records/codes.h"
#include "reports/score_sheet_layout.h"
#include "reports/score_sheet_text.h"
#include "sheet_games.h"
#include "support/full_game.h"

namespace scorewick::reports {
namespace {

using testing::CompileSheetGame;
using testing::kBatAroundBook;
using testing::kMarksBook;

TEST(ScoreSheetText, HeadLines) {
  GameHeader h;
  h.field.set("Test Park");
  h.year = 2024;
  h.month = 6;
  h.day = 1;
  h.start_hour = 18;
  struct Case {
    int minute;
    const char* line;
  };
  for (const Case& c :
       {Case{5, "6/1/2024 18:05 at Test Park"}, Case{0, "6/1/2024 18:00 at Test Park"},
        Case{10, "6/1/2024 18:10 at Test Park"}, Case{59, "6/1/2024 18:59 at Test Park"}}) {
    h.start_minute = c.minute;
    EXPECT_EQ(GameDateLine(h), c.line);
  }
  h.attendance = 120;
  h.duration_hours = 1;
  h.duration_minutes = 5;
  EXPECT_EQ(AttendanceLine(h), "Attendance: 120   Game Duration: 1 hrs 5 min");

  // Umpires not recorded (the handheld keeps a blank) are left out.
  struct Umpires {
    std::array<const char*, 4> names;
    const char* line;
  };
  for (const Umpires& c : {Umpires{{"Una Ump", "Vic Vane", " ", " "}, "Umpires: Una Ump, Vic Vane"},
                           Umpires{{"", "Bo Blue", " ", "Cy Call"}, "Umpires: Bo Blue, Cy Call"},
                           Umpires{{" ", " ", "", " "}, "Umpires: "},
                           Umpires{{"A", "B", "C", "D"}, "Umpires: A, B, C, D"}}) {
    for (std::size_t i = 0; i < 4; ++i) h.umpires[i].set(c.names[i]);
    EXPECT_EQ(UmpiresLine(h), c.line);
  }
}

TEST(ScoreSheetText, NoteHeadings) {
  struct Case {
    int inning, at_bat;
    bool top;
    const char* heading;
  };
  for (const Case& c : {Case{2, 1, true, "Top of the 3rd, 2nd At Bat"},
                        Case{10, 0, false, "Bottom of the 11th, 1st At Bat"},
                        Case{20, 21, true, "Top of the 21st, 22nd At Bat"}}) {
    GAME_NOTE note;
    note.inning = c.inning;
    note.at_bat = c.at_bat;
    note.half = c.top ? 1 : 0;
    EXPECT_EQ(NoteHeading(note), c.heading);
  }
}

TEST(ScoreSheetText, BoxLettersAndCount) {
  const Game game = CompileSheetGame(kMarksBook);
  const auto& top = game.innings[0].top.at_bats;
  ASSERT_EQ(top.size(), 5u);
  EXPECT_EQ(ReachText(top[0]), "2B");
  EXPECT_EQ(AdvanceText(top[0], 1), "SB");
  EXPECT_EQ(ReachText(top[2]), "BB");
  EXPECT_EQ(ReachText(top[3]), "E6");
  EXPECT_EQ(OutCreditChain(top[4]), "6-4-3");
  EXPECT_EQ(OutCreditChain(top[1]), "2");  // the catcher holds the third strike

  // Ball, ball, strike, ball, ball: the third ball is the fourth pitch.
  EXPECT_EQ(CountCells(top[2]),
            (std::vector<CountCell>{{true, 0, 3}, {false, 0, 1}, {false, 1, 2}, {false, 2, 4}}));
  // Ball, then three called strikes: two strike cells, the third is the out.
  EXPECT_EQ(CountCells(top[1]),
            (std::vector<CountCell>{{true, 0, 2}, {true, 1, 3}, {false, 0, 1}}));

  AT_BAT extra;
  extra.out_credit_count = 3;
  extra.out_credits[0].position = kPosShortStop;
  extra.out_credits[1].position = kPosExtraFielder1;  // the tenth fielder writes 11
  extra.out_credits[2].position = kPosFirst;
  EXPECT_EQ(OutCreditChain(extra), "6-11-3");
  // Fouls with two strikes fill no cell but still count as pitches.
  AT_BAT fouls;
  for (std::int32_t e : {kEventStrike, kEventFoul, kEventFoul, kEventFoul, kEventBall}) {
    fouls.pitches[static_cast<std::size_t>(++fouls.last_pitch)].event = e;
  }
  fouls.strikes = 2;
  fouls.balls = 1;
  EXPECT_EQ(CountCells(fouls), (std::vector<CountCell>{{true, 0, 1}, {true, 1, 2}, {false, 0, 5}}));
}

TEST(ScoreSheetLayout, SecondTurnInAnInningGoesInTheNextColumn) {
  const Game game = CompileSheetGame(kBatAroundBook);
  const SideSheet visitors = LayOutSide(game, false);
  ASSERT_EQ(visitors.rows, 9);
  ASSERT_EQ(visitors.columns.size(), 2u);
  EXPECT_EQ(
      std::tuple(visitors.columns[0].inning, visitors.columns[1].inning, visitors.columns[1].pass,
                 visitors.columns[0].at_bats, visitors.columns[1].at_bats),
      std::tuple(0, 0, 1, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}),
                 (std::vector<int>{9, 10, 11, -1, -1, -1, -1, -1, -1})));

  // The pinch hitter holds the third slot after the starter.
  const auto& third = visitors.holders[2];
  ASSERT_EQ(third.size(), 2u);
  EXPECT_EQ(std::tuple(third[0].name, third[0].number, third[0].position, third[0].entered,
                       third[1].name, third[1].entered),
            std::tuple("Cy Cole", "3", "CF", "", "Pat Pinch", "T1"));
  EXPECT_EQ(DesignatedHitterLine(game, false), "Substitutions: #10 Pat Pinch T1-11");
  EXPECT_EQ(DesignatedHitterLine(game, true), "");

  const SideSheet home = LayOutSide(game, true);
  ASSERT_EQ(home.columns.size(), 1u);
  EXPECT_EQ(home.columns[0].at_bats, (std::vector<int>{0, 1, 2, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(SideRuns(game, false), 6);
  EXPECT_EQ(SideRuns(game, true), 0);
}

TEST(ScoreSheetLayout, EveryPlayerWhoHeldASlotIsListed) {
  const Game game = CompileSheetGame(testing::kManyHoldersBook, testing::ManyHoldersTeams());
  const SideSheet visitors = LayOutSide(game, false);
  std::vector<std::string> first;
  for (const SlotHolder& h : visitors.holders[0]) first.push_back(h.name + " " + h.entered);
  EXPECT_EQ(first, (std::vector<std::string>{"Ann Able ", "Pat Pinch T1", "Sid Swift T1",
                                             "Ty Trot T1", "Uma Urge T1", "Val Vim T1"}));
  // A fielder who came in for the seventh slot holds it, though the game
  // ended before his turn at bat.
  ASSERT_EQ(visitors.holders[6].size(), 2u);
  const SlotHolder& west = visitors.holders[6][1];
  EXPECT_EQ(std::tuple(west.name, west.number, west.position, west.entered),
            std::tuple("Wes West", "16", "RF", "B1"));
  // Everybody the substitutions line names holds a slot.
  for (const PLAYER& sub : Substitutes(game, false)) {
    bool held = false;
    for (const auto& slot : visitors.holders) {
      for (const SlotHolder& h : slot) held = held || h.name == sub.name.view();
    }
    EXPECT_TRUE(held) << sub.name.str();
  }
  EXPECT_EQ(ContinuedSlotLine(1, {visitors.holders[0].begin() + 4, visitors.holders[0].end()}),
            "Slot 1, continued: #14 Uma Urge PR T1, #15 Val Vim PR T1");
  EXPECT_EQ(SlotHolderText(visitors.holders[0][0]), "#1 Ann Able SS");
}

TEST(ScoreSheetLayout, DesignatedHitterLineNamesWhomHeBatsFor) {
  Game game = CompileSheetGame(kMarksBook);
  game.home.uses_designated_hitter = 1;
  game.home.dh_bats_for.name.set("Rex Roe");
  game.home.dh_bats_for.uniform_number = -1;
  game.home.dh_bats_for.position = kPosPitcher;
  EXPECT_EQ(DesignatedHitterLine(game, true), "Player DH bats for: #00 Rex Roe (P)");
}

// The final score adds up the runs each half stores, whatever their size.
TEST(ScoreSheetLayout, TheFinalScoreAddsStoredRunsWithoutOverflow) {
  Game game = testing::MakeFullGame(2, 1);
  for (INNING& inning : game.innings) inning.top.runs = inning.bottom.runs = 0;
  game.innings[0].top.runs = game.innings[1].top.runs = 2147483647;
  game.innings[0].bottom.runs = -2147483647 - 1;
  game.innings[1].bottom.runs = 3;
  EXPECT_EQ(SideRuns(game, false), 4294967294);
  EXPECT_EQ(SideRuns(game, true), -2147483645);
  EXPECT_EQ(TeamScoreText(game.visitor, SideRuns(game, false)),
            game.visitor.team_name.str() + " : 4294967294");
}

TEST(ScoreSheetLayout, PagesInOrder) {
  Game game = CompileSheetGame(kBatAroundBook);
  ASSERT_FALSE(game.notes.empty());
  struct Page {
    bool notes, home;
    int first, count;
    bool last;
    bool operator==(const Page&) const = default;
  };
  auto plan = [&](GamePrintOptions o) {
    std::vector<Page> pages;
    for (const SheetPageSpec& p : PlanGamePages(game, o)) {
      pages.push_back({p.notes, p.home, p.first_column, p.column_count, p.last_of_side});
    }
    return pages;
  };
  GamePrintOptions o;
  o.side = PrintSide::kBoth;
  o.notes = true;
  o.fit = false;
  o.columns = 1;
  EXPECT_EQ(plan(o), (std::vector<Page>{{false, true, 0, 1, true},
                                        {false, false, 0, 1, false},
                                        {false, false, 1, 1, true},
                                        {true, false, 0, 0, false}}));
  o.fit = true;
  o.side = PrintSide::kVisitors;
  EXPECT_EQ(plan(o), (std::vector<Page>{{false, false, 0, 2, true}, {true, false, 0, 0, false}}));
  o.notes = false;
  o.side = PrintSide::kHome;
  EXPECT_EQ(plan(o), (std::vector<Page>{{false, true, 0, 1, true}}));
  // Without notes in the game there is no notes page.
  game.notes.clear();
  o.notes = true;
  EXPECT_EQ(plan(o).size(), 1u);
}

}  // namespace
}  // namespace scorewick::reports
