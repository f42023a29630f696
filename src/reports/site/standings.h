#pragma once
// The standings of the teams of a season: each team's wins, losses and
// ties, its percentage (wins over games decided: a tie counts for neither
// side), how many games behind the leader it is, and the runs it scored
// and allowed, best percentage first.

#include <string>
#include <vector>

namespace scorewick::site {

struct PlayedGame {
  std::string home, visitor;  // team names (record texts)
  int home_runs = 0, visitor_runs = 0;
};

struct TeamRecord {
  std::string team;
  int wins = 0, losses = 0, ties = 0;
  long long runs_scored = 0, runs_allowed = 0;
  double Percentage() const;  // 0 with no game decided
};

// The records of every team of games, best percentage first (then more
// wins, then name).
std::vector<TeamRecord> Standings(const std::vector<PlayedGame>& games);

// ".600", "1.000", ".000".
std::string PercentageText(double percentage);

// Games behind the leader: "-" for a team level with him, else "1.5".
std::string GamesBehindText(const TeamRecord& leader, const TeamRecord& team);

// "7-3" or, with ties, "7-3-1".
std::string RecordText(const TeamRecord& record);

}  // namespace scorewick::site
