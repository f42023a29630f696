#include "stats/game_filter.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <tuple>

namespace scorewick {
namespace {

LocalDate DateOf(const GameHeadline& game) { return {game.year, game.month, game.day}; }

// Day and start time, for "last N".
auto WhenOf(const GameHeadline& game) {
  return std::make_tuple(game.year, game.month, game.day, game.hour, game.minute);
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

}  // namespace

bool GameFilter::Passes(const GameHeadline& game) const {
  if (from && DateOf(game) < *from) return false;
  if (to && DateOf(game) > *to) return false;
  const bool home = game.home == team;
  const bool away = game.visitor == team;
  if (OfTeam() && !home && !away) return false;
  if (ground == Ground::kHome && !home) return false;
  if (ground == Ground::kAway && !away) return false;
  if (!opponent.empty()) {
    if (team.empty()) return game.home == opponent || game.visitor == opponent;
    // A team's opponent is the other side (a game of the team against itself has it on both).
    return (home && game.visitor == opponent) || (away && game.home == opponent);
  }
  return true;
}

bool GameFilter::Active() const {
  return from || to || !team.empty() || ground != Ground::kAny || !opponent.empty() || last > 0;
}

FilteredGames FilterGames(const std::vector<std::optional<GameHeadline>>& games,
                          const GameFilter& filter) {
  std::vector<std::size_t> passing;
  std::vector<bool> keep(games.size(), false);
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (!games[i]) {
      keep[i] = true;
    } else if (filter.Passes(*games[i])) {
      passing.push_back(i);
    }
  }
  if (filter.last > 0 && passing.size() > static_cast<std::size_t>(filter.last)) {
    std::stable_sort(passing.begin(), passing.end(), [&](std::size_t a, std::size_t b) {
      return WhenOf(*games[a]) < WhenOf(*games[b]);
    });
    passing.erase(passing.begin(), passing.end() - filter.last);
  }
  FilteredGames result;
  result.matched = passing.size();
  for (const std::size_t i : passing) keep[i] = true;
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (keep[i]) result.kept.push_back(i);
  }
  return result;
}

void ChooseByFilter(const std::vector<std::string>& games, const GameFilter& filter,
                    FeedOptions& options) {
  if (!filter.Active()) return;
  if (filter.last == 0) {
    options.choose = [filter](std::size_t, const GameHeadline& game) {
      return filter.Passes(game);
    };
    return;
  }
  const std::vector<std::optional<GameHeadline>> headlines = FeedHeadlines(games, options.threads);
  auto chosen = std::make_shared<std::vector<bool>>(games.size(), false);
  for (const std::size_t i : FilterGames(headlines, filter).kept) (*chosen)[i] = true;
  options.choose = [chosen](std::size_t index, const GameHeadline&) { return (*chosen)[index]; };
}

void NoteChosenHeadline(FedGame& fed, std::vector<std::optional<GameHeadline>>& headlines,
                        std::size_t& chosen) {
  if (!fed.headline) return;
  if (!fed.left) ++chosen;
  headlines[fed.index] = std::move(fed.headline);
}

std::vector<std::string> TeamsOfGames(const std::vector<std::optional<GameHeadline>>& games) {
  return OpponentsOf(games, "");
}

std::vector<std::string> OpponentsOf(const std::vector<std::optional<GameHeadline>>& games,
                                     const std::string& team) {
  std::vector<std::string> names;
  for (const std::optional<GameHeadline>& game : games) {
    if (!game) continue;
    if (team.empty()) {
      AddOnce(names, game->home);
      AddOnce(names, game->visitor);
    } else if (game->home == team) {
      AddOnce(names, game->visitor);
    } else if (game->visitor == team) {
      AddOnce(names, game->home);
    }
  }
  return names;
}

}  // namespace scorewick
