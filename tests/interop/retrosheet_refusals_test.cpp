// Hand-typed games with a mistake: each is refused with the line at fault
// and a reason the scorer who typed it can act on.  The plays of a book
// begin on line 27 (the header and the two line-ups come first).

#include <gtest/gtest.h>

#include <sstream>

#include "interop/retrosheet_games.h"
#include "interop/retrosheet_import.h"
#include "interop/retrosheet_records.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "retro_book.h"
#include "support/data_file.h"
#include "support/temp_dir.h"
#include "support/work_folder.h"

namespace scorewick::interop::testing {
namespace {

// The books of data/refusals.txt: each case is its plays, then "=> " and
// the refusal they must give.
TEST(RetrosheetRefusals, EachMistakeNamesItsLineAndReason) {
  std::istringstream cases(
      scorewick::testing::ReadText(scorewick::testing::DataFile("refusals.txt")));
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

// A change of a sound book's event file: the text replaced, and the
// refusal (line and reason) that must follow, or "" when the game is still
// recorded.
struct Change {
  const char* from;
  const char* to;
  const char* refusal;
};

// The book of plays imported with the change made: "" when the game is
// recorded (into game), else "line N: reason".
std::string BuildChanged(const std::string& plays, const Change& c, Game& game) {
  std::string text = BookText(plays);
  text.replace(text.find(c.from), std::string(c.from).size(), c.to);
  GameOrigin origin;
  EventRefusal refusal;
  std::vector<ImportNote> notes;
  if (BuildRetrosheetGame(ReadRecords(text), BookClubs(), game, origin, refusal, notes)) return {};
  return "line " + std::to_string(refusal.line) + ": " + refusal.reason;
}

// A line's fields read as views of it are the fields the reader splits it
// into, quoted or not, and a line it refuses is refused alike.
TEST(RetrosheetRecords, FieldsAsViewsAreTheFieldsSplit) {
  const std::string_view kLines[] = {
      "play,4,0,sanca001,22,BCFX,S8/L.2-H;1-3",
      "start,h1,\"Ann Able\",1,1,8",
      "com,\"He said, \"\"no\"\"\"",
      " info , site ,\tSEA02 ",
      "play,,,,",
      "",
      "com,\"left open",
      "sub,a\x01b,1,0,1",
      "data,er,\tkingi001\t,2",
      "sub,a,\" Ann, Able \" ,\"\",x\"y\"z,\"a\" \"b\"",
      "com,\"ends in quotes\"\"",
      "com,\"x\"\t,\"y\x02\"",
  };
  for (std::string_view line : kLines) {
    std::vector<std::string> split;
    const Status strings = SplitRecord(line, split);
    RecordFields views;
    const Status viewed = SplitRecordFields(line, views);
    EXPECT_EQ(viewed.ok, strings.ok) << line;
    EXPECT_EQ(viewed.reason, strings.reason) << line;
    if (!strings) continue;
    EXPECT_EQ(std::vector<std::string>(views.fields.begin(), views.fields.end()), split) << line;
  }
}

// A game's header and line-ups, each changed from a sound book's.
TEST(RetrosheetRefusals, LineUpsAndHeaders) {
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
    Game game;
    EXPECT_EQ(BuildChanged("g1 K", c, game), c.refusal);
  }
}

// Dates and times: a day the calendar lacks, a date that is not the day
// of the game's id, a time of day or a count that cannot be is refused
// with its line, not stored as another.  (An empty value, or a start time
// of 0:00, is a figure not known.)
TEST(RetrosheetRefusals, DatesAndTimesThatCannotBe) {
  const Change kChanges[] = {
      {"date,2024/04/01", "date,2024/13/45",
       "line 5: the date \"2024/13/45\" is not a day of the calendar written yyyy/mm/dd "
       "(2019/03/28)"},
      {"date,2024/04/01", "date,2024/02/30",
       "line 5: the date \"2024/02/30\" is not a day of the calendar written yyyy/mm/dd "
       "(2019/03/28)"},
      {"date,2024/04/01", "date,2024/04/02",
       "line 5: the date 2024/04/02 is not the day of the game HAW202404010 (2024/04/01)"},
      {"HAW202404010", "HAW202402300",
       "line 1: the game id HAW202402300 is not dated on a day of the calendar (2024/02/30)"},
      {"starttime,7:05PM", "starttime,25:99",
       "line 6: the start time \"25:99\" is not a time of day (7:05PM, 19:05; 0:00 when not "
       "known)"},
      {"starttime,7:05PM", "starttime,soon",
       "line 6: the start time \"soon\" is not a time of day (7:05PM, 19:05; 0:00 when not known)"},
      {"attendance,812", "attendance,many",
       "line 8: the attendance \"many\" is not a whole number"},
      {"attendance,812", "attendance,812\ninfo,timeofgame,-5",
       "line 9: the length of the game \"-5\" is not a whole number of minutes"},
      {"starttime,7:05PM", "starttime,0:00", ""},
      {"attendance,812", "attendance,", ""},
      {"info,date,2024/04/01\n", "", ""},  // the day of the id
  };
  for (const Change& c : kChanges) {
    Game game;
    const std::string refusal =
        BuildChanged("info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F", c, game);
    EXPECT_EQ(refusal, c.refusal);
    if (refusal.empty()) {
      EXPECT_EQ(game.header.year * 10000 + game.header.month * 100 + game.header.day, 20240401);
    }
  }
}

// The refused games club by club: home and away, each once, the kept and
// noted games left out, a club not yet read taken from the game's id.
TEST(RetrosheetRefusals, RefusedGamesAreNamedClubByClub) {
  const std::vector<ImportRefusal> refusals = {
      {"2019SEA.EVA", 57, "SEA201903280", "a play", false, false, "SEA", "BOS"},
      {"2019SEA.EVA", 0, "SEA201903290", "already there", true, false, "SEA", "BOS"},
      {"2019SEA.EVA", 80, "SEA201903300", "read past", false, true, "SEA", "BOS"},
      {"2019OAK.EVA", 12, "OAK201904010", "an info record", false, false, "", ""},
      {"2019OAK.EVA", 90, "OAK201904020", "comes twice", false, false, "OAK", "SEA"},
      {"2019OAK.EVA", 0, "", "a roster cannot be read", false, false, "", ""},
  };
  EXPECT_EQ(RefusedGamesByClub(refusals),
            (std::vector<ClubRefusals>{{"BOS", {"SEA201903280"}},
                                       {"OAK", {"OAK201904010", "OAK201904020"}},
                                       {"SEA", {"SEA201903280", "OAK201904020"}}}));
}

// Importing event files from a folder: the team and roster files beside
// them, a game refused while the others of its file are written, files
// already there, and stopping half-way.

using scorewick::testing::ReadText;

const std::string kWholeGame = "info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F";

TEST(RetrosheetFiles, AGameRefusedLeavesTheOthersWritten) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame, "g1 X S8.2-H", kWholeGame});
  const std::string out = dir.Path("games");
  std::filesystem::create_directory(out);
  const ImportSummary summary = ImportRetrosheet({{events}, out, false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "2024HAW.EVN, line 58 (game HAW202404011): the runner \"2-H\" of \"S8.2-H\": nobody "
            "is on second base");
  EXPECT_EQ(summary.Line(), "2 games written, 1 refused; 2 team files written");
  EXPECT_FALSE(FileExists(out + "/HAW202404011.gam"));
  Game game;
  ASSERT_TRUE(LoadGame(out + "/HAW202404012.gam", game));
  EXPECT_EQ(game.home.team_name.str(), "Harbor Hawks");
  EXPECT_EQ(game.header.list_names[1].str(), "Gull Bay Gulls");
  EXPECT_EQ(+game.header.attendance, 812);
  EXPECT_EQ(+game.header.start_hour, 19);
  EXPECT_EQ(game.header.field.str(), "HAW01");
  Team gulls;
  ASSERT_TRUE(LoadTeam(out + "/GUL.tem", gulls));
  ASSERT_EQ(gulls.count(), 13);
  EXPECT_EQ(gulls.player(4).name.str(), "Ed Elm");
  EXPECT_EQ(gulls.player(4).bats, 2);  // both sides
  EXPECT_EQ(gulls.player(2).throws_right, 0);
}

TEST(RetrosheetFiles, FilesAlreadyThereAreKeptUnlessForced) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  const std::string out = dir.path().string();
  EXPECT_EQ(ImportRetrosheet({{events}, out, false}).Line(),
            "1 game written, 0 refused; 2 team files written");
  const ImportSummary again = ImportRetrosheet({{events}, out, false});
  EXPECT_EQ(again.Line(),
            "0 games written, 1 kept as they were, 0 refused; 0 team files written, 2 already "
            "there unchanged");
  ASSERT_EQ(again.refusals.size(), 1u);
  EXPECT_EQ(again.refusals[0].reason,
            "HAW202404010.gam is already there (a game file): kept as it is");
  EXPECT_TRUE(again.refusals[0].kept);
  WriteBookFile(dir.Path("HAW.tem"), "a note of mine");
  EXPECT_EQ(ImportRetrosheet({{events}, out, false}).Line(),
            "0 games written, 1 kept as they were, 0 refused; 0 team files written, 1 already "
            "there unchanged, 1 kept as they were");
  const ImportSummary forced = ImportRetrosheet({{events}, out, true});
  EXPECT_EQ(forced.Line(),
            "1 game written, 0 refused; 1 team file written, 1 already there unchanged");
}

TEST(RetrosheetFiles, MissingOrDamagedRosterFiles) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  std::filesystem::remove(dir.Path("haw2024.ros"));
  ImportSummary summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "2024HAW.EVN, line 10 (game HAW202404010): the roster file HAW2024.ROS is not beside "
            "the event file");
  WriteBookFile(dir.Path("HAW2024.ROS"), "h1,Able,Ann,R,X,HAW,CF\n");
  summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_EQ(summary.refusals[0].reason, "HAW2024.ROS, line 1: throws is L or R, not \"X\"");
  std::filesystem::remove(dir.Path("TEAM2024"));
  summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  EXPECT_EQ(summary.refusals[0].reason,
            "the team file TEAM2024 is not beside the event file: it names the clubs");
}

// A name longer than the records hold is cut to fit, and said (a notice,
// no refusal: the game is written).
TEST(RetrosheetFiles, ANameCutToFitIsSaid) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame});
  std::string roster = ReadText(dir.Path("GUL2024.ROS"));
  roster.replace(roster.find("Maple,Mo"), 8, "Maplewood-Featherstone,Montgomery");
  WriteBookFile(dir.Path("GUL2024.ROS"), roster);
  std::filesystem::create_directory(dir.Path("out"));
  const ImportSummary summary = ImportRetrosheet({{events}, dir.Path("out"), false});
  EXPECT_EQ(summary.Line(), "1 game written, 0 refused; 2 team files written");
  ASSERT_EQ(summary.refusals.size(), 1u);
  EXPECT_TRUE(summary.refusals[0].note);
  EXPECT_EQ(summary.refusals[0].Text(),
            "GUL2024.ROS: the name \"Montgomery Maplewood-Featherstone\" is cut to its first 24 "
            "characters");
  Team gulls;
  ASSERT_TRUE(LoadTeam(dir.Path("out/GUL.tem"), gulls));
  EXPECT_EQ(gulls.player(12).name.str(), "Montgomery Maplewood-Fea");
}

TEST(RetrosheetFiles, StoppingBetweenGamesKeepsWhatWasWritten) {
  TempDir dir;
  const std::string events = BookSeason(dir, {kWholeGame, kWholeGame, kWholeGame});
  std::vector<int> told;
  const ImportSummary summary =
      ImportRetrosheet({{events}, dir.path().string(), false}, [&](int done, int total) {
        told.push_back(done * 10 + total);
        return done < 1;
      });
  EXPECT_TRUE(summary.cancelled);
  EXPECT_EQ(told, (std::vector<int>{3, 13}));
  EXPECT_EQ(summary.games_written.size(), 1u);
  Game game;
  EXPECT_TRUE(LoadGame(dir.Path("HAW202404010.gam"), game));
  EXPECT_FALSE(FileExists(dir.Path("HAW202404011.gam")));
  EXPECT_EQ(PlannedImportFiles({events}),
            (std::vector<std::string>{"HAW202404010.gam", "GUL.tem", "HAW.tem", "HAW202404011.gam",
                                      "HAW202404012.gam"}));
}

TEST(RetrosheetFiles, FilesThatAreNoEventFiles) {
  TempDir dir;
  WriteBookFile(dir.Path("notes.txt"), "my notes\nabout the game\n");
  WriteBookFile(dir.Path("binary.EVN"), std::string("\x01\x02\x03\x00\x05", 5));
  const ImportSummary summary =
      ImportRetrosheet({{dir.Path("notes.txt"), dir.Path("binary.EVN"), dir.Path("gone.EVN")},
                        dir.path().string(),
                        false});
  ASSERT_EQ(summary.refusals.size(), 3u);
  EXPECT_EQ(summary.refusals[0].Text(),
            "notes.txt, line 1: no game here: an event file is a series of games, each beginning "
            "with an id record (id,SEA201903280)");
  EXPECT_EQ(summary.refusals[1].line, 1);
  EXPECT_EQ(summary.refusals[2].file, "gone.EVN");
  EXPECT_EQ(summary.Line(), "0 games written, 0 refused; 0 team files written");
}

}  // namespace
}  // namespace scorewick::interop::testing
