#include "stats/game_part.h"

namespace scorewick {
namespace {

// The game's line of a player added to his season line.  A row the game
// made but in which the player did not appear (a name in an out chain
// only) adds no game or inning; the markers of the game's last appearance
// come along, so that a later credit of the same game sees them.
void AddLine(BattingStat& to, const BattingStat& from, int n) {
  for (int i = 0; i < from.position_count; ++i)
    to.AddPosition(from.positions[static_cast<std::size_t>(i)]);
  if (from.last_game == n) {
    to.games += from.games;
    to.innings += from.innings;
    to.last_game = n;
    to.last_inning = from.last_inning;
  }
  AddCounters(to, from);
}

void AddLine(PitchingStat& to, const PitchingStat& from, int n) {
  if (from.last_game_seen == n) {
    to.last_game_seen = n;
    to.last_inning_seen = from.last_inning_seen;
  }
  AddCounters(to, from);
}

void AddLine(FieldingStat& to, const FieldingStat& from, int n) {
  if (from.last_game == n) {
    to.games += from.games;
    to.last_game = n;
  }
  to.outs_played += from.outs_played;
  AddCounters(to, from);
}

template <typename Row>
Row& At(std::vector<Row>& rows, int i) {
  return rows[static_cast<std::size_t>(i)];
}

}  // namespace

void GamePart::Count(const Stat& like, const Game& game, int n, Split pitching_split,
                     Split batting_split, bool opponents) {
  part_.ClearTables();
  late_.clear();
  n_ = n;
  part_.rules = like.rules;
  part_.innings_per_game = like.innings_per_game;
  part_.team_name = like.team_name;
  part_.all_teams = like.all_teams;
  counting::CountGame(part_, game, n, pitching_split, batting_split, opponents, &late_);
}

void GamePart::AddTo(Stat& stat) const {
  if (part_.last_game_played == n_ && stat.last_game_played != n_) {
    ++stat.games_played;
    stat.last_game_played = n_;
  }
  stat.innings_batted += part_.innings_batted;
  stat.outs_in_field += part_.outs_in_field;
  // A late credit goes only to a row of an earlier game: any row of the
  // game's own that counting in turn would have found was already in the
  // part when the game was counted.
  const int earlier_pitchers = static_cast<int>(stat.pitching.size());
  for (const BattingStat& line : part_.batting)
    AddLine(At(stat.batting, stat.FindOrAddBatting(line.name, line.team, 0)), line, n_);
  for (const PitchingStat& line : part_.pitching)
    AddLine(At(stat.pitching, stat.FindOrAddPitching(line.name, line.team)), line, n_);
  for (const FieldingStat& line : part_.fielding) {
    AddLine(At(stat.fielding, stat.FindOrAddFielding(line.name, line.team, line.position)), line,
            n_);
  }
  for (const counting::LateCredit& credit : late_) {
    const int p = stat.FindPitching(credit.name, credit.team);
    if (p < 0 || p >= earlier_pitchers) continue;
    PitchingStat& pitcher = At(stat.pitching, p);
    if (credit.inning >= 0) {
      // Once per inning of the game, as counting in turn would.
      if (pitcher.last_game_seen == n_ && pitcher.last_inning_seen == credit.inning) continue;
      pitcher.last_game_seen = n_;
      pitcher.last_inning_seen = credit.inning;
    }
    ++(pitcher.*credit.counter);
  }
}

}  // namespace scorewick
