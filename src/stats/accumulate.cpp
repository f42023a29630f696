#include "stats/accumulate.h"

#include <any>

#include "intake/game_feed.h"
#include "stats/game_part.h"
#include "stats/side_counter.h"
#include "stats/side_of_game.h"

namespace scorewick {

void AccumulateGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
                    bool opponents) {
  counting::CountGame(stat, game, n, pitching_split, batting_split, opponents, nullptr);
}

namespace {

// A count's team, all_teams flag and rules without its tables or games:
// what the threads that count games apart read while the tables grow.
Stat Like(const Stat* stat) {
  Stat like(stat ? stat->rules : StatRules{});
  if (stat) {
    like.innings_per_game = stat->innings_per_game;
    like.team_name = stat->team_name;
    like.all_teams = stat->all_teams;
  }
  return like;
}

// The game's parts for the team's tables and its opponents', and its day.
struct SideParts {
  GamePart team;
  GamePart opponents;
  LocalDate day;
};

// Widens the report's days to take in a game counted on day.
void NoteDay(const LocalDate& day, AccumulateReport& report) {
  if (!report.first_day || day < *report.first_day) report.first_day = day;
  if (!report.last_day || day > *report.last_day) report.last_day = day;
}

// Notes a fed game in the report (its headline, its refusal, whether the
// filters left it, whether it is the team's); true when it is to be counted.
bool NoteFedGame(FedGame& fed, AccumulateReport& report) {
  NoteChosenHeadline(fed, report.headlines, report.games_chosen);
  if (fed.refusal) {
    report.refusals.push_back(std::move(*fed.refusal));
    return false;
  }
  if (fed.left) return false;
  ++report.games_read;
  if (fed.other_teams) return false;
  ++report.games_of_team;
  return true;
}

}  // namespace

AccumulateReport AccumulateSides(const std::vector<std::string>& games, Stat* team, Stat* opponents,
                                 Split pitching_split, Split batting_split,
                                 const AccumulateProgress& progress, int threads,
                                 const GameFilter& filter) {
  AccumulateReport report;
  const Stat& list = team ? *team : *opponents;
  FeedOptions options;
  options.threads = FeedThreads(threads);
  if (!list.all_teams) options.team = list.team_name;
  ChooseByFilter(games, filter, options);
  if (options.choose) report.headlines.resize(games.size());
  // On more than one thread, each game is counted on the thread that read
  // it, into tables of its own, and only those few rows are added here:
  // the game itself is not handed over.
  const Stat team_like = Like(team);
  const Stat opponents_like = Like(opponents);
  if (options.threads > 1) {
    options.hand_over = false;
    options.make = [&](const Game& game, FedGame& fed) {
      auto* parts = std::any_cast<SideParts>(&fed.kept);
      if (parts == nullptr) parts = &fed.kept.emplace<SideParts>();
      const int n = static_cast<int>(fed.index) + 1;
      parts->day = GameDay(game);
      if (team) parts->team.Count(team_like, game, n, pitching_split, batting_split, false);
      if (opponents)
        parts->opponents.Count(opponents_like, game, n, pitching_split, batting_split, true);
    };
  }
  const int total = static_cast<int>(games.size());
  const bool done = FeedGames(games, options, [&](FedGame& fed) {
    if (progress && !progress(static_cast<int>(fed.index), total)) {
      report.cancelled = true;
      return false;
    }
    if (!NoteFedGame(fed, report)) return true;
    if (const auto* parts = std::any_cast<SideParts>(&fed.kept)) {
      NoteDay(parts->day, report);
      if (team) parts->team.AddTo(*team);
      if (opponents) parts->opponents.AddTo(*opponents);
      return true;
    }
    NoteDay(GameDay(fed.game), report);
    const int n = static_cast<int>(fed.index) + 1;
    if (team) AccumulateGame(*team, fed.game, n, pitching_split, batting_split, false);
    if (opponents) AccumulateGame(*opponents, fed.game, n, pitching_split, batting_split, true);
    return true;
  });
  if (!done) return report;
  if (team) FinishTables(*team);
  if (opponents) FinishTables(*opponents);
  return report;
}

AccumulateReport Accumulate(const std::vector<std::string>& games, Stat& stat, Split pitching_split,
                            Split batting_split, bool opponents, const AccumulateProgress& progress,
                            int threads) {
  return AccumulateSides(games, opponents ? nullptr : &stat, opponents ? &stat : nullptr,
                         pitching_split, batting_split, progress, threads);
}

void Accumulate(Stat& stat, const Game& current_game, Split pitching_split, Split batting_split,
                bool opponents) {
  AccumulateGame(stat, current_game, 1, pitching_split, batting_split, opponents);
  FinishTables(stat);
}

}  // namespace scorewick