#include "stats/game_line.h"

#include "records/calendar_day.h"

namespace scorewick {

std::string GameLineText(const GameHeadline& game) {
  const bool scored = game.home_runs != 0 || game.visitor_runs != 0;
  const auto side = [scored](const std::string& team, int runs) {
    return scored ? team + " " + std::to_string(runs) : team;
  };
  return CalendarDayText({game.year, game.month, game.day}) + "  " +
         side(game.visitor, game.visitor_runs) + " at " + side(game.home, game.home_runs);
}

}  // namespace scorewick
