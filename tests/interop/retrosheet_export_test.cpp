// Games written as Retrosheet's files: every hand-typed game of the
// importer's tests comes back the same when it is written out and read in
// again (box by box: results, pitches, fielders, errors, earned runs,
// line-ups); the files a few of them make, as golden texts; the names the
// files give clubs and players; the ids and order of a season's games;
// what the files cannot hold; and the check every written game passes,
// rule by rule.

#include "interop/retrosheet_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "interop/name_index.h"
#include "interop/retrosheet_check.h"
#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_games.h"
#include "interop/retrosheet_names.h"
#include "interop/short_list.h"
#include "interop/small_int_sets.h"
#include "records/game_file.h"
#include "retro_book.h"
#include "support/data_file.h"
#include "support/temp_dir.h"

namespace scorewick::interop::testing {
namespace {

struct Book {
  std::string name;
  std::string plays;
};

// The books of a case file (tests/interop/data): "## name", then its plays
// after "> ".
std::vector<Book> Books(const std::string& file) {
  std::ifstream in(scorewick::testing::DataFile(file), std::ios::binary);
  std::vector<Book> books;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("## ", 0) == 0) books.push_back({line.substr(3), {}});
    if (line.rfind("> ", 0) == 0 && !books.empty()) {
      books.back().plays += (books.back().plays.empty() ? "" : "\n") + line.substr(2);
    }
  }
  return books;
}

GameHeadline HeadlineOf(const Game& game) {
  const GameHeader& h = game.header;
  return {h.year,
          h.month,
          h.day,
          h.start_hour,
          h.start_minute,
          game.home.team_name.str(),
          game.visitor.team_name.str()};
}

// The games of books written out as one season (each on a day of its own)
// and read in again: for each book that imports, what the first import
// made of it against what the second made of its files.
struct Trip {
  std::vector<std::string> names;
  std::vector<std::string> first, second;
  std::vector<std::string> refused;
  std::map<std::string, std::string> files;
};

Trip RoundTrip(const std::vector<Book>& books) {
  Trip trip;
  std::vector<Game> games;
  std::vector<GameHeadline> headlines;
  for (const Book& b : books) {
    Game game;
    if (!BuildBook(b.plays, game).empty()) continue;
    const int n = static_cast<int>(games.size());
    game.header.month = static_cast<std::uint8_t>(4 + n / 28);
    game.header.day = static_cast<std::uint8_t>(1 + n % 28);
    trip.names.push_back(b.name);
    trip.first.push_back(Describe(game));
    headlines.push_back(HeadlineOf(game));
    games.push_back(std::move(game));
  }
  RetrosheetEventFiles events(headlines);
  std::map<std::string, std::size_t> book_of;
  for (std::size_t i : events.order()) {
    ExportedGame out;
    if (Status added = events.Add(i, games[i], out); !added) {
      trip.refused.push_back(trip.names[i] + ": " + added.reason);
    }
    book_of[events.GameId(i)] = i;
  }
  trip.second.assign(games.size(), "(not read again)");
  TempDir dir;
  std::vector<std::string> event_files;
  const char* keep = std::getenv("SCOREWICK_EXPORT_KEEP");
  for (const auto& [name, text] : events.Files()) {
    trip.files[name] = text;
    if (keep) std::ofstream(std::string(keep) + "/" + name, std::ios::binary) << text;
    std::ofstream(dir.Path(name), std::ios::binary) << text;
    if (name.find(".EV") != std::string::npos) event_files.push_back(dir.Path(name));
  }
  const GamesRead read = ReadRetrosheetGames(event_files, [&](const ScoredGame& g) {
    trip.second[book_of.at(g.origin.id)] = Describe(g.game);
    return Taken{};
  });
  for (const ImportRefusal& r : read.refusals) {
    if (!r.note) trip.refused.push_back("read again: " + r.Text());
  }
  return trip;
}

// Every book of the file comes back as it was, but those refused, by
// name, with the start of the reason.
void ExpectSameGames(const std::string& file,
                     const std::map<std::string, std::string>& refused = {}) {
  const Trip trip = RoundTrip(Books(file));
  EXPECT_GT(trip.names.size(), 5u);
  std::set<std::string> refused_books;
  for (const std::string& r : trip.refused) {
    const auto expected = std::find_if(refused.begin(), refused.end(), [&](const auto& e) {
      return r.rfind(e.first + ": " + e.second, 0) == 0;
    });
    if (expected == refused.end()) {
      ADD_FAILURE() << r;
    } else {
      refused_books.insert(expected->first);
    }
  }
  EXPECT_EQ(refused_books.size(), refused.size());
  for (std::size_t i = 0; i < trip.names.size(); ++i) {
    if (refused_books.count(trip.names[i])) continue;
    EXPECT_EQ(trip.second[i], trip.first[i]) << trip.names[i];
  }
}

TEST(RetrosheetExport, EveryFamilyOfPlaysComesBackTheSame) { ExpectSameGames("plays.txt"); }

TEST(RetrosheetExport, EveryKindOfSubstitutionComesBackTheSame) {
  ExpectSameGames("substitutions.txt");
}

}  // namespace
}  // namespace scorewick::interop::testing

namespace scorewick::interop::testing {
namespace {

// The files a few families of plays make: the format itself, reviewed
// record by record (a change to them is a change of what researchers
// read).
TEST(RetrosheetExport, TheFilesOfTheSubstitutionBooks) {
  const Trip trip = RoundTrip(Books("substitutions.txt"));
  std::string text;
  for (const auto& [name, content] : trip.files) text += "== " + name + "\n" + content;
  scorewick::testing::ExpectGolden(text, "export-substitutions.txt");
}

TEST(RetrosheetExport, TheFilesOfTheFamiliesOfPlays) {
  const Trip trip = RoundTrip(Books("plays.txt"));
  scorewick::testing::ExpectGolden(trip.files.at("2024HAR.EVN"), "export-plays.txt");
}

TEST(RetrosheetNames, APlayerNameCutIntoLastAndFirst) {
  const std::pair<const char*, std::pair<const char*, const char*>> kNames[] = {
      {"Marco Gonzales", {"Marco", "Gonzales"}},
      {"J.D. Martinez", {"J.D.", "Martinez"}},
      {"Tommy La Stella", {"Tommy", "La Stella"}},
      {"Enyel De Los Santos", {"Enyel", "De Los Santos"}},
      {"Locke St. John", {"Locke", "St. John"}},
      {"Travis d'Arnaud", {"Travis", "d'Arnaud"}},
      {"Chi Chi Gonzalez", {"Chi Chi", "Gonzalez"}},
      {"Jackie Bradley Jr.", {"Jackie", "Bradley Jr."}},
      {"Will Smith 2", {"Will", "Smith 2"}},
      {"Ichiro", {"", "Ichiro"}},
      {"bob van dam", {"bob", "van dam"}},
  };
  for (const auto& [name, want] : kNames) {
    const SplitName split = SplitPlayerName(name);
    EXPECT_EQ(split.first, want.first) << name;
    EXPECT_EQ(split.last, want.second) << name;
    // Written back, the name is the same.
    EXPECT_EQ((split.first.empty() ? "" : split.first + " ") + split.last, name);
  }
}

PLAYER Named(const char* name) {
  PLAYER p;
  p.name.set(name);
  return p;
}

TEST(RetrosheetNames, ClubCodesAndPlayerIdsAreMadeOnceAndKept) {
  RetrosheetNames names;
  EXPECT_EQ(names.ClubCode("Seattle Mariners"), "SEA");
  EXPECT_EQ(names.ClubCode("New York Yankees"), "NEW");
  EXPECT_EQ(names.ClubCode("New York Mets"), "NYM");
  EXPECT_EQ(names.ClubCode("Ox"), "OX1");
  EXPECT_EQ(names.ClubCode("!!"), "TM1");
  EXPECT_EQ(names.ClubCode("Seattle Mariners"), "SEA");
  // Four letters of the last name, one of the first, three digits; a
  // short name padded with dashes; the same club's player keeps his id.
  EXPECT_EQ(names.PlayerId("SEA", 2019, Named("Marco Gonzales")), "gonzm001");
  EXPECT_EQ(names.PlayerId("SEA", 2019, Named("Mike Gonzalez")), "gonzm002");
  EXPECT_EQ(names.PlayerId("SEA", 2019, Named("Seung Hwan Oh")), "oh--s001");
  EXPECT_EQ(names.PlayerId("SEA", 2019, Named("Peter O'Brien")), "obrip001");
  EXPECT_EQ(names.PlayerId("SEA", 2019, Named("Ichiro")), "ichi-001");
  EXPECT_EQ(names.PlayerId("SEA", 2020, Named("Marco Gonzales")), "gonzm001");
  EXPECT_EQ(names.PlayerId("NEW", 2019, Named("Marco Gonzales")), "gonzm003");
}

TEST(RetrosheetNames, TheTeamAndRosterFiles) {
  RetrosheetNames names;
  names.NoteClubGame("Boston Red Sox", 2019, true, true);
  names.NoteClubGame("Kansas City Royals", 2019, false, false);
  PLAYER p = Named("Tommy La Stella");
  p.bats = 0;
  p.position = kPosSecond;
  names.PlayerId("BOS", 2019, p);
  p = Named("J.D. Martinez, Jr.");
  p.throws_right = 0;
  p.bats = 2;
  p.position = kPosBench;
  names.PlayerId("BOS", 2019, p);
  EXPECT_EQ(names.TeamFileText(2019), "BOS,A,Boston,Red Sox\nKAN,N,Kansas City,Royals\n");
  EXPECT_EQ(names.RosterFileText("BOS", 2019),
            "lastt001,La Stella,Tommy,L,R,BOS,2B\n"
            "martj001,\"Martinez, Jr.\",J.D.,B,L,BOS,X\n");
}

GameHeadline Headline(const char* home, int day, int hour, int month = 4) {
  return {2024, month, day, hour, 5, home, "Gull Bay Gulls"};
}

TEST(RetrosheetEventFiles, IdsAndOrderOfTheGames) {
  const RetrosheetEventFiles plan({Headline("Harbor Hawks", 2, 19), Headline("Harbor Hawks", 1, 19),
                                   Headline("Harbor Hawks", 2, 13),
                                   Headline("Gull Bay Gulls", 3, 19),
                                   Headline("Harbor Hawks", 31, 19, 2)});
  // A day's only game is 0; two of one day are 1 and 2 by start time;
  // a day that is none is refused.
  EXPECT_EQ(plan.GameId(0), "HAR202404022");
  EXPECT_EQ(plan.GameId(1), "HAR202404010");
  EXPECT_EQ(plan.GameId(2), "HAR202404021");
  EXPECT_EQ(plan.GameId(3), "GUL202404030");
  EXPECT_EQ(plan.GameId(4), "");
  EXPECT_NE(plan.Placed(4).reason.find("is no day of the calendar"), std::string::npos);
  // Each event file holds its park's games by day and time.
  EXPECT_EQ(plan.order(), (std::vector<std::size_t>{3, 1, 2, 0}));
  std::vector<GameHeadline> many(10, Headline("Harbor Hawks", 1, 12));
  const RetrosheetEventFiles crowded(many);
  EXPECT_EQ(crowded.GameId(8), "HAR202404019");
  EXPECT_NE(crowded.Placed(9).reason.find("tenth game"), std::string::npos);
}

// A book's game exported alone: its text, what it lost, or why not.
struct Alone {
  bool written = false;
  std::string why;
  ExportedGame out;
};

Alone ExportAlone(const Game& game) {
  RetrosheetEventFiles events({HeadlineOf(game)});
  Alone a;
  const Status added = events.Add(0, game, a.out);
  a.written = added.ok;
  a.why = added.reason;
  return a;
}

TEST(RetrosheetExport, WhatTheFilesCannotHoldIsSaidOrRefused) {
  Game game;
  ASSERT_EQ(BuildBook("g1 BCX S8\ng2 K\ng3 K\ng4 K", game), "");
  Alone a = ExportAlone(game);
  ASSERT_TRUE(a.written) << a.why;
  EXPECT_TRUE(a.out.lost.empty());
  // A pitch's type, speed and place.
  game.innings[0].top.at_bats[0].pitches[1].detail.speed = 91.5f;
  game.innings[0].top.at_bats[0].pitch_details[1].pitch_type = kPitchSlider;
  // A batted ball's point between Retrosheet's zones.
  game.innings[0].top.at_bats[0].hit_x = 70;
  a = ExportAlone(game);
  ASSERT_TRUE(a.written) << a.why;
  EXPECT_EQ(a.out.lost,
            (std::vector<std::string>{"the pitches' types, speeds and locations",
                                      "the batted balls' exact spots (written as the nearest of "
                                      "Retrosheet's hit locations)"}));
  // A tenth batter, a fielder at a tenth position: refused.
  Game ten = game;
  PLAYER extra = ten.innings[0].top.offense.back();
  extra.batting_order = 10;
  ten.innings[0].top.offense.push_back(extra);
  a = ExportAlone(ten);
  EXPECT_FALSE(a.written);
  EXPECT_NE(a.why.find("Retrosheet's files have nine places in the order"), std::string::npos)
      << a.why;
  Game short_field = game;
  short_field.innings[0].top.defense.back().position = kPosShortField;
  a = ExportAlone(short_field);
  EXPECT_FALSE(a.written);
  EXPECT_NE(a.why.find("plays Short Field: Retrosheet's files have nine fielders"),
            std::string::npos)
      << a.why;
}

// More game files than the export holds at once, one of them refused,
// go out whole and in their planned order; an export told to stop at its
// first report writes nothing.
TEST(RetrosheetExport, ManyGameFilesInOrderOrNothingWhenStopped) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("games"));
  std::filesystem::create_directory(dir.Path("out"));
  std::vector<std::string> paths;
  for (int n = 0; n < 70; ++n) {
    Game game;
    ASSERT_EQ(BuildBook("g1 BCX S8\ng2 K\ng3 K\ng4 K", game), "");
    // Filed from the last day to the first.
    game.header.month = static_cast<std::uint8_t>(6 - n / 28);
    game.header.day = static_cast<std::uint8_t>(28 - n % 28);
    if (n == 40) {
      PLAYER extra = game.innings[0].top.offense.back();
      extra.batting_order = 10;
      game.innings[0].top.offense.push_back(extra);
    }
    paths.push_back(dir.Path("games/g" + std::to_string(n) + ".gam"));
    ASSERT_TRUE(SaveGame(paths.back(), game));
  }
  std::vector<int> told;
  const ExportSummary stopped =
      ExportRetrosheet({paths, dir.Path("out"), false}, [&](int done, int total) {
        told.push_back(done * 100 + total);
        return false;
      });
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(told, (std::vector<int>{70}));
  EXPECT_TRUE(stopped.files_written.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path("out")));

  const ExportSummary s = ExportRetrosheet({paths, dir.Path("out"), false});
  EXPECT_EQ(s.games_written, 69);
  EXPECT_EQ(s.games_refused, 1);
  ASSERT_EQ(s.messages.size(), 1u);
  EXPECT_EQ(s.messages[0].file, "g40.gam");
  const auto events = std::find_if(s.files_written.begin(), s.files_written.end(),
                                   [](const std::string& f) { return f.find(".EV") != f.npos; });
  ASSERT_NE(events, s.files_written.end());
  std::ifstream in(*events, std::ios::binary);
  std::vector<std::string> ids;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("id,", 0) == 0) ids.push_back(line.substr(3));
  }
  EXPECT_EQ(ids.size(), 69u);
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

// A game of two plays a half, which every rule of the check is tried on
// by a change of one line.
const std::string kChecked =
    "id,HAW202404010\nversion,2\ninfo,visteam,GUL\ninfo,hometeam,HAW\n"
    "start,g1,\"Al Ash\",0,1,8\nstart,g2,\"Bo Birch\",0,2,6\nstart,g3,\"Cy Cedar\",0,3,3\n"
    "start,g4,\"Di Dogwood\",0,4,5\nstart,g5,\"Ed Elm\",0,5,9\nstart,g6,\"Fay Fir\",0,6,7\n"
    "start,g7,\"Gil Gum\",0,7,4\nstart,g8,\"Hal Hazel\",0,8,2\nstart,g9,\"Ike Ivy\",0,9,1\n"
    "start,h1,\"Ann Able\",1,1,8\nstart,h2,\"Ben Baker\",1,2,6\nstart,h3,\"Cal Cole\",1,3,3\n"
    "start,h4,\"Dan Dale\",1,4,5\nstart,h5,\"Eve Evans\",1,5,9\nstart,h6,\"Flo Ford\",1,6,7\n"
    "start,h7,\"Gus Grant\",1,7,4\nstart,h8,\"Hank Hill\",1,8,2\nstart,h9,\"Ida Irwin\",1,9,1\n"
    "play,1,0,g1,00,X,S8\nplay,1,0,g2,00,X,64(1)3/GDP\nplay,1,0,g3,02,SSS,K\n"
    "play,1,1,h1,00,X,8/F\nplay,1,1,h2,00,X,63/G\nplay,1,1,h3,02,SSS,K\n"
    "data,er,h9,0\ndata,er,g9,0\n";

TEST(RetrosheetCheck, EachRuleTheReadersHold) {
  EXPECT_EQ(CheckRetrosheetGame(kChecked).Text(), "");
  auto changed = [](const std::string& from, const std::string& to) {
    std::string text = kChecked;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::pair<std::string, std::string> kBroken[] = {
      {kChecked.substr(0, kChecked.size() - 1), "the last line has no line feed after it"},
      {changed("version,2\n", "version,2\n\n"), "line 3: a blank line"},
      {changed("version,2\n", "version,2\r\n"), "line 2: a carriage return in the line"},
      {changed("data,er,h9,0\n", "com,\"" + std::string(300, 'a') + "\"\ndata,er,h9,0\n"),
       "line 29: the line is longer than 255 characters"},
      {changed("\"Al Ash\"", "Al \"Ash\""), "line 5: a quote inside a field"},
      {changed("version,2\n", "version,2\nbogus,1\n"), "line 3: unknown record \"bogus\""},
      {changed("start,h1,", "info,site,HAW01\nstart,h1,"),
       "line 14: an info record comes after the line-ups"},
      {changed("start,h9,\"Ida Irwin\",1,9,1", "start,h9,\"Ida Irwin\",1,9,2"),
       "line 22: two players start at position 2"},
      {changed("play,1,0,g2,00,X,64(1)3/GDP", "play,1,0,g2,00,X,S8.2-3"),
       "line 24: a runner moves from second base, where nobody is"},
      {changed("play,1,0,g2,00,X,64(1)3/GDP", "play,1,0,g2,00,X,S8.B-2"),
       "line 24: the runner from the batter passes the runner on first base"},
      {changed("play,1,0,g2,00,X,64(1)3/GDP", "play,1,0,g2,00,X,63/DP"),
       "line 24: a double play with fewer than two outs"},
      {changed("play,1,0,g2,00,X,64(1)3/GDP", "play,1,0,g2,00,X,64(1)3/TP"),
       "line 24: a triple play with fewer than three outs"},
      {changed("play,1,0,g2,", "play,1,0,g3,"), "line 24: g3 bats, but g2 is due up"},
      {changed("play,1,0,g3,02,SSS,K\n", ""), "line 25: the half before ends with 2 outs"},
      {changed("play,1,1,h1", "play,1,0,g4,00,,K\nplay,1,1,h1"),
       "line 26: a play after the third out of the half"},
      {changed("data,er,g9,0", "data,er,g1,0"), "line 30: g1 has earned runs but did not pitch"},
  };
  for (const auto& [text, finding] : kBroken) {
    EXPECT_EQ(CheckRetrosheetGame(text).Text(), finding);
  }
}

// A game's names and their ids: the first id given a name holds, however
// the names were given.
TEST(RetrosheetExportNames, TheFirstIdGivenANameHolds) {
  const std::string names = "Owen Pike|Al Reyes|Owen Pike|Bo Lind|Al Reyes";
  NameIds ids;
  ids.Add(std::string_view(names).substr(0, 9), "pikeo001");
  ids.Add(std::string_view(names).substr(10, 8), "reyea001");
  ids.Add(std::string_view(names).substr(19, 9), "pikeo002");
  ids.Add(std::string_view(names).substr(29, 7), "lindb001");
  ids.Add(std::string_view(names).substr(37, 8), "reyea002");
  ids.Seal();
  const std::map<std::string, std::string> want = {
      {"Owen Pike", "pikeo001"}, {"Al Reyes", "reyea001"}, {"Bo Lind", "lindb001"}};
  for (const auto& [name, id] : want) {
    ASSERT_NE(ids.Find(name), nullptr) << name;
    EXPECT_EQ(*ids.Find(name), id);
  }
  EXPECT_EQ(ids.Find("Owen"), nullptr);
  EXPECT_EQ(ids.Find(""), nullptr);
  ids.clear();
  ids.Seal();
  EXPECT_EQ(ids.Find("Owen Pike"), nullptr);
}

// Two names are the same exactly when their letters are, at any length
// and whichever letter differs.
TEST(RetrosheetExportNames, NamesAreTheSameWhenAllTheirLettersAre) {
  const std::string base = "Abernathy-Castellanos, Jo";
  for (std::size_t n = 0; n <= base.size(); ++n) {
    const std::string a = base.substr(0, n);
    EXPECT_TRUE(SameName(a, std::string(a))) << n;
    for (std::size_t at = 0; at < n; ++at) {
      std::string b = a;
      b[at] = '#';
      EXPECT_FALSE(SameName(a, b)) << n << " " << at;
    }
    if (n > 0) EXPECT_FALSE(SameName(a, base.substr(0, n - 1)));
  }
}

// An index of names that grows past its first room finds every name by
// its position, the first given holding; names alike but for their last
// letters, or for their length, are told apart.
TEST(RetrosheetExportNames, AnIndexOfNamesFindsEveryNameItWasGiven) {
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) names.push_back("Pike, Owen " + std::to_string(i));
  names.push_back("Bo");
  names.push_back("B");
  const auto name_at = [&](std::uint32_t i) { return std::string_view(names[i]); };
  NameIndex index;
  index.Reset(0);
  for (std::uint32_t i = 0; i < names.size(); ++i) EXPECT_EQ(index.Insert(names[i], i, name_at), i);
  const std::string again = "Pike, Owen 17";
  EXPECT_EQ(index.Insert(again, 999, name_at), 17U);
  for (std::uint32_t i = 0; i < names.size(); ++i) EXPECT_EQ(index.Find(names[i], name_at), i);
  for (const char* absent : {"Pike, Owen 200", "Pike, Owen", "", "b"}) {
    EXPECT_EQ(index.Find(absent, name_at), NameIndex::kNone) << absent;
  }
  EXPECT_EQ(NameIndex().Find("Bo", name_at), NameIndex::kNone);
}

// A move's short lists keep every value in order past the room they hold
// inside, and a copy is a list of its own.
TEST(RetrosheetExportNames, AShortListKeepsWhatPassesItsRoom) {
  ShortList<int, 2> list;
  for (int v : {7, 8, 9}) list.push_back(v);
  ShortList<int, 2> copy = list;
  copy.append(copy);
  list.push_back(10);
  EXPECT_EQ(std::vector<int>(list.begin(), list.end()), (std::vector<int>{7, 8, 9, 10}));
  EXPECT_EQ(std::vector<int>(copy.begin(), copy.end()), (std::vector<int>{7, 8, 9, 7, 8, 9}));
  EXPECT_EQ(copy.front(), 7);
  EXPECT_EQ(list.back(), 10);
  EXPECT_EQ(copy[4], 8);
}

// The small sets and maps of a play answer as the standard ones do, in
// order, past their room and again once cleared.
TEST(RetrosheetExportNames, SmallSetsAnswerAsTheStandardOnes) {
  SmallIntSet set;
  SmallIntMap map;
  for (int round = 0; round < 2; ++round) {
    std::set<int> want_set;
    std::map<int, int> want_map;
    set.clear();
    map.clear();
    for (int i = 0; i < 40; ++i) {
      const int v = (i * 17 + round * 5) % 23 - 4;  // repeats, negatives, out of order
      EXPECT_EQ(set.insert(v).second, want_set.insert(v).second) << v;
      map[v] += i;
      want_map[v] += i;
    }
    EXPECT_EQ(std::vector<int>(set.begin(), set.end()),
              std::vector<int>(want_set.begin(), want_set.end()));
    EXPECT_EQ(std::vector<SmallIntMap::Entry>(map.begin(), map.end()),
              std::vector<SmallIntMap::Entry>(want_map.begin(), want_map.end()));
    for (int v = -6; v < 22; ++v) {
      EXPECT_EQ(set.count(v), want_set.count(v)) << v;
      EXPECT_EQ(map.at(v), want_map.count(v) ? want_map.at(v) : 0) << v;
    }
  }
}

}  // namespace
}  // namespace scorewick::interop::testing
