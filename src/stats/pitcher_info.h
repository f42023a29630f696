#pragma once
// The pitch chart: where the pitches of the chosen games crossed the
// plate, for one pitcher or all against one batter or all, of one pitch
// type or all, as strikes, balls and hit pitches, with the count, the
// average speed and each kind's share.
//
// Loading reads every game once and keeps every pitch detail in use with
// its pitcher and batter; choosing other players, another type or other
// kinds then only filters that list.

#include <array>
#include <string>
#include <vector>

#include "records/codes.h"
#include "records/game.h"
#include "stats/accumulate.h"
#include "stats/game_filter.h"
#include "stats/name_list.h"
#include "stats/plot_point.h"

namespace scorewick {

// The strike-zone picture the handheld records pitch locations on: 118 by
// 188 pixels, the zone itself x 35..83 and y 62..126 (both ends inside).
inline constexpr int kZoneWidth = 118;
inline constexpr int kZoneHeight = 188;
inline constexpr int kZoneLeft = 35;
inline constexpr int kZoneRight = 83;
inline constexpr int kZoneTop = 62;
inline constexpr int kZoneBottom = 126;

enum class PitchKind { kStrike = 0, kBall = 1, kHit = 2 };

// A hit pitch is a hit whatever its strike flag; otherwise the strike flag
// tells a strike from a ball.
PitchKind KindOfPitch(const PITCH_DATA& pitch);

struct PlotPitch {
  int pitcher = 0;  // index in the pitcher list
  int batter = 0;   // index in the batter list
  int type = 0;
  PitchKind kind = PitchKind::kBall;
  PlotPoint location;
  float speed = 0;
  bool right_picture = false;  // the second zone picture (right-handed batter)
  int pitching_team = 0;       // index in the team list
};

// Which pitches are shown, and the figures over them.
struct PitchFigures {
  int total = 0;
  std::array<int, 3> counts{};  // by PitchKind
  double speed_sum = 0;
  int timed = 0;  // pitches whose speed is a finite figure (the sum's count)
  double average_speed = 0;
  double strike_percent = 0, ball_percent = 0, hit_percent = 0;
  // Thirds of the zone, top to bottom, and outside it: percentages of total.
  std::array<double, 3> zone_thirds{};
  double outside_zone = 0;
};

class PitcherInfo {
 public:
  // The game files plotted, in the order chosen.
  std::vector<std::string> games;
  std::string pitcher_filter = kAllPitchers;
  std::string batter_filter = kAllBatters;
  int type_filter = kPitchTypeCount;  // kPitchTypeCount = all pitches
  // A team's name: with every pitcher and every batter chosen, only the
  // pitches its pitchers threw are shown.  Empty: every team's.
  std::string team_filter;
  std::array<bool, 3> show{true, true, true};  // by PitchKind

  // Player lists in order of first appearance, "ALL PITCHERS" and "ALL
  // BATTERS" last once Load has run.
  std::vector<std::string> pitchers;
  std::vector<std::string> batters;

  // Reads every game of the list that filter leaves (ForEachPlotGame) and fills the lists and
  // the pitches.  The filters are kept.
  AccumulateReport Load(const GameFilter& filter = {});
  // Adds one game: the innings played (up to the last with a line-up), the
  // top half before the bottom, each plate appearance's pitch details from
  // the first until the first not in use.  Every pitcher of such a detail
  // and every batter go to the lists.
  void TakeGame(const Game& game);
  // Sets the two lists from the names taken, "ALL" entries last.
  void FinishLists();

  // The pitches that pass the three filters and whose kind is shown, in
  // game order, and the figures over them.
  std::vector<const PlotPitch*> Shown() const;
  PitchFigures Figures() const;

  // The type selection's text: a pitch-type name or "All Pitches".
  std::string TypeName() const;

  const std::vector<PlotPitch>& pitches() const { return pitches_; }
  // The names of pitchers and batters with the teams they played for.
  const NameList& pitcher_names() const { return pitcher_names_; }
  const NameList& batter_names() const { return batter_names_; }

 private:
  std::vector<PlotPitch> pitches_;
  NameList pitcher_names_;
  NameList batter_names_;
  NameList team_names_;
};

// The printed summary: "For All Pitches, 12 pitches, 81.20 avg speed,
// 50.00% strikes, 41.67% balls,  8.33% hits." (with a type: "For Slider
// pitches, ...").
std::string PitchSummaryLine(const PitcherInfo& info, const PitchFigures& figures);
// "Zone thirds: high 25.0%, middle 50.0%, low 12.5%; outside 12.5%"
std::string ZoneThirdsLine(const PitchFigures& figures);
// A figure as the window shows it ("%5.2f").
std::string FigureText(double value);

// Which third of the zone a pitch location falls in (0 high, 1 middle, 2
// low), or -1 outside the zone.
int ZoneThird(PlotPoint location);

}  // namespace scorewick
