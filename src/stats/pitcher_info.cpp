#include "stats/pitcher_info.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "records/format_text.h"
#include "stats/plot_games.h"

namespace scorewick {

PitchKind KindOfPitch(const PITCH_DATA& pitch) {
  if (pitch.hit) return PitchKind::kHit;
  return pitch.strike ? PitchKind::kStrike : PitchKind::kBall;
}

void PitcherInfo::TakeGame(const Game& game) {
  const int last = game.LastInning();
  const std::string home = game.home.team_name.str(), visitor = game.visitor.team_name.str();
  for (int i = 0; i <= last; ++i) {
    for (bool top : {true, false}) {
      // The visitors bat in the top halves.
      const std::string& batting = top ? visitor : home;
      const std::string& pitching = top ? home : visitor;
      const int team = team_names_.Add(pitching);
      for (const AT_BAT& at_bat : game.innings[static_cast<std::size_t>(i)].half(top).at_bats) {
        const int batter = batter_names_.Add(at_bat.batter.name.view(), batting);
        // The pitcher seldom changes within a plate appearance.
        std::string_view last_name;
        int pitcher = -1;
        for (const PITCH_DATA& detail : at_bat.pitch_details) {
          if (!detail.valid) break;
          if (pitcher < 0 || detail.pitcher.name.view() != last_name) {
            last_name = detail.pitcher.name.view();
            pitcher = pitcher_names_.Add(last_name, pitching);
          }
          pitches_.push_back({pitcher,
                              batter,
                              detail.pitch_type,
                              KindOfPitch(detail),
                              {detail.location_x, detail.location_y},
                              detail.speed,
                              detail.right_handed_batter != 0,
                              team});
        }
      }
    }
  }
}

void PitcherInfo::FinishLists() {
  pitchers = pitcher_names_.names();
  batters = batter_names_.names();
  pitchers.push_back(kAllPitchers);
  batters.push_back(kAllBatters);
}

AccumulateReport PitcherInfo::Load(const GameFilter& filter) {
  pitcher_names_.Clear();
  batter_names_.Clear();
  team_names_.Clear();
  pitches_.clear();
  bool first = true;
  AccumulateReport report = ForEachPlotGame(
      games,
      [this, &first, &filter](const Game& game) {
        TakeGame(game);
        // Room for the whole list at the first game's count, so that a season's
        // pitches are not copied again and again as they grow (when no filter
        // leaves most of the list unread).
        if (first && !filter.Active()) pitches_.reserve(pitches_.size() * games.size() * 5 / 4);
        first = false;
      },
      filter);
  FinishLists();
  return report;
}

std::vector<const PlotPitch*> PitcherInfo::Shown() const {
  std::vector<const PlotPitch*> shown;
  const int pitcher = FilterIndex(pitcher_filter, kAllPitchers, pitcher_names_);
  const int batter = FilterIndex(batter_filter, kAllBatters, batter_names_);
  const bool all_types = type_filter < 0 || type_filter >= kPitchTypeCount;
  const bool team_only = !team_filter.empty() && pitcher == kEveryName && batter == kEveryName;
  const int team = team_names_.Find(team_filter);
  for (const PlotPitch& pitch : pitches_) {
    if (team_only && pitch.pitching_team != team) continue;
    if (pitcher != kEveryName && pitch.pitcher != pitcher) continue;
    if (batter != kEveryName && pitch.batter != batter) continue;
    if (!all_types && pitch.type != type_filter) continue;
    if (!show[static_cast<std::size_t>(pitch.kind)]) continue;
    shown.push_back(&pitch);
  }
  return shown;
}

int ZoneThird(PlotPoint p) {
  if (p.x < kZoneLeft || p.x > kZoneRight || p.y < kZoneTop || p.y > kZoneBottom) return -1;
  const int height = kZoneBottom - kZoneTop + 1;
  return std::min(2, (p.y - kZoneTop) * 3 / height);
}

PitchFigures PitcherInfo::Figures() const {
  PitchFigures f;
  std::array<int, 3> thirds{};
  int outside = 0;
  for (const PlotPitch* pitch : Shown()) {
    ++f.total;
    ++f.counts[static_cast<std::size_t>(pitch->kind)];
    // A speed the file holds as not-a-number or infinite was not measured.
    if (std::isfinite(pitch->speed)) {
      f.speed_sum += pitch->speed;
      ++f.timed;
    }
    const int third = ZoneThird(pitch->location);
    if (third < 0)
      ++outside;
    else
      ++thirds[static_cast<std::size_t>(third)];
  }
  if (f.total == 0) return f;
  const double to_percent = 100.0 / f.total;
  f.average_speed = f.timed > 0 ? f.speed_sum / f.timed : 0.0;
  f.strike_percent = f.counts[0] * to_percent;
  f.ball_percent = f.counts[1] * to_percent;
  f.hit_percent = f.counts[2] * to_percent;
  for (std::size_t i = 0; i < 3; ++i) f.zone_thirds[i] = thirds[i] * to_percent;
  f.outside_zone = outside * to_percent;
  return f;
}

std::string PitcherInfo::TypeName() const {
  if (type_filter < 0 || type_filter >= kPitchTypeCount) return std::string(kAllPitches);
  return std::string(PitchTypeName(type_filter));
}

std::string PitchSummaryLine(const PitcherInfo& info, const PitchFigures& f) {
  const bool all = info.type_filter < 0 || info.type_filter >= kPitchTypeCount;
  const std::string head =
      all ? "For " + info.TypeName() + ", " : "For " + info.TypeName() + " pitches, ";
  return head + Format("%d pitches, %5.2f avg speed, %5.2f%% strikes, %5.2f%% balls, %5.2f%% hits.",
                       f.total, f.average_speed, f.strike_percent, f.ball_percent, f.hit_percent);
}

std::string ZoneThirdsLine(const PitchFigures& f) {
  return Format("Zone thirds: high %.1f%%, middle %.1f%%, low %.1f%%; outside %.1f%%",
                f.zone_thirds[0], f.zone_thirds[1], f.zone_thirds[2], f.outside_zone);
}

std::string FigureText(double value) { return Format("%5.2f", value); }

}  // namespace scorewick
