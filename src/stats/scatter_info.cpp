#include "stats/scatter_info.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#include "records/code_classes.h"
#include "records/format_text.h"
#include "stats/plot_games.h"

namespace scorewick {

bool FielderDefaultLocation(int position, PlotPoint& point) {
  static constexpr std::array<PlotPoint, 10> kPlaces = {{{83, 90},
                                                         {83, 117},
                                                         {106, 83},
                                                         {97, 68},
                                                         {58, 85},
                                                         {66, 72},
                                                         {37, 44},
                                                         {83, 16},
                                                         {128, 41},
                                                         {58, 42}}};
  if (position < 1 || position > 10) return false;
  point = kPlaces[static_cast<std::size_t>(position - 1)];
  return true;
}

bool SprayPointOf(const AT_BAT& at_bat, PlotPoint& point, bool& on_base) {
  const bool located = at_bat.HasHitLocation();
  if (located && IsBattedReach(at_bat.how_reached)) {
    point = {at_bat.hit_x, at_bat.hit_y};
    on_base = true;
    return true;
  }
  if (located && IsBattedOut(at_bat.how_out)) {
    point = {at_bat.hit_x, at_bat.hit_y};
    on_base = false;
    return true;
  }
  if (at_bat.out && !IsThirdStrikeOut(at_bat.how_out) && !at_bat.reached &&
      at_bat.out_credit_count > 0 &&
      FielderDefaultLocation(at_bat.out_credits[0].position, point)) {
    on_base = false;
    return true;
  }
  return false;
}

std::string_view FinishingPitcher(const AT_BAT& at_bat) {
  return at_bat.pitchers[static_cast<std::size_t>(at_bat.PitcherCount() - 1)].pitcher.name.view();
}

void ScatterInfo::TakeGame(const Game& game) {
  bool counting = true;
  const std::string home = game.home.team_name.str(), visitor = game.visitor.team_name.str();
  for (const INNING& inning : game.innings) {
    if (inning.top.at_bats.empty() && inning.bottom.at_bats.empty()) counting = false;
    for (const HALF_INNING* half : {&inning.bottom, &inning.top}) {
      // The home team bats in the bottom halves.
      const bool home_bats = half == &inning.bottom;
      for (const AT_BAT& at_bat : half->at_bats) {
        SprayEntry entry{batter_names_.Add(at_bat.batter.name.view(), home_bats ? home : visitor),
                         pitcher_names_.Add(FinishingPitcher(at_bat), home_bats ? visitor : home),
                         false,
                         {},
                         true,
                         team_names_.Add(home_bats ? home : visitor)};
        if (counting && SprayPointOf(at_bat, entry.point, entry.on_base)) {
          entry.placed = at_bat.HasHitLocation();
          entries_.push_back(std::move(entry));
        }
      }
    }
  }
}

void ScatterInfo::FinishLists() {
  batters = batter_names_.names();
  pitchers = pitcher_names_.names();
  pitchers.push_back(kAllPitchers);
  batters.push_back(kAllBatters);
}

AccumulateReport ScatterInfo::Load(const GameFilter& filter) {
  batter_names_.Clear();
  pitcher_names_.Clear();
  team_names_.Clear();
  entries_.clear();
  AccumulateReport report = ForEachPlotGame(
      games, [this](const Game& game) { TakeGame(game); }, filter);
  FinishLists();
  batter_filter = kAllBatters;
  pitcher_filter = kAllPitchers;
  Collect();
  return report;
}

void ScatterInfo::Collect() {
  on_base_points.clear();
  out_points.clear();
  unplaced_outs.clear();
  const int batter = FilterIndex(batter_filter, kAllBatters, batter_names_);
  const int pitcher = FilterIndex(pitcher_filter, kAllPitchers, pitcher_names_);
  const bool team_only = !team_filter.empty() && batter == kEveryName && pitcher == kEveryName;
  const int team = team_names_.Find(team_filter);
  for (const SprayEntry& entry : entries_) {
    if (batter != kEveryName && entry.batter != batter) continue;
    if (pitcher != kEveryName && entry.pitcher != pitcher) continue;
    if (team_only && entry.batting_team != team) continue;
    if (!entry.on_base && !entry.placed) unplaced_outs.push_back(out_points.size());
    (entry.on_base ? on_base_points : out_points).push_back(entry.point);
  }
}

std::vector<PlotPoint> ScatterInfo::ShownOutPoints() const {
  // The golden angle turns each ball away from the ones before it, and the
  // radius grows with the square root of the count: an even disc, drawn
  // tighter when a place holds more balls than it has room for.
  constexpr double kGoldenAngle = 2.399963229728653;
  constexpr double kSpacing = 1.8;    // pixels
  constexpr double kMostRadius = 12;  // pixels
  std::vector<PlotPoint> shown = out_points;
  std::map<std::pair<int, int>, std::pair<int, int>> at_place;  // (balls, seen)
  for (const std::size_t i : unplaced_outs) ++at_place[{shown.at(i).x, shown.at(i).y}].first;
  for (const std::size_t i : unplaced_outs) {
    PlotPoint& p = shown.at(i);
    auto& [balls, seen] = at_place[{p.x, p.y}];
    const int k = seen++;
    const double spacing = std::min(kSpacing, kMostRadius / std::sqrt(static_cast<double>(balls)));
    const double radius = spacing * std::sqrt(static_cast<double>(k));
    p.x += static_cast<std::int32_t>(std::lround(radius * std::cos(k * kGoldenAngle)));
    p.y += static_cast<std::int32_t>(std::lround(radius * std::sin(k * kGoldenAngle)));
  }
  return shown;
}

SprayShares ComputeSprayShares(const ScatterInfo& info) {
  constexpr double kHomeX = kNoHitX, kHomeY = kNoHitY;
  constexpr double kInfieldRadius = 62;
  // tan(15 degrees): the centre's edge, measured from the line to second base.
  const double centre_slope = std::tan(15.0 * 3.14159265358979 / 180.0);
  SprayShares shares;
  int left = 0, centre = 0, right = 0, infield = 0;
  for (const auto* points : {&info.on_base_points, &info.out_points}) {
    for (const PlotPoint& p : *points) {
      const double dx = p.x - kHomeX, up = kHomeY - p.y;
      ++shares.total;
      if (std::hypot(dx, up) <= kInfieldRadius) ++infield;
      if (std::abs(dx) <= centre_slope * std::max(up, 0.0))
        ++centre;
      else if (dx < 0)
        ++left;
      else
        ++right;
    }
  }
  if (shares.total == 0) return shares;
  const double to_percent = 100.0 / shares.total;
  shares.left = left * to_percent;
  shares.centre = centre * to_percent;
  shares.right = right * to_percent;
  shares.infield = infield * to_percent;
  shares.outfield = (shares.total - infield) * to_percent;
  return shares;
}

std::string SpraySharesLine(const SprayShares& s) {
  return Format(
      "Left %.1f%%, centre %.1f%%, right %.1f%%; infield %.1f%%, outfield %.1f%% (%d balls)",
      s.left, s.centre, s.right, s.infield, s.outfield, s.total);
}

}  // namespace scorewick
