// Each family of plays, as a scorer would type it in an event file,
// imported and told back box by box (tests/interop/data/plays.txt and
// substitutions.txt hold what each book must give; review a change to them
// play by play).

#include <gtest/gtest.h>

#include "retro_book.h"
#include "scoring/consistency.h"
#include "support/data_file.h"

namespace scorewick::interop::testing {
namespace {

struct Book {
  const char* name;
  const char* plays;
};

// One half a book, three outs each, unless it runs on.
const Book kPlays[] = {
    {"hits and where they went",
     "g1 BX S8/L\ng2 CX D7/L+.1-3\ng3 X T9/F.3-H;2-H\ng4 BBX HR/78/F.3-H\n"
     "g5 X DGR/8/F\ng6 X S1/BG.2-3\ng7 X HR9/F9LD.3-H\ng8 X 63/G\ng9 X 8/F\ng1 X 5/P5F"},
    {"outs with their fielders", "g1 X 63/G\ng2 X 4/L\ng3 X 1/BP"},
    {"sacrifices and an infield fly",
     "g1 X S7/G\ng2 X 13/BG/SH.1-2\ng3 X S9/L.2-3\ng4 X 8/F/SF.3-H\ng5 X 6/IF"},
    {"a ground double play", "g1 X S8\ng2 X 64(1)3/GDP\ng3 X 9/F"},
    {"a line drive doubling the runner off second", "g1 X D7\ng2 X 8(B)84(2)/LDP\ng3 K"},
    {"a ground triple play", "g1 X S8\ng2 X W.1-2\ng3 X 5(2)4(1)3/GTP"},
    {"strikeouts looking, swinging, and the third strike dropped",
     "g1 CCC K\ng2 SSBS K\ng3 CSS K23"},
    {"safe on a dropped third strike, and a bunted foul third strike",
     "g1 CBSS K+WP.B-1\ng2 CCS K+PB.B-1;1-2\ng3 CCS K.B-1(E2/TH);2-3;1-2\ng4 SFL K\n"
     "g5 X 8/F\ng6 X 63/G"},
    {"strikeout with the runner caught stealing", "g1 X S8\ng2 CBSS K+CS2(26)/DP\ng3 X 63/G"},
    {"walks push runners along",
     "g1 BBBB W\ng2 BBBB W\ng3 VVVV IW\ng4 BBBB W\ng5 IW\ng6 K\ng7 K\ng8 K"},
    {"hit batsmen", "g1 X S8\ng2 BH HP.1-2\ng3 K\ng4 K\ng5 K"},
    {"errors and how far they took the runners",
     "g1 X E6/G\ng2 X E6/TH/G.1-3;B-2(E6/TH)\ng3 X 6E3/G.3-H(UR);2-3\ng4 X S8/L.3-H(UR);B-2(E8)\n"
     "g5 X 63/G\ng6 BBBB W.2-H(E2/TH)(E8/TH)(UR)(NR);B-2\ng7 X 8/F\ng8 X 43/G"},
    {"fielder's choices",
     "g1 X S8\ng2 X FC6/G.1X2(64)\ng3 X 64(1)/FO/G\ng4 X FC5/BG/SH.1-2\ng5 X 53/G"},
    {"steals and caught stealing",
     "g1 X S8\ng2 B SB2\ng2 BC SB3\ng2 BC.X 63/G\ng3 BBBB W\ng4 X S7.3-H;1-2\ng5 SB3;SB2\n"
     "g5 X 8/F\n"
     "g6 B CS3(25)"},
    {"caught stealing, safe on an error, and on to third",
     "g1 X S8\ng2 B CS2(2E6).1-3\ng2 B.X 7/SF.3-H\ng3 K\ng4 K"},
    {"pick-offs and a pick-off throw that got away",
     "g1 X S8\ng2 11 PO1(13)\ng2 11.X S7\ng3 2 PO1(E3).1-3\ng3 2.X 8/F\ng4 X W\ng5 1 POCS2(136)"},
    {"wild pitches, passed balls, balks, indifference and other advances",
     "g1 X S8\ng2 B WP.1-2\ng2 B.B PB.2-3\ng2 B.B.B BK.3-H\ng2 B.B.BB W\ng3 DI.1-2\n"
     "g3 OA.2X3(25)\ng3 X 63/G\ng4 X 8/F"},
    {"interference and a dropped foul fly",
     "g1 X S8\ng2 B C/E2.1-2\ng3 FF FLE5\ng3 FF.X 63/G\ng4 K\ng5 K"},
    {"a turn at the plate across records, and the catcher's throws",
     "g1 BBX S8\ng2 B+1 SB2\ng2 B+1.BCFF PB.2-3\ng2 B+1.BCFF.X 7/SF.3-H\ng3 X 63\ng4 X 8"},
    {"a home team that wins in its last half", "info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F"},
};

const Book kSubstitutions[] = {
    {"a pinch hitter, a pinch runner for him, who stays in at short stop",
     "g1 X S8\nplay,1,0,g2,??,,NP\nsub,g10,\"Jo Juniper\",0,2,11\ng10 X D7.1-3\n"
     "sub,g11,\"Kit Kapok\",0,2,12\ng3 X 8/SF.3-H\ng4 K\ng5 K\n"
     "sub,g11,\"Kit Kapok\",0,2,6\nh1 K\nh2 K\nh3 K"},
    {"a pinch hitter for the designated hitter stays the designated hitter",
     "info,usedh,true\ng1 K\ng2 K\ng3 K\nh1 K\nh2 K\nh3 K\ng4 K\ng5 K\ng6 K\nh4 K\nh5 K\nh6 K\n"
     "g7 K\ng8 K\ng9 K\nh7 K\nh8 K\nplay,3,1,h9,??,,NP\nsub,h10,\"Jay Jones\",1,9,11\n"
     "h10 X S8\nh1 K\ng1 K\ng2 K\ng3 K"},
    {"a pitcher relieved in the middle of a count",
     "g1 BB NP\nsub,h12,\"Lee Lane\",1,9,1\ng1 BB.BB W\ng2 K\ng3 K\ng4 K"},
    {"a double switch in the middle of a half",
     "g1 K\nplay,1,0,g2,??,,NP\nsub,h12,\"Lee Lane\",1,6,1\nsub,h10,\"Jay Jones\",1,9,7\n"
     "g2 K\ng3 K\nh1 K\nh2 K\nh3 K"},
    {"fielders changing places, and a new catcher during a turn",
     "g1 K\nplay,1,0,g2,??,,NP\nsub,h6,\"Flo Ford\",1,6,8\nsub,h1,\"Ann Able\",1,1,7\n"
     "g2 BC NP\nsub,h13,\"Max Moss\",1,8,2\ng2 BC.X 8/F\ng3 K"},
};

std::string TellBooks(const Book* books, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    Game game;
    const std::string refused = BuildBook(books[i].plays, game);
    text += std::string("## ") + books[i].name + "\n";
    if (!refused.empty()) {
      text += "refused: " + refused + "\n\n";
      continue;
    }
    for (const scoring::Inconsistency& found : scoring::CheckGame(game, {})) {
      ADD_FAILURE() << books[i].name << ": " << found.Text();
    }
    text += Describe(game) + "\n";
  }
  return text;
}

TEST(RetrosheetPlays, EachFamilyIsRecordedAsTheHandheldWould) {
  scorewick::testing::ExpectGolden(TellBooks(kPlays, std::size(kPlays)), "plays.txt");
}

TEST(RetrosheetPlays, EachKindOfSubstitution) {
  scorewick::testing::ExpectGolden(TellBooks(kSubstitutions, std::size(kSubstitutions)),
                                   "substitutions.txt");
}

}  // namespace
}  // namespace scorewick::interop::testing
