#pragma once
// A team's pitchers' workload under pitch-count rules (stats/workload_rules.h):
// each outing with the pitches thrown (the PC of the statistics, counted
// game by game with the engine), the rest the day's pitches require, the
// day he may pitch again, and whether he may pitch on a given day.
//
// The rules count pitches by the day: two games on one day add up, and
// each outing shows the rest the day's pitches require so far.  A pitcher
// may pitch again on the day after his days of rest (20 pitches on June 1
// with no rest required: June 2; 30 pitches and one day: June 3).  Only
// outings on or before the as-of day decide whether he is available.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "records/calendar_day.h"
#include "records/game.h"
#include "stats/stat.h"
#include "stats/workload_rules.h"

namespace scorewick {

struct Outing {
  std::string pitcher;
  LocalDate day;
  int start_hour = 0;
  int start_minute = 0;
  std::string opponent;
  int pitches = 0;          // thrown in this game
  int day_pitches = 0;      // thrown that day, up to and with this game
  int rest_days = 0;        // required after the day so far
  LocalDate next;           // the day he may pitch again
  bool over_max = false;    // the day's pitches went over the daily maximum
  bool short_rest = false;  // pitched before the rest an earlier day required was over
};

struct PitcherAvailability {
  std::string pitcher;
  int outings = 0;     // on or before the as-of day
  LocalDate last_day;  // his last day pitched on or before it (outings > 0)
  int last_day_pitches = 0;
  LocalDate next;  // the day he may pitch again
  bool available = true;
};

struct Workload {
  std::string team;
  LocalDate as_of;
  WorkloadRules rules;
  std::vector<Outing> outings;                // by pitcher (A to Z), then date and start time
  std::vector<PitcherAvailability> pitchers;  // A to Z
};

// The day a workload is looked at unless the person says otherwise: the
// day after the last game when that game is past (a season looked back
// on), else today.
LocalDate DefaultAsOf(const std::optional<LocalDate>& last_game, const LocalDate& today);

// Counts a team's games one at a time, as they are read.
class WorkloadCounter {
 public:
  WorkloadCounter(std::string team, const StatRules& rules);

  // Keeps the outings of the team's pitchers in the game, when the team
  // played in it.  order is the game's place in the list.
  void Count(const Game& game, std::size_t order);

  bool team_seen() const { return team_seen_; }
  // Keeps one outing of the team's (its pitches, day, time and opponent
  // filled in) counted elsewhere; order is its game's place in the list.
  void Take(std::size_t order, Outing outing);

  Workload Finish(const WorkloadRules& rules, const LocalDate& as_of);

 private:
  std::string team_;
  Stat stat_;
  bool team_seen_ = false;
  std::vector<std::pair<std::size_t, Outing>> outings_;
};

}  // namespace scorewick
