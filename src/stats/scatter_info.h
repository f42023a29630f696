#pragma once
// The spray chart: where the batted balls of the chosen games went, for one
// batter or all against one pitcher or all.  Balls that put the batter on
// base and batted-ball outs are kept apart.
//
// Loading reads every game once and keeps, per plate appearance that can
// place a point, its batter, the pitcher who finished the turn and the
// point; choosing other players then only filters that list.

#include <string>
#include <string_view>
#include <vector>

#include "records/at_bat.h"
#include "records/game.h"
#include "stats/accumulate.h"
#include "stats/game_filter.h"
#include "stats/name_list.h"
#include "stats/plot_point.h"

namespace scorewick {

// Where a fielder stands on the field picture, by position code (1 pitcher
// .. 10 short fielder); the out point of a play without a recorded
// location.  Returns false for any other code.
bool FielderDefaultLocation(int position, PlotPoint& point);

// The point a plate appearance places, if any: the recorded location when
// the batter reached on a ball in play (hit, error, fielder's choice,
// sacrifice; on_base = true) or made a batted-ball out; otherwise, for an
// out of a batter who reached no base, the first credited fielder's
// place.  Strikeouts (dropped third strikes included) never place a
// point, whoever is credited.
bool SprayPointOf(const AT_BAT& at_bat, PlotPoint& point, bool& on_base);

// The name of the pitcher who finished the turn (the last filled slot).
std::string_view FinishingPitcher(const AT_BAT& at_bat);

struct SprayEntry {
  int batter = 0;   // index in the batter list
  int pitcher = 0;  // index in the pitcher list
  bool on_base = false;
  PlotPoint point;
  bool placed = true;    // false: no recorded location, the point is the fielder's
  int batting_team = 0;  // index in the team list
};

class ScatterInfo {
 public:
  // The game files plotted, in the order chosen.
  std::vector<std::string> games;
  std::string batter_filter = kAllBatters;
  std::string pitcher_filter = kAllPitchers;
  // A team's name: with every batter and every pitcher chosen, only the
  // balls its batters hit are collected.  Empty: every team's.
  std::string team_filter;
  std::vector<PlotPoint> on_base_points;
  std::vector<PlotPoint> out_points;
  // The indexes in out_points of the balls without a recorded location
  // (shown at their fielder's place).
  std::vector<std::size_t> unplaced_outs;
  // Player lists in order of first appearance, "ALL BATTERS" and "ALL
  // PITCHERS" last once Load has run.
  std::vector<std::string> batters;
  std::vector<std::string> pitchers;

  // Reads every game of the list that filter leaves (ForEachPlotGame), fills the player lists
  // and the entries, resets both filters to all and collects the points.
  AccumulateReport Load(const GameFilter& filter = {});
  // Adds one game's names to the lists and its placed plate appearances to
  // the entries: innings in order, stopping at the first inning with no
  // plate appearance in either half (the names of every inning still go
  // to the lists), the bottom half before the top.
  void TakeGame(const Game& game);
  // Sets the two lists from the names taken, "ALL" entries last.
  void FinishLists();
  // Refills both point arrays from the entries that pass the filters
  // (names compared exactly).
  void Collect();
  // The out points as a chart shows them: the balls without a recorded
  // location spread around their fielder's place on a tight spiral (the
  // first on the place itself, a disc of at most 12 pixels however many
  // there are), so that each is seen; the same points every time.
  std::vector<PlotPoint> ShownOutPoints() const;

  const std::vector<SprayEntry>& entries() const { return entries_; }
  // The names of batters and pitchers with the teams they played for (a
  // batter for the side at bat, a pitcher for the other).
  const NameList& batter_names() const { return batter_names_; }
  const NameList& pitcher_names() const { return pitcher_names_; }

 private:
  std::vector<SprayEntry> entries_;
  NameList batter_names_;
  NameList pitcher_names_;
  NameList team_names_;
};

// How the collected balls spread over the field: left, centre and right by
// the angle from home plate (centre is the middle 30 degrees of the fair
// fan), infield when within the dirt's edge (62 pixels from home plate).
// Shares are percentages of all points; all 0 without points.
struct SprayShares {
  int total = 0;
  double left = 0, centre = 0, right = 0;
  double infield = 0, outfield = 0;
};
SprayShares ComputeSprayShares(const ScatterInfo& info);

// "Left 33.3%, centre 33.3%, right 33.3%; infield 50.0%, outfield 50.0% (n balls)"
std::string SpraySharesLine(const SprayShares& shares);

}  // namespace scorewick
