#include "stats/accumulate.h"

#include <span>
#include <string_view>

#include "records/game_file.h"
#include "records/team_file.h"
#include "stats/side_counter.h"

namespace scorewick {

using counting::SideCounter;

void AccumulateGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
                    bool opponents) {
  if (stat.all_teams) {
    for (bool home : {true, false}) {
      stat.team_name = (home ? game.home : game.visitor).team_name.str();
      SideCounter(stat, game, n, pitching_split, batting_split, home).Count();
    }
    return;
  }
  const std::string_view team = stat.team_name;
  bool named_home;
  if (game.home.team_name.view() == team)
    named_home = true;
  else if (game.visitor.team_name.view() == team)
    named_home = false;
  else
    return;
  SideCounter(stat, game, n, pitching_split, batting_split, opponents ? !named_home : named_home)
      .Count();
}

namespace {

// Whether the named team plays in the game file: its two teams, which
// come right after the header, are read without the rest.  A file whose
// teams cannot be read is decoded in full, so that its fault is reported.
bool TeamPlays(std::span<const std::uint8_t> bytes, std::string_view team, Team& scratch) {
  ByteReader in(bytes);
  in.Skip(4 + kGameHeaderSize);
  UserMessages ignored;
  for (int side = 0; side < 2; ++side) {
    scratch.Clear();
    scratch.no_personal_info = 1;  // a game's teams carry none
    if (!in.ok() || ReadTeam(in, scratch, ignored) != TeamReadResult::kOk) return true;
    if (scratch.team_name.view() == team) return true;
  }
  return false;
}

}  // namespace

AccumulateReport Accumulate(Stat& stat, Split pitching_split, Split batting_split, bool opponents,
                            const AccumulateProgress& progress) {
  AccumulateReport report;
  Game game;
  Team scratch;
  GameIntake intake;
  for (int i = 0; i < stat.game_count(); ++i) {
    if (progress && !progress(i, stat.game_count())) {
      report.cancelled = true;
      return report;
    }
    if (auto refused = intake.Read(stat.file_name(i))) {
      report.refusals.push_back(std::move(*refused));
      continue;
    }
    if (!stat.all_teams && !TeamPlays(intake.bytes(), stat.team_name, scratch)) {
      ++report.games_read;
      continue;
    }
    if (auto refused = intake.Decode(game)) {
      report.refusals.push_back(std::move(*refused));
      continue;
    }
    ++report.games_read;
    ++report.games_of_team;
    AccumulateGame(stat, game, i + 1, pitching_split, batting_split, opponents);
  }
  FinishTables(stat);
  return report;
}

void Accumulate(Stat& stat, const Game& current_game, Split pitching_split, Split batting_split,
                bool opponents) {
  AccumulateGame(stat, current_game, 1, pitching_split, batting_split, opponents);
  FinishTables(stat);
}

}  // namespace scorewick