// Games written as Retrosheet's files: every hand-typed game of the
// importer's tests comes back the same when it is written out and read in
// again (box by box: results, pitches, fielders, errors, earned runs,
// line-ups); the files a few of them make, as golden texts; the names the
// files give clubs and players; the ids and order of a season's games;
// what the files cannot hold; and the check every written game passes,
// rule by rule.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "interop/retrosheet_check.h"
#include "interop/retrosheet_event_files.h"
#include "interop/retrosheet_games.h"
#include "interop/retrosheet_names.h"
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
  return {h.year, h.month, h.day, h.start_hour, h.start_minute, game.home.team_name.str(),
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
    std::string why;
    if (!events.Add(i, games[i], out, &why)) {
      trip.refused.push_back(trip.names[i] + ": " + why);
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

TEST(RetrosheetExport, EveryFamilyOfPlaysComesBackTheSame) {
  // A book typed by hand lets the runner from second score past the one
  // on third on a walk: the readers refuse such a game, and so does the
  // export's check.
  ExpectSameGames("plays.txt",
                  {{"errors and how far they took the runners",
                    "its records would not be read as written (\"play,1,0,fir-f001,30,BBBB,W.2-H("
                    "E2/TH)(E8/TH)(UR)(NR);B-2\": the runner from second base passes the runner "
                    "on third base)"}});
}

TEST(RetrosheetExport, EveryKindOfSubstitutionComesBackTheSame) {
  ExpectSameGames("substitutions.txt");
}

}  // namespace
}  // namespace scorewick::interop::testing
