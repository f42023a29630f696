#include "stats/totals.h"

#include <algorithm>

#include "records/code_classes.h"
#include "stats/accumulate.h"

namespace scorewick {
namespace {

float Ratio(float numerator, float denominator) { return numerator / denominator; }

// Adds the totals rows named `name` to the three tables.  Their games are
// the games the side played, the batting IP the innings it batted and the
// fielding TP the outs it made in the field; every other counter is the
// sum of the rows.  Fielding rows of line-up roles go.
void AddTotals(Stat& stat, std::string_view name) {
  BattingStat bt;
  bt.name = name;
  for (const BattingStat& r : stat.batting) {
    AddCounters(bt, r);
  }
  bt.games = stat.games_played;
  bt.innings = stat.innings_batted;

  PitchingStat pt;
  pt.name = name;
  for (const PitchingStat& r : stat.pitching) {
    AddCounters(pt, r);
  }
  if (stat.rules.ll_pitching_rules) {
    for (PitchingStat& r : stat.pitching)
      r.outs = r.innings_pitched_in * stat.rules.outs_per_inning;
  }

  std::erase_if(stat.fielding,
                [](const FieldingStat& f) { return !IsFieldingPosition(f.position); });
  FieldingStat ft;
  ft.name = name;
  for (const FieldingStat& r : stat.fielding) {
    AddCounters(ft, r);
  }
  ft.games = stat.games_played;
  ft.outs_played = stat.outs_in_field;
  stat.batting.push_back(std::move(bt));
  stat.pitching.push_back(std::move(pt));
  stat.fielding.push_back(std::move(ft));
  stat.InvalidateIndex();
}

}  // namespace

void ComputeEra(Stat& stat) {
  for (PitchingStat& p : stat.pitching) {
    p.era =
        p.outs >= 1
            ? static_cast<float>(stat.innings_per_game) * static_cast<float>(p.earned_runs) /
                  Ratio(static_cast<float>(p.outs), static_cast<float>(stat.rules.outs_per_inning))
            : 0.0f;
  }
}

void ComputeDerived(Stat& stat) {
  for (BattingStat& b : stat.batting) {
    const float oab = static_cast<float>(b.at_bats);
    b.avg = b.at_bats >= 1 ? Ratio(static_cast<float>(b.hits), oab) : 0.0f;
    const std::int32_t total_bases = b.singles + 2 * b.doubles + 3 * b.triples + 4 * b.home_runs;
    b.slug =
        total_bases >= 1 && b.at_bats >= 1 ? Ratio(static_cast<float>(total_bases), oab) : 0.0f;
    const std::int32_t on_base_chances = b.at_bats + b.walks + b.hit_by_pitch + b.sacrifice_flies;
    b.oba = on_base_chances >= 1 ? Ratio(static_cast<float>(b.hits + b.walks + b.hit_by_pitch),
                                         static_cast<float>(on_base_chances))
                                 : 0.0f;
    b.sb_pct = b.steal_attempts >= 1 ? 100.0f * Ratio(static_cast<float>(b.stolen_bases),
                                                      static_cast<float>(b.steal_attempts))
                                     : 0.0f;
    const std::int32_t chances = b.put_outs + b.assists;
    b.fielding_avg =
        chances >= 1 ? Ratio(static_cast<float>(chances), static_cast<float>(chances + b.errors))
                     : 0.0f;
  }
  for (FieldingStat& f : stat.fielding) {
    const std::int32_t chances = f.put_outs + f.assists;
    f.fielding_avg =
        chances >= 1 ? Ratio(static_cast<float>(chances), static_cast<float>(chances + f.errors))
                     : 0.0f;
  }
  for (PitchingStat& p : stat.pitching) {
    p.oba = p.opponent_at_bats >= 1
                ? Ratio(static_cast<float>(p.hits), static_cast<float>(p.opponent_at_bats))
                : 0.0f;
    const std::int32_t first = p.first_pitch_strikes + p.first_pitch_balls;
    p.fps_pct = first >= 1 ? 100.0f * Ratio(static_cast<float>(p.first_pitch_strikes),
                                            static_cast<float>(first))
                           : 0.0f;
    const std::int32_t decisions = p.wins + p.losses;
    p.pct = decisions >= 1
                ? 100.0f * Ratio(static_cast<float>(p.wins), static_cast<float>(decisions))
                : 0.0f;
  }
  ComputeEra(stat);
}

void FinishTables(Stat& stat) {
  AddTotals(stat, kTeamTotalsName);
  ComputeDerived(stat);
  if (stat.all_teams) stat.team_name = kAllTeamsName;
}

void Combine(const Stat& source, Stat& target) {
  const bool had_rows = !target.batting.empty();
  // Appends the source rows; true when the target table was empty and so
  // took the source's totals row too.
  const auto append = [&](auto& to, const auto& from) {
    if (to.empty()) {
      to = from;
      return true;
    }
    to.pop_back();
    if (!from.empty()) to.insert(to.end(), from.begin(), from.end() - 1);
    return false;
  };
  const bool whole[3] = {append(target.batting, source.batting),
                         append(target.pitching, source.pitching),
                         append(target.fielding, source.fielding)};
  target.InvalidateIndex();
  target.innings_batted =
      had_rows ? target.innings_batted + source.innings_batted : source.innings_batted;
  target.outs_in_field =
      had_rows ? target.outs_in_field + source.outs_in_field : source.outs_in_field;
  // The sides put together, a team and its opponents, played the same
  // games.
  target.games_played =
      had_rows ? std::max(target.games_played, source.games_played) : source.games_played;
  if (!had_rows) return;
  if (whole[1] && !target.pitching.empty()) target.pitching.pop_back();
  if (whole[2] && !target.fielding.empty()) target.fielding.pop_back();
  AddTotals(target, kCombinedTotalsName);
  ComputeDerived(target);
}

}  // namespace scorewick
