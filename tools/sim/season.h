#pragma once
// A season of simulated games among a set of teams: the schedule (every
// pair in turn, home and away alternating, one game a day from early May,
// each club's starters in rotation), and the writing of teams and games as
// files.

#include <cstdint>
#include <string>
#include <vector>

#include "records/game.h"
#include "records/team.h"
#include "sim/simulator.h"

namespace scorewick::sim {

struct ScheduledGame {
  int home = 0;  // index into the teams
  int visitor = 0;
  GameSetup setup;
};

// The first `games` games of a round-robin schedule among teams (at least
// two), each with its own seed drawn from `seed`.
std::vector<ScheduledGame> MakeSchedule(const std::vector<Team>& teams, int games,
                                        const scoring::LeagueRules& rules, std::uint64_t seed);

// The file name of the n-th game (0-based) of a season: "game-001.gam".
std::string GameFileName(int index);

// Plays every scheduled game and writes it into folder (which must exist)
// as a format 3.0 game file.  Stops at the first game a roster cannot
// play or a file that cannot be written, with the reason in *error.
bool WriteSeason(const std::vector<Team>& teams, const std::vector<ScheduledGame>& schedule,
                 const std::string& folder, std::string* error);

// Writes each team as a team file (with personal information) into folder,
// and stores the file's path in the team (games keep that path).
bool WriteTeams(std::vector<Team>& teams, const std::string& folder, std::string* error);

}  // namespace scorewick::sim
