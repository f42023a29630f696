// The website of the sample season: golden pages, every link leading to a
// file of the site and none out of it, no player's last name with initials
// and no personal information of the team files in any mode, and a second
// publishing that rewrites only what changed.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "reports/site/player_names.h"
#include "reports/site/season_site.h"
#include "reports/site/site_folder.h"
#include "support/data_file.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"

namespace scorewick::site {
namespace {

namespace fs = std::filesystem;
using testing::ExpectGolden;

class SiteSeasonTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    const std::string games = dir_->Path("games");
    *games_ = testing::WriteSampleSeason(games, 24, 2024, true);
    ASSERT_EQ(games_->size(), 24u);
    for (const auto& entry : fs::directory_iterator(games)) {
      if (entry.path().extension() == ".tem") teams_->push_back(entry.path().string());
    }
  }
  static void TearDownTestSuite() { delete dir_; }

  static SiteRequest Request(bool all_teams, NameMode names) {
    SiteRequest r;
    r.games = *games_;
    r.all_teams = all_teams;
    r.team = all_teams ? "" : "Ashford Millers";
    r.names = names;
    for (int t = 0; t < kStatTableCount; ++t)
      r.layouts[t] = DefaultLayout(static_cast<StatTable>(t));
    r.workload = DefaultWorkloadRules();
    r.threads = 2;
    return r;
  }

  // Publishes into folder; the report, with the folder's counts.
  static SiteReport Publish(const SiteRequest& r, const std::string& folder, int* written = nullptr,
                            int* removed = nullptr) {
    SiteFolder out(folder);
    const SiteReport report = BuildSite(r, [&](const std::string& path, const std::string& text) {
      EXPECT_TRUE(out.Add(path, text)) << path;
    });
    EXPECT_TRUE(out.Finish());
    if (written) *written = out.written();
    if (removed) *removed = out.removed();
    return report;
  }

  static std::string Read(const fs::path& file) {
    std::string text;
    EXPECT_TRUE(ReadWholeTextFile(file.string(), text)) << file;
    return text;
  }

  static std::vector<fs::path> Files(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
      if (e.is_regular_file()) files.push_back(e.path());
    return files;
  }

  static TempDir* dir_;
  static std::vector<std::string>* games_;
  static std::vector<std::string>* teams_;
};

TempDir* SiteSeasonTest::dir_ = nullptr;
std::vector<std::string>* SiteSeasonTest::games_ = new std::vector<std::string>;
std::vector<std::string>* SiteSeasonTest::teams_ = new std::vector<std::string>;

TEST_F(SiteSeasonTest, PagesOfOneTeamAreTheGoldenOnes) {
  const std::string out = dir_->Path("team");
  const SiteReport report = Publish(Request(false, NameMode::kInitials), out);
  EXPECT_EQ(report.games_read, 12);  // the Millers' games only
  EXPECT_TRUE(report.refusals.empty());
  for (const char* page : {"index.html", "stats.html", "games/game-001.html"})
    ExpectGolden(Read(fs::path(out) / page),
                 std::string("site/") + fs::path(page).filename().string());
  // The first player page, whichever it is.
  std::vector<fs::path> players;
  for (const auto& e : fs::directory_iterator(fs::path(out) / "players"))
    players.push_back(e.path());
  std::sort(players.begin(), players.end());
  ASSERT_FALSE(players.empty());
  ExpectGolden(Read(players.front()), "site/player.html");
}

TEST_F(SiteSeasonTest, TheLeagueHasItsStandings) {
  const std::string out = dir_->Path("league");
  const SiteReport report = Publish(Request(true, NameMode::kInitials), out);
  EXPECT_EQ(report.games_read, 24);
  ExpectGolden(Read(fs::path(out) / "index.html"), "site/league.html");
  EXPECT_TRUE(fs::exists(fs::path(out) / "results.html"));
  EXPECT_TRUE(fs::exists(fs::path(out) / "teams/dunmore-lanterns-stats.html"));
}

// Every href and src of every page names a file of the site by a relative
// path that stays inside it; the style sheet fetches nothing.
TEST_F(SiteSeasonTest, EveryLinkLeadsToAFileOfTheSite) {
  for (const bool all : {false, true}) {
    const std::string out = dir_->Path(all ? "links-league" : "links-team");
    Publish(Request(all, NameMode::kInitials), out);
    const fs::path top = fs::canonical(out);
    const std::regex link(R"((?:href|src)="([^"]*)\")");
    int links = 0;
    for (const fs::path& file : Files(out)) {
      const std::string text = Read(file);
      if (file.extension() == ".css") {
        EXPECT_EQ(text.find("url("), std::string::npos);
        EXPECT_EQ(text.find("@import"), std::string::npos);
      }
      if (file.extension() != ".html") continue;
      EXPECT_EQ(text.find("http:"), std::string::npos) << file;
      EXPECT_EQ(text.find("https:"), std::string::npos) << file;
      for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m) {
        const std::string target = (*m)[1];
        ++links;
        ASSERT_FALSE(target.empty()) << file;
        EXPECT_NE(target.front(), '/') << file << ": " << target;
        EXPECT_EQ(target.find(':'), std::string::npos) << file << ": " << target;
        const fs::path to = (file.parent_path() / target).lexically_normal();
        EXPECT_TRUE(fs::is_regular_file(to)) << file << " links to " << target;
        const fs::path relative = fs::canonical(to.parent_path()).lexically_relative(top);
        EXPECT_TRUE(relative.empty() || *relative.begin() != "..") << file << ": " << target;
      }
    }
    EXPECT_GT(links, 300);
  }
}

// What must never be published: with initials, any player's last name; in
// any mode, the personal information the team files keep.
TEST_F(SiteSeasonTest, NoLastNameWithInitialsAndNoPersonalInformationEver) {
  std::set<std::string> last_names, personal;
  std::set<std::string> team_words;
  for (const std::string& path : *teams_) {
    Team team;
    ASSERT_TRUE(LoadTeam(path, team));
    team_words.insert(team.team_name.str());
    for (int i = 0; i < team.count(); ++i) {
      last_names.insert(SplitName(team.player(i).name.view()).last);
      const PLAYER_INFO& info = team.info(i);
      for (const std::string_view text : {info.phone.view(), info.address.view(), info.zip.view(),
                                          info.email.view(), info.note.view()}) {
        if (text.size() >= 4) personal.insert(std::string(text));
      }
    }
  }
  ASSERT_GT(last_names.size(), 20u);
  ASSERT_GT(personal.size(), 20u);
  struct Rule {
    NameMode mode;
    bool all_teams;
    bool last_names_hidden;
  };
  for (const Rule rule :
       {Rule{NameMode::kInitials, false, true}, Rule{NameMode::kInitials, true, true},
        Rule{NameMode::kFull, true, false}}) {
    const std::string out = dir_->Path("privacy-" + std::to_string(static_cast<int>(rule.mode)) +
                                       (rule.all_teams ? "-all" : "-one"));
    Publish(Request(rule.all_teams, rule.mode), out);
    bool some_last_name = false;
    for (const fs::path& file : Files(out)) {
      const std::string text = Read(file);
      for (const std::string& p : personal)
        EXPECT_EQ(text.find(p), std::string::npos) << p << " in " << file;
      for (const std::string& last : last_names) {
        const bool there = text.find(last) != std::string::npos;
        some_last_name = some_last_name || there;
        if (rule.last_names_hidden) {
          EXPECT_FALSE(there) << last << " in " << file;
        }
      }
      EXPECT_EQ(file.filename().string().find(".tem"), std::string::npos);
    }
    // With full names the last names are there: the search above finds them.
    EXPECT_EQ(some_last_name, !rule.last_names_hidden);
  }
}

// Names and notes are text on every page, whatever they hold.
TEST_F(SiteSeasonTest, NamesAndNotesCannotAddMarkup) {
  Game game;
  ASSERT_TRUE(LoadGame(games_->front(), game));
  game.home.team_name.set("<b>Bold</b> & Co");
  GAME_NOTE note;
  note.inning = 0;
  note.at_bat = 0;
  note.half = 1;
  note.text.set("<script>alert(1)</script>");
  game.notes.push_back(note);
  const std::string path = dir_->Path("marked.gam");
  ASSERT_TRUE(SaveGame(path, game));
  SiteRequest r = Request(true, NameMode::kInitials);
  r.games = {path};
  const std::string out = dir_->Path("marked");
  Publish(r, out);
  bool shown = false;
  for (const fs::path& file : Files(out)) {
    const std::string text = Read(file);
    EXPECT_EQ(text.find("<b>Bold"), std::string::npos) << file;
    EXPECT_EQ(text.find("<script>alert"), std::string::npos) << file;
    shown = shown || text.find("&lt;b&gt;Bold&lt;/b&gt; &amp; Co") != std::string::npos;
  }
  EXPECT_TRUE(shown);
  EXPECT_NE(Read(fs::path(out) / "games" / "marked.html").find("&lt;script&gt;alert(1)"),
            std::string::npos);
}

TEST_F(SiteSeasonTest, PublishingAgainWritesOnlyWhatChanged) {
  const std::string out = dir_->Path("again");
  SiteRequest r = Request(true, NameMode::kInitials);
  const std::string last = r.games.back();
  r.games.pop_back();
  int written = 0, removed = 0;
  Publish(r, out, &written, &removed);
  const int first = written;
  EXPECT_GT(first, 20);
  Publish(r, out, &written, &removed);
  EXPECT_EQ(written, 0);
  EXPECT_EQ(removed, 0);
  // One more game: its page, and the season's pages it changes.
  r.games.push_back(last);
  Publish(r, out, &written, &removed);
  EXPECT_GT(written, 0);
  EXPECT_LT(written, first);
  // The game chosen no longer: its page goes, nothing else.
  const fs::path page = fs::path(out) / "games" / (fs::path(last).stem().string() + ".html");
  ASSERT_TRUE(fs::exists(page));
  r.games.pop_back();
  fs::path stranger = fs::path(out) / "games" / "mine.txt";
  ASSERT_TRUE(WriteTextFileAtomically(stranger.string(), "kept"));
  Publish(r, out, &written, &removed);
  EXPECT_FALSE(fs::exists(page));
  EXPECT_EQ(removed, 1);
  EXPECT_TRUE(fs::exists(stranger));
}

// The names a published site shows for players: first name and last
// initial, as many more letters as keep two players of a team apart.

struct NamesCase {
  const char* why;
  std::set<std::string> team;
  std::map<std::string, std::string> shown;
};

TEST(SiteNamesTest, InitialsStayUniqueWithinATeam) {
  const NamesCase cases[] = {
      {"one player", {"Ann Able"}, {{"Ann Able", "Ann A."}}},
      {"two first names alike",
       {"Ann Able", "Ann Adams"},
       {{"Ann Able", "Ann Ab."}, {"Ann Adams", "Ann Ad."}}},
      {"other first names need no more letters",
       {"Ann Able", "Bob Able"},
       {{"Ann Able", "Ann A."}, {"Bob Able", "Bob A."}}},
      {"a last name inside another shows whole",
       {"Ann Lee", "Ann Leeds"},
       {{"Ann Lee", "Ann Lee"}, {"Ann Leeds", "Ann Leed."}}},
      {"a suffix goes with the last name",
       {"Joe Smith Jr.", "Mary Ann Kent"},
       {{"Joe Smith Jr.", "Joe S."}, {"Mary Ann Kent", "Mary Ann K."}}},
      {"one word is a first name", {"Pele"}, {{"Pele", "Pele"}}},
      {"blanks around the words", {" Ann  Able "}, {{" Ann  Able ", "Ann A."}}},
  };
  for (const NamesCase& c : cases)
    EXPECT_EQ(ShownNames(c.team, NameMode::kInitials), c.shown) << c.why;
}

TEST(SiteNamesTest, FullNamesShowAsTheyAre) {
  EXPECT_EQ(
      ShownNames({"Ann Able", "Ann Adams"}, NameMode::kFull),
      (std::map<std::string, std::string>{{"Ann Able", "Ann Able"}, {"Ann Adams", "Ann Adams"}}));
}

TEST(SiteNamesTest, TeamsAreKeptApart) {
  PlayerNames names(NameMode::kInitials);
  names.Add("Gulls", "Ann Able");
  names.Add("Gulls", "Ann Adams");
  names.Add("Hawks", "Ann Able");
  names.Finish();
  EXPECT_EQ(names.Shown("Gulls", "Ann Able"), "Ann Ab.");
  EXPECT_EQ(names.Shown("Hawks", "Ann Able"), "Ann A.");
  EXPECT_EQ(names.Shown("Hawks", "Zed Zorro"), "Zed Z.");  // never gathered: still hidden
}

}  // namespace
}  // namespace scorewick::site
