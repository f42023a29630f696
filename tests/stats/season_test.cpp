// Invariants of a long simulated season, played in memory: what each
// game records and what the tables count must agree, team by team and
// game by game, and over the whole season in all-teams mode.
#include "sim/season.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "records/codes.h"
#include "records/game_file.h"
#include "scoring/league_rules.h"
#include "sim/sample_teams.h"
#include "sim/simulator.h"
#include "stats/accumulate.h"
#include "support/sample_games.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

constexpr int kGames = 2000;

struct SideTruth {
  int runs = 0;  // runs the side's batting halves recorded
  int outs = 0;  // boxes of its batting halves that end in an out
};

SideTruth Truth(const Game& game, bool home) {
  SideTruth t;
  for (int i = 0; i <= game.LastInning(); ++i) {
    const HALF_INNING& half = game.innings[static_cast<std::size_t>(i)].half(!home);
    t.runs += half.runs;
    for (const AT_BAT& ab : half.at_bats) t.outs += ab.out ? 1 : 0;
  }
  return t;
}

// Applies M to each summed field of the row type Row.
#define SCOREWICK_EACH_SUMMED(Row, M)                       \
  if constexpr (std::is_same_v<Row, BattingStat>) {         \
    SCOREWICK_BATTING_SUMMED(M)                             \
    SCOREWICK_BATTING_PER_BASE(M)                           \
  } else if constexpr (std::is_same_v<Row, PitchingStat>) { \
    SCOREWICK_PITCHING_SUMMED(M)                            \
    SCOREWICK_PITCHING_PER_BASE(M)                          \
  } else {                                                  \
    SCOREWICK_FIELDING_SUMMED(M)                            \
    SCOREWICK_FIELDING_PER_BASE(M)                          \
  }

template <typename Row>
void ExpectTotalsAreSums(const std::vector<Row>& rows, const char* table) {
  ASSERT_FALSE(rows.empty());
  Row sum;
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) AddCounters(sum, rows[i]);
  const Row& total = rows.back();
#define SCOREWICK_CHECK(f) EXPECT_EQ(total.f, sum.f) << table << " " #f;
  SCOREWICK_EACH_SUMMED(Row, SCOREWICK_CHECK)
#undef SCOREWICK_CHECK
}

// A pitcher's line in a table, zeros when the table has none for him.
PitchingStat LineOf(const Stat& s, const std::string& name) {
  for (std::size_t i = 0; i + 1 < s.pitching.size(); ++i) {
    if (s.pitching[i].name == name) return s.pitching[i];
  }
  return {};
}

bool IsDecision(std::string_view counter) {
  return counter == "wins" || counter == "losses" || counter == "saves";
}

// Where a pitcher's lines against right- and left-handed batters do not
// add up to his line against all: every counter but the decisions (a win,
// loss or save is the pitcher's whoever he faced, and stands in every
// table that has his line).  Empty when they all add up.
std::string SplitMismatch(const Stat& all, const Stat& right, const Stat& left) {
  std::string out;
  for (std::size_t i = 0; i + 1 < all.pitching.size(); ++i) {
    const PitchingStat& a = all.pitching[i];
    PitchingStat sum = LineOf(right, a.name);
    AddCounters(sum, LineOf(left, a.name));
#define SCOREWICK_CHECK(f) \
  if (sum.f != a.f && !IsDecision(#f)) out += a.name + " " #f "; ";
    SCOREWICK_PITCHING_SUMMED(SCOREWICK_CHECK)
    SCOREWICK_PITCHING_PER_BASE(SCOREWICK_CHECK)
#undef SCOREWICK_CHECK
  }
  for (const Stat* split : {&right, &left}) {
    for (std::size_t i = 0; i + 1 < split->pitching.size(); ++i) {
      if (LineOf(all, split->pitching[i].name).name.empty())
        out += split->pitching[i].name + " only in a split; ";
    }
  }
  return out;
}

// Whether the earned run average over all batters lies between those
// against right- and left-handed ones, when both are defined: innings and
// earned runs are shared out between the two.
bool EraBetween(const Stat& all, const Stat& right, const Stat& left) {
  const PitchingStat& r = right.pitching.back();
  const PitchingStat& l = left.pitching.back();
  if (r.outs < 1 || l.outs < 1) return true;
  const float low = std::min(r.era, l.era), high = std::max(r.era, l.era);
  const float slack = 1e-5f * high;
  return all.pitching.back().era >= low - slack && all.pitching.back().era <= high + slack;
}

TEST(Season, InvariantsOverTwoThousandGames) {
  const std::vector<Team> teams = sim::SampleTeams();
  const std::vector<sim::ScheduledGame> schedule =
      sim::MakeSchedule(teams, kGames, scoring::LeagueRules{}, 11);
  ASSERT_EQ(schedule.size(), static_cast<std::size_t>(kGames));
  Stat season;  // all teams, every game
  season.all_teams = true;
  Stat otters, otters_right, otters_left;  // one team over the season, and split
  for (Stat* s : {&otters, &otters_right, &otters_left}) s->team_name = teams[1].team_name.str();
  long long all_runs = 0;
  Game game;
  for (int n = 0; n < kGames; ++n) {
    const sim::ScheduledGame& s = schedule[static_cast<std::size_t>(n)];
    game = Game();
    std::string error;
    ASSERT_TRUE(SimulateGame(teams[static_cast<std::size_t>(s.home)],
                             teams[static_cast<std::size_t>(s.visitor)], s.setup, game, &error))
        << error;
    AccumulateGame(season, game, n + 1, Split::kAll, Split::kAll, false);
    AccumulateGame(otters, game, n + 1, Split::kAll, Split::kAll, false);
    AccumulateGame(otters_right, game, n + 1, Split::kRight, Split::kAll, false);
    AccumulateGame(otters_left, game, n + 1, Split::kLeft, Split::kAll, false);
    for (bool home : {true, false}) {
      const SideTruth truth = Truth(game, home);
      const SideTruth other = Truth(game, !home);
      all_runs += truth.runs;
      Stat team, opponents;
      team.team_name = opponents.team_name = (home ? game.home : game.visitor).team_name.str();
      Accumulate(team, game, Split::kAll, Split::kAll, false);
      Accumulate(opponents, game, Split::kAll, Split::kAll, true);
      // The side's batting, what the other side's pitching counted against
      // it, and the outs its fielders and pitchers made, all agree.
      const BattingStat& bat = team.batting.back();
      const PitchingStat& against = opponents.pitching.back();
      ASSERT_EQ(std::tuple(bat.runs, against.runs, against.batters_faced, against.hits,
                           against.home_runs, against.walks, against.hit_batsmen,
                           against.strikeouts, against.opponent_at_bats, bat.games),
                std::tuple(truth.runs, truth.runs, bat.plate_appearances, bat.hits, bat.home_runs,
                           bat.walks, bat.hit_by_pitch, bat.strikeouts(), bat.at_bats, 1))
          << "game " << n + 1;
      ASSERT_EQ(std::tuple(team.fielding.back().put_outs, team.fielding.back().outs_played,
                           team.pitching.back().outs, bat.hits),
                std::tuple(other.outs, other.outs, other.outs,
                           bat.singles + bat.doubles + bat.triples + bat.home_runs))
          << "game " << n + 1;
      // Against right- and left-handed batters: every pitcher's line is
      // shared out between the two (switch hitters, relievers in the
      // middle of a turn).
      Stat right, left;
      right.team_name = left.team_name = team.team_name;
      Accumulate(right, game, Split::kRight, Split::kAll, false);
      Accumulate(left, game, Split::kLeft, Split::kAll, false);
      ASSERT_EQ(SplitMismatch(team, right, left), "") << "game " << n + 1;
      ASSERT_TRUE(EraBetween(team, right, left)) << "game " << n + 1;
    }
  }
  for (Stat* s : {&season, &otters, &otters_right, &otters_left}) FinishTables(*s);
  EXPECT_EQ(SplitMismatch(otters, otters_right, otters_left), "");
  EXPECT_TRUE(EraBetween(otters, otters_right, otters_left));
  // The totals rows count the side's games and its outs in the field.
  EXPECT_EQ(std::tuple(otters.fielding.back().games, otters.fielding.back().outs_played),
            std::tuple(kGames / 2, otters.pitching.back().outs));
  EXPECT_EQ(season.team_name, "All Teams");
  const BattingStat& bat = season.batting.back();
  const PitchingStat& pitch = season.pitching.back();
  EXPECT_EQ(std::tuple(bat.runs, pitch.batters_faced, pitch.hits, pitch.walks),
            std::tuple(all_runs, bat.plate_appearances, bat.hits, bat.walks));
  // Far past what a 16-bit counter holds.
  EXPECT_GT(season.pitching.back().pitch_count, 100000);
  EXPECT_EQ(otters.batting.back().games, kGames / 2);  // four teams: each plays every other game
  for (const Stat* s : {&season, &otters}) {
    ExpectTotalsAreSums(s->batting, "batting");
    ExpectTotalsAreSums(s->pitching, "pitching");
    ExpectTotalsAreSums(s->fielding, "fielding");
  }
}

// Counting on many cores: each game counted apart on the thread that read
// it, and the parts added in list order, must give the very tables one
// thread gives, every field of every row, in every mode of counting.

constexpr int kApartGames = 48;

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
    paths = testing::WriteSampleSeason(dir.path().string(), kApartGames, 3);
    ASSERT_EQ(paths.size(), std::size_t{kApartGames});
    std::vector<std::pair<std::string, std::string>> starters;  // team, starter: earlier games
    for (int i = 0; i < kApartGames; ++i) {
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
      played.push_back({game.home.team_name.str(), game.visitor.team_name.str(),
                        LocalDate{game.header.year, game.header.month, game.header.day}});
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
      EXPECT_EQ(report.games_read, kApartGames);
      ExpectTeamsGames(report, team, all_teams);
      dumps[threads == 1 ? 0 : 1] = Dump(mine) + (all_teams ? "" : Dump(theirs));
      last = std::move(mine);
    }
    return {dumps[0], dumps[1]};
  }

  // The report names as many games of the team, and their first and last
  // days, as the games written hold.
  void ExpectTeamsGames(const AccumulateReport& report, const std::string& team, bool all_teams) {
    int count = 0;
    std::optional<LocalDate> first, last;
    for (const Played& p : played) {
      if (!all_teams && p.home != team && p.visitor != team) continue;
      ++count;
      first = first ? std::min(*first, p.day) : p.day;
      last = last ? std::max(*last, p.day) : p.day;
    }
    EXPECT_EQ(report.games_of_team, count) << team;
    EXPECT_EQ(report.first_day, first) << team;
    EXPECT_EQ(report.last_day, last) << team;
  }

  struct Played {
    std::string home, visitor;
    LocalDate day;
  };
  TempDir dir;
  std::vector<Team> teams;
  std::vector<Played> played;  // each game's clubs and day, as written
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
