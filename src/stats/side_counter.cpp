#include "stats/side_counter.h"

#include <algorithm>

#include "records/codes.h"
#include "stats/entries.h"

namespace scorewick::counting {

int SideCounter::BattingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.batting) {
    if (e.name == name) {
      Bat(e.row).AddPosition(position);
      return e.row;
    }
  }
  const int row = s_.FindOrAddBatting(name, team_, position);
  rows_.batting.push_back({std::string(name), 0, row});
  return row;
}

int SideCounter::PitchingRow(std::string_view name) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.pitching) {
    if (e.name == name) return e.row;
  }
  const int row = s_.FindOrAddPitching(name, team_);
  rows_.pitching.push_back({std::string(name), 0, row});
  return row;
}

int SideCounter::FieldingRow(std::string_view name, std::int32_t position) {
  if (name.empty()) return -1;
  for (const Stat::TeamRows::Entry& e : rows_.fielding) {
    if (e.position == position && e.name == name) return e.row;
  }
  const int row = s_.FindOrAddFielding(name, team_, position);
  rows_.fielding.push_back({std::string(name), position, row});
  return row;
}

void SideCounter::CreditLate(std::string_view name, std::int32_t PitchingStat::*counter,
                             int inning) {
  if (late_ != nullptr && !name.empty())
    late_->push_back({std::string(name), std::string(team_), counter, inning});
}

bool SideCounter::IsGamePitcher(std::string_view name) {
  if (game_pitchers_.empty()) {
    for (const INNING& in : game_.innings) {
      for (const HALF_INNING* h : {&in.top, &in.bottom}) {
        for (const PLAYER& p : h->defense) {
          if (p.position == kPosPitcher && !p.name.empty()) game_pitchers_.push_back(View(p.name));
        }
        for (const AT_BAT& ab : h->at_bats) {
          for (const PITCHER_SLOT& slot : ab.pitchers) {
            if (!slot.pitcher.name.empty()) game_pitchers_.push_back(View(slot.pitcher.name));
          }
        }
      }
    }
    std::sort(game_pitchers_.begin(), game_pitchers_.end());
    game_pitchers_.erase(std::unique(game_pitchers_.begin(), game_pitchers_.end()),
                         game_pitchers_.end());
    game_pitchers_.push_back({});  // marks the list as built
  }
  return std::find(game_pitchers_.begin(), game_pitchers_.end(), name) != game_pitchers_.end();
}

bool SideCounter::InDefense(std::string_view name) const {
  return std::find(defense_names_.begin(), defense_names_.end(), name) != defense_names_.end();
}

int SideCounter::Start(const PLAYER& entry, int inning) const {
  return HeldFrom(entry, inning, /*top=*/!batting_top_);
}

std::string_view SideCounter::Catcher(const HALF_INNING& half, int inning, int index,
                                      bool entered_here) const {
  std::string_view found;
  std::string_view first;
  for (const PLAYER& p : half.defense) {
    if (p.position != kPosCatcher || p.name.empty()) continue;
    if (first.empty()) first = View(p.name);
    if (Start(p, inning) < index + (entered_here ? 1 : 0)) found = View(p.name);
  }
  return found.empty() ? first : found;
}

void SideCounter::Count() {
  // Counting every team, a game is counted for each of its two but was
  // played once.
  if (s_.last_game_played != n_) {
    ++s_.games_played;
    s_.last_game_played = n_;
  }
  for (int i = 0; i < kInnings; ++i) {
    const INNING& inning = game_.innings[static_cast<std::size_t>(i)];
    if (inning.top.at_bats.empty() && inning.bottom.at_bats.empty()) break;
    const HALF_INNING& bat = inning.half(batting_top_);
    const HALF_INNING& field = inning.half(!batting_top_);
    BattingHalf(bat);
    defense_names_.clear();
    for (const PLAYER& p : field.defense) defense_names_.push_back(View(p.name));
    wild_pitch_moments_.clear();
    balk_moments_.clear();
    for (std::size_t a = 0; a < field.at_bats.size(); ++a) {
      PitchingPlate(field, i, static_cast<int>(a), field.at_bats[a]);
      final_plate_ = &field.at_bats[a];
    }
    // A pitcher who came in and left before facing a batter has his line.
    if (!field.at_bats.empty()) {
      for (const PLAYER& p : field.defense) {
        if (p.position == kPosPitcher) PitchingRow(View(p.name));
      }
    }
    Appearances(i, bat, field);
  }
  EndOfGame();
}

void SideCounter::MarkAppeared(int row, int inning) {
  if (row < 0) return;
  BattingStat& b = Bat(row);
  if (!(b.last_inning == inning && b.last_game == n_)) {
    ++b.innings;
    b.last_inning = inning;
  }
  if (b.last_game != n_) {
    ++b.games;
    b.last_game = n_;
  }
}

void SideCounter::Appearances(int inning, const HALF_INNING& bat, const HALF_INNING& field) {
  if (!bat.at_bats.empty()) BattingAppearances(inning, bat);
  if (field.at_bats.empty()) return;
  FieldingAppearances(inning, field);
  if (s_.rules.ll_pitching_rules) InningsPitchedIn(inning, field);
}

// A player of the batting line-up appeared when he is in it (active, at a
// position) or batted or ran in the half.
void SideCounter::BattingAppearances(int inning, const HALF_INNING& bat) {
  named_.clear();
  for (const AT_BAT& ab : bat.at_bats) {
    named_.push_back(View(ab.batter.name));
    if (!ab.pinch_runner.name.empty()) named_.push_back(View(ab.pinch_runner.name));
  }
  for (const PLAYER& e : bat.offense) {
    const std::string_view name = View(e.name);
    const bool appeared = (e.active && e.position != kPosBench) ||
                          std::find(named_.begin(), named_.end(), name) != named_.end();
    if (appeared) MarkAppeared(BattingRow(name, e.position), inning);
  }
}

// Each fielder is in the field from his entry until the next player at
// his position, and plays the outs made meanwhile.
void SideCounter::FieldingAppearances(int inning, const HALF_INNING& field) {
  const int plates = static_cast<int>(field.at_bats.size());
  // Outs made before each plate appearance of the half.
  outs_before_.assign(1, 0);
  for (const AT_BAT& ab : field.at_bats)
    outs_before_.push_back(outs_before_.back() + (ab.out ? 1 : 0));
  s_.outs_in_field += outs_before_.back();
  for (std::size_t d = 0; d < field.defense.size(); ++d) {
    const PLAYER& e = field.defense[d];
    const std::string_view name = defense_names_[d];  // View(e.name), found already
    const int f = FieldingRow(name, e.position);
    if (f < 0) continue;
    const int begin = std::min(Start(e, inning), plates);
    int end = plates;
    for (std::size_t later = d + 1; later < field.defense.size(); ++later) {
      if (field.defense[later].position == e.position) {
        end = std::clamp(Start(field.defense[later], inning), begin, plates);
        break;
      }
    }
    FieldingStat& fs = Fld(f);
    fs.outs_played +=
        outs_before_[static_cast<std::size_t>(end)] - outs_before_[static_cast<std::size_t>(begin)];
    if (fs.last_game != n_) {
      ++fs.games;
      fs.last_game = n_;
    }
    if (AppearedInField(e, name, field)) MarkAppeared(BattingRow(name, e.position), inning);
  }
}

// A fielder appeared when he is in the line-up (active, at a position) or
// the half names him in an out chain or as a pitcher.
bool SideCounter::AppearedInField(const PLAYER& entry, std::string_view name,
                                  const HALF_INNING& field) const {
  if (entry.active && entry.position != kPosBench) return true;
  for (const AT_BAT& ab : field.at_bats) {
    const std::int32_t listed = ab.out_credit_count;
    for (int k = 0; k < std::clamp(listed, 0, kMaxCredits); ++k) {
      if (View(ab.out_credits[static_cast<std::size_t>(k)].name) == name) return true;
    }
    for (const PITCHER_SLOT& s : ab.pitchers) {
      if (View(s.pitcher.name) == name) return true;
    }
  }
  return false;
}

// The league's pitching rules count the innings a pitcher pitched in, once
// per inning of a game.
void SideCounter::InningsPitchedIn(int inning, const HALF_INNING& field) {
  for (const AT_BAT& ab : field.at_bats) {
    for (const PITCHER_SLOT& slot : ab.pitchers) {
      const int p = s_.FindPitching(View(slot.pitcher.name), team_);
      if (p < 0) {
        CreditLate(View(slot.pitcher.name), &PitchingStat::innings_pitched_in, inning);
        continue;
      }
      PitchingStat& ps = Pit(p);
      if (ps.last_game_seen == n_ && ps.last_inning_seen == inning) continue;
      ++ps.innings_pitched_in;
      ps.last_game_seen = n_;
      ps.last_inning_seen = inning;
    }
  }
}

void SideCounter::EndOfGame() {
  if (starter_ >= 0 && final_plate_ != nullptr) {
    const PLAYER& last =
        final_plate_->pitchers[static_cast<std::size_t>(final_plate_->PitcherCount() - 1)].pitcher;
    if (s_.FindPitching(View(last.name), team_) == starter_) {
      ++Pit(starter_).complete_games;
      // The other side's runs, recomputed from the innings.
      std::int64_t runs = 0;  // stored figures of any size
      for (int i = 0; i <= game_.LastInning(); ++i)
        runs += game_.innings[static_cast<std::size_t>(i)].half(!batting_top_).runs;
      if (runs == 0) ++Pit(starter_).shutouts;
    }
  }
  // A decision is the side's whose pitcher took it: a pitcher who changed
  // clubs during the season may have a row for each.  One the game shows
  // pitching for neither side is credited where his row is found.
  const auto pitched_for = [&](std::string_view name, bool fielding_top) {
    for (int i = 0; i <= game_.LastInning(); ++i) {
      for (const PLAYER& p :
           game_.innings[static_cast<std::size_t>(i)].half(fielding_top).defense) {
        if (p.position == kPosPitcher && View(p.name) == name) return true;
      }
    }
    return false;
  };
  const auto decision = [&](const PLAYER& who, std::int32_t PitchingStat::*counter) {
    const std::string_view name = View(who.name);
    // The counted side fields in the halves the other side bats.
    if (!pitched_for(name, !batting_top_) && pitched_for(name, batting_top_)) return;
    const int p = s_.FindPitching(name, team_);
    if (p >= 0)
      ++(Pit(p).*counter);
    else
      CreditLate(View(who.name), counter);
  };
  decision(game_.winning_pitcher, &PitchingStat::wins);
  decision(game_.saving_pitcher, &PitchingStat::saves);
  decision(game_.losing_pitcher, &PitchingStat::losses);
}

void CountGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
               bool opponents, std::vector<LateCredit>* late) {
  if (stat.all_teams) {
    for (bool home : {true, false}) {
      stat.team_name = (home ? game.home : game.visitor).team_name.str();
      SideCounter(stat, game, n, pitching_split, batting_split, home, late).Count();
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
  SideCounter(stat, game, n, pitching_split, batting_split, opponents ? !named_home : named_home,
              late)
      .Count();
}

}  // namespace scorewick::counting
