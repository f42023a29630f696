// Hand-typed games with a mistake: each is refused with the line at fault
// and a reason the scorer who typed it can act on.  The plays of a book
// begin on line 27 (the header and the two line-ups come first).

#include <gtest/gtest.h>

#include "retro_book.h"

namespace scorewick::interop::testing {
namespace {

struct Mistake {
  const char* plays;
  const char* refusal;
};

const Mistake kMistakes[] = {
    {"g1 X Q9", "line 27: cannot read the play \"Q9\""},
    {"g1 X s8", "line 27: plays are written in capital letters (\"s8\")"},
    {"g1 X S8.2-H", "line 27: the runner \"2-H\" of \"S8.2-H\": nobody is on second base"},
    {"g1 X S8\ng2 X 63/G.1-0",
     "line 28: cannot read the runner \"1-0\": a runner starts at B, 1, "
     "2 or 3 and goes to 1, 2, 3 or H"},
    {"g1 X S8\ng2 X 63/G.2-1",
     "line 28: cannot read the runner \"2-1\": a runner cannot go back a base"},
    {"g1 X 8(B)84(2)/LDP",
     "line 27: the play \"8(B)84(2)/LDP\" puts out a runner from second base, but nobody is there"},
    {"g1 X SB2", "line 27: the play \"SB2\": nobody is on first base"},
    {"g1 X S8\ng2 WP",
     "line 28: the play \"WP\" moves no runner: write where the runners went, "
     "like WP.1-2"},
    {"g2 K", "line 27: Bo Birch bats, but Al Ash (1st in the order) is due up"},
    {"g1 BB NP\ng2 K",
     "line 28: Bo Birch bats, but Al Ash is still at the plate: his turn has no "
     "result yet"},
    {"g1 BBBBB W", "line 27: the pitches of \"W\": a pitch comes after ball 4 or strike 3"},
    {"g1 SSSS K", "line 27: the pitches of \"K\": a pitch comes after ball 4 or strike 3"},
    {"g1 SS K.B-1",
     "line 27: the batter reaches on the third strike: write why, K+WP, K+PB or K+E2"},
    {"g1 K\ng2 K\ng3 K\ng4 K",
     "line 30: this play is in the top of the 1st, but the bottom of the 1st comes next"},
    {"g1 K\ng2 K\ng3 K\nh1 K\ng4 K",
     "line 31: this play is in the top of the 2nd, but the bottom of the 1st has 1 out: an out is "
     "missing"},
    {"g1 K\ng2 K",
     "line 28: the game stops in the top of the 1st with 2 outs and nobody ahead: the file seems "
     "cut "
     "short"},
    {"info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F\nh2 K",
     "line 32: the play \"K\" comes after the game is decided"},
    {"sub,zz9,\"Zed Zee\",0,1,11", "line 27: a substitution comes before the first play"},
    {"g1 X S8\nsub,zz9,\"Zed Zee\",0,2,11",
     "line 28: zz9 is not on the roster of Gull Bay Gulls (GUL2024.ROS)"},
    {"g1 X S8\nsub,g10,\"Jo Juniper\",0,4,11",
     "line 28: the substitution of Jo Juniper: he bats 4th, but the 2nd in the order is due up"},
    {"g1 BB NP\nsub,g10,\"Jo Juniper\",0,1,11",
     "line 28: the substitution of Jo Juniper: a pinch hitter in the middle of a turn at the plate "
     "cannot be recorded (the handheld gives the whole turn to one batter)"},
    {"g1 K\nsub,g10,\"Jo Juniper\",0,2,12",
     "line 28: the substitution of Jo Juniper: nobody batting 2nd is on base to run for"},
    {"g1 X S8\nsub,g1,\"Al Ash\",0,1,12",
     "line 28: the substitution of Al Ash: Al Ash has already played"},
    {"g1 X S8\nsub,g10,\"Jo Juniper\",0,1",
     "line 28: a substitution is written sub,id,\"name\",side "
     "(0 visitors, 1 home),batting order (1 to 9, 0 for a "
     "pitcher who does not bat),position (1 to 9, 10 "
     "designated hitter, 11 pinch hitter, 12 pinch runner)"},
    {"play,1,0,g1,??,,\"S8", "line 27: a quote is opened and never closed"},
    {"ladj,0,1",
     "line 27: batting out of order (ladj) cannot be recorded: the handheld bats the "
     "order as it stands"},
    {"note,this is not a record",
     "line 27: unknown record \"note\": a game has id, version, info, "
     "start, play, sub, com and data records"},
};

TEST(RetrosheetRefusals, EachMistakeNamesItsLineAndReason) {
  for (const Mistake& m : kMistakes) {
    Game game;
    EXPECT_EQ(BuildBook(m.plays, game), m.refusal) << m.plays;
  }
}

// A game's header and line-ups, each changed from a sound book's: the
// text replaced, and the refusal (line and reason) that must follow.
TEST(RetrosheetRefusals, LineUpsAndHeaders) {
  struct Change {
    const char* from;
    const char* to;
    const char* refusal;
  };
  const Change kChanges[] = {
      {"start,h1,\"Ann Able\",1,1,8\n", "",
       "line 18: the starting batters of a side are listed in order 1 to 9: the 2nd comes where "
       "the 1st belongs"},
      {"HAW202404010", "HAW2024-0401",
       "line 1: the game id \"HAW2024-0401\" is not a club code, a date and the game of the day "
       "(SEA201903280)"},
      {"visteam,GUL", "visteam,OWL",
       "line 9: the roster file OWL2024.ROS is not beside the event file"},
      {"start,g9,\"Ike Ivy\",0,9,1", "start,g9,\"Ike Ivy\",0,0,1",
       "line 27: the starting line-up of Gull Bay Gulls has 8 batters, not 9"},
  };
  for (const Change& c : kChanges) {
    std::string text = BookText("g1 K");
    text.replace(text.find(c.from), std::string(c.from).size(), c.to);
    GameOrigin origin;
    GameRefusal refusal;
    Game game;
    EXPECT_FALSE(BuildRetrosheetGame(ReadRecords(text), BookClubs(), game, origin, refusal));
    EXPECT_EQ("line " + std::to_string(refusal.line) + ": " + refusal.reason, c.refusal);
  }
}

}  // namespace
}  // namespace scorewick::interop::testing
