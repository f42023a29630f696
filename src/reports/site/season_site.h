#pragma once
// A season's website: every page of it made from a list of games, for one
// team or for every team of the games.  The games are read once, on every
// core; each game's page is handed over as soon as it is made, in list
// order, and the season's pages (home, statistics, players, standings)
// once every game is counted.  Nothing here writes a file: the caller
// puts the pages where it will (site_folder.h writes them into a folder).
//
// The site's files, by path from its top folder:
//   index.html                the home: the team's record, results and schedule,
//                             leaders and players; for every team, the
//                             standings, the leaders and the teams
//   stats.html                the team's statistics (one team)
//   results.html              every game in date order (every team)
//   teams/T.html, T-stats.html  each team's home and statistics (every team)
//   games/G.html              a page per game played (G: the game file's name)
//   players/T-P.html          a page per player of the teams published
//   style.css, sort.js        the style sheet and the sort script

#include <functional>
#include <string>
#include <vector>

#include "intake/game_intake.h"
#include "reports/site/player_names.h"
#include "stats/qualifiers.h"
#include "stats/stat_layout.h"
#include "stats/stat_rules.h"
#include "stats/workload_rules.h"

namespace scorewick::site {

struct SiteRequest {
  std::vector<std::string> games;  // game files, in list order
  std::string team;                // record text; empty with all_teams
  bool all_teams = false;
  std::string title;  // the site's title (record text); empty: the team's name, or "League"
  NameMode names = NameMode::kInitials;
  StatRules rules;
  StatLayout layouts[kStatTableCount];  // the columns of the statistics tables
  Qualifiers qualifiers;                // of the leaders' rates (unset: per team game)
  WorkloadRules workload;
  int threads = 0;        // reading threads, 0: one per idle core
  HeadlineChoice choose;  // when set, the games shown among those listed (filters)
};

struct SiteReport {
  int games_read = 0;                 // decoded
  int games_published = 0;            // of the team (every game with all_teams)
  std::vector<GameRefusal> refusals;  // in list order
  std::vector<std::string> teams;     // the teams the games hold, for a team that is not there
  bool declined = false;              // choose took no game: nothing was read on or handed over
};

// Called with each file of the site: its path from the top folder ('/'
// between folders) and its whole text (UTF-8).
using SiteSink = std::function<void(const std::string& path, const std::string& text)>;

// Makes every file of the site and hands each to sink.  With a team no
// game of the list holds, nothing is handed over (report.games_published
// is 0).  Never shows or prints anything.
SiteReport BuildSite(const SiteRequest& request, const SiteSink& sink);

}  // namespace scorewick::site
