#pragma once
// What the season's pages are made from once every game is counted: the
// games of the list with their results and pages, and for each team
// published its season tables, players and pitchers' workload.  Built by
// BuildSite (season_site.h) and read by the page makers.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "records/local_date.h"
#include "reports/site/page_jobs.h"
#include "reports/site/season_site.h"
#include "reports/site/site_charts.h"
#include "reports/site/site_html.h"
#include "stats/game_log.h"
#include "stats/pitcher_workload.h"
#include "stats/stat.h"

namespace scorewick::site {

struct SeasonGame {
  std::string file;
  std::size_t index = 0;  // place in the list
  LocalDate day;
  int hour = 0, minute = 0;
  std::string home, visitor;  // team names
  bool read = false;          // decoded
  bool played = false;        // has a first at-bat
  int home_runs = 0, visitor_runs = 0;
  std::string page;  // "games/x.html" when played
};

struct SeasonPlayer {
  std::string name;                                         // as shown
  std::string page;                                         // "players/t-n.html"
  std::vector<std::pair<std::size_t, GameLogEntry>> lines;  // by game index
  GameLog log;
  std::vector<PlotPoint> on_base, outs;
  std::vector<ChartPitch> pitches;
  std::vector<Outing> outings;
};

struct SeasonTeam {
  std::string name;
  std::string home_page;   // "index.html" or "teams/t.html"
  std::string stats_page;  // "stats.html" or "teams/t-stats.html"
  Stat stat;
  std::map<std::string, SeasonPlayer> players;  // by shown name
  Workload workload;
};

struct Season {
  const SiteRequest* request = nullptr;
  std::string title;                        // HTML
  std::vector<SeasonGame> games;            // list order
  std::map<std::string, SeasonTeam> teams;  // published, by name
  std::vector<NavLink> nav;

  // A page frame for the page at path (its depth counted from its folders).
  PageFrame FrameFor(const std::string& path, const std::string& heading, bool sortable) const;
  // The games in date and start-time order (then list order).
  std::vector<const SeasonGame*> ByDate() const;
  // The player's page, or null when he has none.
  const SeasonPlayer* PlayerOf(const std::string& team, const std::string& name) const;
};

// A link from the page at `from` to the page at `to` (both from the top).
std::string Href(const std::string& from, const std::string& to);

// The pages made from the season, as jobs that may run at once (each only
// reads the season): team homes, statistics and the league's pages; the
// players' pages.
void AddTeamPages(const Season& season, std::vector<PageJob>& jobs);
void AddPlayerPages(const Season& season, std::vector<PageJob>& jobs);

}  // namespace scorewick::site
