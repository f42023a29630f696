// Counting on many cores: each game counted apart on the thread that read
// it, and the parts added in list order, must give the very tables one
// thread gives, every field of every row, in every mode of counting.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "records/game_file.h"
#include "sim/sample_teams.h"
#include "stats/accumulate.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

constexpr int kGames = 48;

void Put(std::ostream& out, const char* name, std::int32_t value) {
  if (value != 0) out << ' ' << name << ' ' << value;
}
void Put(std::ostream& out, const char* name, const BaseCounts& value) {
  for (std::size_t i = 0; i < value.size(); ++i) Put(out, name, value[i]);
}

// Every field of every row, one row a line.
std::string Dump(const Stat& s) {
  std::ostringstream out;
  out << s.team_name << " games " << s.games_played << " innings " << s.innings_batted << " outs "
      << s.outs_in_field << '\n';
#define SCOREWICK_FIELD(f) Put(out, #f, r.f);
  for (const BattingStat& r : s.batting) {
    out << "B " << r.name << '/' << r.team << " pos " << r.positions[0] << r.positions[1]
        << r.positions[2] << r.positions[3] << " g " << r.games << " ip " << r.innings << " avg "
        << r.avg << " slug " << r.slug << " oba " << r.oba;
    SCOREWICK_BATTING_SUMMED(SCOREWICK_FIELD)
    SCOREWICK_BATTING_PER_BASE(SCOREWICK_FIELD)
    out << '\n';
  }
  for (const PitchingStat& r : s.pitching) {
    out << "P " << r.name << '/' << r.team << " era " << r.era << " pct " << r.pct;
    SCOREWICK_PITCHING_SUMMED(SCOREWICK_FIELD)
    SCOREWICK_PITCHING_PER_BASE(SCOREWICK_FIELD)
    out << '\n';
  }
  for (const FieldingStat& r : s.fielding) {
    out << "F " << r.name << '/' << r.team << " at " << r.position << " g " << r.games << " tp "
        << r.outs_played;
    SCOREWICK_FIELDING_SUMMED(SCOREWICK_FIELD)
    SCOREWICK_FIELDING_PER_BASE(SCOREWICK_FIELD)
    out << '\n';
  }
#undef SCOREWICK_FIELD
  return out.str();
}

// A season of the sample teams as files, with games made awkward for
// counting apart: decisions given to a pitcher of an earlier game who did
// not pitch in this one (his row lies only among earlier games' rows), and
// one game of a club against a club of the same name (its two sides share
// rows, counting every team).
class CountedApartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    teams = sim::SampleTeams();
    paths = testing::WriteSampleSeason(dir.path().string(), kGames, 3);
    ASSERT_EQ(paths.size(), std::size_t{kGames});
    std::vector<std::pair<std::string, std::string>> starters;  // team, starter: earlier games
    for (int i = 0; i < kGames; ++i) {
      Game game;
      ASSERT_TRUE(LoadGame(paths[static_cast<std::size_t>(i)], game));
      const std::string home = game.home.team_name.str();
      const std::string starter = game.innings[0].top.at_bats[0].pitchers[0].pitcher.name.str();
      // Every fifth game's win and save go to the home starter of an
      // earlier game, who did not pitch in this one.
      for (const auto& [team, earlier] : starters) {
        if (i % 5 == 4 && team == home && earlier != starter) {
          game.winning_pitcher.name.set(earlier);
          game.saving_pitcher.name.set(earlier);
          credited.emplace_back(team, earlier);
          break;
        }
      }
      if (i == 7) game.visitor.team_name = game.home.team_name;
      starters.emplace_back(home, starter);
      ASSERT_TRUE(SaveGame(paths[static_cast<std::size_t>(i)], game));
    }
    ASSERT_FALSE(credited.empty());
  }

  // Counted on one thread, then on three: the two dumps.  The tables of
  // three threads are kept in last.
  std::pair<std::string, std::string> Both(const std::string& team, bool all_teams, Split pitching,
                                           Split batting, StatRules rules) {
    std::string dumps[2];
    for (int threads : {1, 3}) {
      Stat mine(rules), theirs(rules);
      for (Stat* s : {&mine, &theirs}) {
        s->team_name = team;
        s->all_teams = all_teams;
      }
      const AccumulateReport report = AccumulateSides(paths, &mine, all_teams ? nullptr : &theirs,
                                                      pitching, batting, {}, threads);
      EXPECT_EQ(report.games_read, kGames);
      dumps[threads == 1 ? 0 : 1] = Dump(mine) + (all_teams ? "" : Dump(theirs));
      last = std::move(mine);
    }
    return {dumps[0], dumps[1]};
  }

  TempDir dir;
  std::vector<Team> teams;
  std::vector<std::string> paths;
  std::vector<std::pair<std::string, std::string>> credited;  // team, pitcher given decisions
  Stat last;
};

TEST_F(CountedApartTest, ManyThreadsGiveTheTablesOfOne) {
  StatRules league;
  league.ll_pitching_rules = true;
  for (const Team& t : teams) {
    for (const StatRules& rules : {StatRules{}, league}) {
      for (Split pitching : {Split::kAll, Split::kLeft}) {
        const auto [one, many] = Both(t.team_name.str(), false, pitching, Split::kRight, rules);
        ASSERT_EQ(one, many) << t.team_name.str();
      }
    }
  }
  const auto [one, many] = Both("", true, Split::kAll, Split::kAll, league);
  EXPECT_EQ(one, many);
  // The saves given to earlier games' starters were counted: a starter
  // saves no game he pitches in.
  for (const auto& [team, pitcher] : credited) {
    const int row = last.FindPitching(pitcher, team);
    ASSERT_GE(row, 0) << pitcher;
    EXPECT_GT(last.pitching[static_cast<std::size_t>(row)].saves, 0) << pitcher;
  }
}

}  // namespace
}  // namespace scorewick
