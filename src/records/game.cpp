#include "records/game.h"

#include "records/codes.h"
#include "records/local_date.h"

namespace scorewick {

Game::Game() {
  LocalDate today = Today();
  header.year = today.year;
  header.day = static_cast<std::uint8_t>(today.day);
  header.month = static_cast<std::uint8_t>(today.month);
  header.creation_year = today.year;
  home.no_personal_info = 1;
  visitor.no_personal_info = 1;
}

void Game::Release() {
  home.Clear();
  visitor.Clear();
  for (INNING& inning : innings) {
    inning.top.Clear();
    inning.bottom.Clear();
  }
  notes.clear();
  file_path.set("*.gam");
  new_game = 1;
}

int Game::LastInning() const {
  for (int i = kInnings - 1; i >= 0; --i) {
    if (!innings[static_cast<std::size_t>(i)].top.offense.empty()) return i;
  }
  return 0;
}

std::pair<int, int> Game::ComputeRunTotals() {
  int last = LastInning();
  home_runs = 0;
  visitor_runs = 0;
  for (int i = 0; i <= last; ++i) {
    home_runs += innings[static_cast<std::size_t>(i)].bottom.runs;
    visitor_runs += innings[static_cast<std::size_t>(i)].top.runs;
  }
  header.home_score = home_runs;
  header.visitor_score = visitor_runs;
  return {home_runs, visitor_runs};
}

bool Game::PlayerAppeared(const PLAYER& entry, int inning, bool top) const {
  if (entry.active && entry.position != kPosBench) return true;
  if (inning < 0 || inning >= kInnings) return false;
  const HALF_INNING& half = innings[static_cast<std::size_t>(inning)].half(top);
  for (const AT_BAT& ab : half.at_bats) {
    if (ab.batter.name == entry.name.view() || ab.pinch_runner.name == entry.name.view()) {
      return true;
    }
  }
  return false;
}

bool Game::IsGamePitcher(std::string_view name) const {
  for (const INNING& inning : innings) {
    for (const HALF_INNING* half : {&inning.top, &inning.bottom}) {
      for (const PLAYER& p : half->defense) {
        if (p.position == kPosPitcher && p.name == name) return true;
      }
      for (const AT_BAT& ab : half->at_bats) {
        for (const PITCHER_SLOT& slot : ab.pitchers) {
          if (!slot.pitcher.name.empty() && slot.pitcher.name == name) return true;
        }
      }
    }
  }
  return false;
}

AT_BAT Game::WithResponsiblePitcherFixed(const AT_BAT& at_bat) const {
  AT_BAT fixed = at_bat;
  fixed.responsible_pitcher = ResponsiblePitcherFixed(
      at_bat, [this](std::string_view name) { return IsGamePitcher(name); });
  return fixed;
}

}  // namespace scorewick
