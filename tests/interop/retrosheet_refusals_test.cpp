// Hand-typed games with a mistake: each is refused with the line at fault
// and a reason the scorer who typed it can act on.  The plays of a book
// begin on line 27 (the header and the two line-ups come first).

#include <gtest/gtest.h>

#include <sstream>

#include "retro_book.h"
#include "support/data_file.h"
#include "support/work_folder.h"

namespace scorewick::interop::testing {
namespace {

// The books of data/refusals.txt: each case is its plays, then "=> " and
// the refusal they must give.
TEST(RetrosheetRefusals, EachMistakeNamesItsLineAndReason) {
  std::istringstream cases(scorewick::testing::ReadText(scorewick::testing::DataFile("refusals.txt")));
  int count = 0;
  std::string plays;
  for (std::string line; std::getline(cases, line);) {
    if (line.starts_with("=> ")) {
      Game game;
      EXPECT_EQ(BuildBook(plays, game), line.substr(3)) << plays;
      plays.clear();
      ++count;
    } else if (!line.empty() && !line.starts_with("# ")) {
      plays += (plays.empty() ? "" : "\n") + line;
    }
  }
  EXPECT_GE(count, 23);
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
    std::vector<ImportNote> notes;
    Game game;
    EXPECT_FALSE(BuildRetrosheetGame(ReadRecords(text), BookClubs(), game, origin, refusal, notes));
    EXPECT_EQ("line " + std::to_string(refusal.line) + ": " + refusal.reason, c.refusal);
  }
}

}  // namespace
}  // namespace scorewick::interop::testing
