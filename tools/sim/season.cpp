#include "sim/season.h"

#include <cstdio>
#include <filesystem>

#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "sim/rng.h"
#include "sim/sample_teams.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

std::vector<ScheduledGame> MakeSchedule(const std::vector<Team>& teams, int games,
                                        const LeagueRules& rules, std::uint64_t seed) {
  std::vector<ScheduledGame> schedule;
  const int n = static_cast<int>(teams.size());
  if (n < 2 || games <= 0) return schedule;
  std::vector<std::pair<int, int>> pairs;
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) pairs.push_back({a, b});
  }
  Rng rng(seed ^ 0x5EA5011ULL);
  const std::vector<std::string> umpires = UmpirePool();
  std::vector<int> starts(static_cast<std::size_t>(n), 0);
  int year = 2024, month = 5, day = 4;
  for (int g = 0; g < games; ++g) {
    const auto [a, b] = pairs[static_cast<std::size_t>(g) % pairs.size()];
    const bool flip = (g / static_cast<int>(pairs.size())) % 2 == 1;
    ScheduledGame game;
    game.home = flip ? b : a;
    game.visitor = flip ? a : b;
    GameSetup& s = game.setup;
    s.rules = rules;
    s.seed = rng.Next();
    s.year = year;
    s.month = month;
    s.day = day;
    s.hour = rng.Chance(0.3) ? 13 : 18;
    s.minute = rng.Chance(0.5) ? 5 : 35;
    s.field = HomeField(teams[static_cast<std::size_t>(game.home)]);
    // Two umpires most days, a crew of four now and then.
    const int first = rng.Below(static_cast<int>(umpires.size()));
    const int crew = rng.Chance(0.3) ? 4 : 2;
    for (int u = 0; u < 4; ++u) {
      s.umpires[static_cast<std::size_t>(u)] =
          u < crew ? umpires[static_cast<std::size_t>((first + u * 3) %
                                                      static_cast<int>(umpires.size()))]
                   : " ";
    }
    s.attendance = 180 + rng.Below(900);
    s.home_rotation = starts[static_cast<std::size_t>(game.home)]++;
    s.visitor_rotation = starts[static_cast<std::size_t>(game.visitor)]++;
    schedule.push_back(game);
    // One game a day, two games on Saturdays, through the summer.
    if (g % 7 != 5 && ++day > kDaysInMonth[month - 1]) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  return schedule;
}

std::string GameFileName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "game-%03d.gam", index + 1);
  return name;
}

bool WriteSeason(const std::vector<Team>& teams, const std::vector<ScheduledGame>& schedule,
                 const std::string& folder, std::string* error) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < schedule.size(); ++i) {
    const ScheduledGame& g = schedule[i];
    Game game;
    std::string why;
    if (!SimulateGame(teams[static_cast<std::size_t>(g.home)],
                      teams[static_cast<std::size_t>(g.visitor)], g.setup, game, &why)) {
      if (error) *error = why;
      return false;
    }
    const std::string path =
        (std::filesystem::path(folder) / GameFileName(static_cast<int>(i))).string();
    game.file_path.set(path);
    EncodeGameFile(game, bytes);
    if (Status saved = WriteFileAtomically(path, bytes); !saved) {
      if (error) *error = saved.reason;
      return false;
    }
  }
  return true;
}

bool WriteTeams(std::vector<Team>& teams, const std::string& folder, std::string* error) {
  for (Team& t : teams) {
    const std::string path = (std::filesystem::path(folder) / TeamFileName(t)).string();
    if (Status saved = SaveTeam(path, t); !saved) {
      *error = saved.reason;
      return false;
    }
  }
  return true;
}

}  // namespace scorewick::sim
