#include "stats/pitcher_workload.h"

#include <algorithm>
#include <tuple>

#include "stats/side_of_game.h"

namespace scorewick {

WorkloadCounter::WorkloadCounter(std::string team, const StatRules& rules)
    : team_(std::move(team)), stat_(rules) {}

void WorkloadCounter::Count(const Game& game, std::size_t order) {
  for (bool home : {false, true}) {
    const std::string_view team = (home ? game.home : game.visitor).team_name.view();
    if (team != team_) continue;
    team_seen_ = true;
    CountSideAlone(stat_, game, home);
    for (const PitchingStat& p : stat_.pitching) {
      if (p.team.empty() || !Pitched(p)) continue;  // the totals row; a name never on the mound
      Outing o;
      o.pitcher = p.name;
      o.day = GameDay(game);
      o.start_hour = game.header.start_hour;
      o.start_minute = game.header.start_minute;
      o.opponent = (home ? game.visitor : game.home).team_name.str();
      o.pitches = p.pitch_count;
      Take(order, std::move(o));
    }
  }
}

void WorkloadCounter::Take(std::size_t order, Outing outing) {
  team_seen_ = true;
  outings_.emplace_back(order, std::move(outing));
}

LocalDate DefaultAsOf(const std::optional<LocalDate>& last_game, const LocalDate& today) {
  return last_game && *last_game < today ? AddDays(*last_game, 1) : today;
}

Workload WorkloadCounter::Finish(const WorkloadRules& rules, const LocalDate& as_of) {
  std::stable_sort(outings_.begin(), outings_.end(), [](const auto& a, const auto& b) {
    const Outing& x = a.second;
    const Outing& y = b.second;
    return std::tie(x.pitcher, x.day, x.start_hour, x.start_minute, a.first) <
           std::tie(y.pitcher, y.day, y.start_hour, y.start_minute, b.first);
  });
  Workload w;
  w.team = team_;
  w.as_of = as_of;
  w.rules = rules;
  for (auto& [order, o] : outings_) {
    const Outing* before = w.outings.empty() ? nullptr : &w.outings.back();
    const bool same_pitcher = before && before->pitcher == o.pitcher;
    o.day_pitches = o.pitches + (same_pitcher && before->day == o.day ? before->day_pitches : 0);
    o.rest_days = RestDaysAfter(rules, o.day_pitches);
    o.next = AddDays(o.day, o.rest_days + 1);
    o.over_max = rules.daily_max > 0 && o.day_pitches > rules.daily_max;
    if (!same_pitcher) w.pitchers.push_back({o.pitcher, 0, {}, 0, {}, true});
    PitcherAvailability& a = w.pitchers.back();
    // The first day the rest of every earlier day allows, against this day.
    if (same_pitcher) {
      LocalDate allowed = o.day;
      for (std::size_t i = w.outings.size(); i-- > 0 && w.outings[i].pitcher == o.pitcher;) {
        if (w.outings[i].day < o.day) allowed = std::max(allowed, w.outings[i].next);
      }
      o.short_rest = allowed > o.day;
    }
    if (o.day <= as_of) {
      ++a.outings;
      a.last_day = o.day;
      a.last_day_pitches = o.day_pitches;
      a.next = std::max(a.outings > 1 ? a.next : o.next, o.next);
      a.available = as_of >= a.next;
    }
    w.outings.push_back(std::move(o));
  }
  return w;
}

}  // namespace scorewick
