// The pages of the teams and of the league: a team's home (its record,
// results and schedule, leaders and players) and its statistics; with
// every team, the league's home (standings, leaders, teams) and its
// results.

#include <set>

#include "records/calendar_day.h"
#include "records/format_text.h"
#include "reports/site/leaders.h"
#include "reports/site/season_data.h"
#include "reports/site/standings.h"
#include "stats/column_glossary.h"

namespace scorewick::site {
namespace {

std::string DayText(const SeasonGame& g) { return CalendarDayText(g.day); }

// The player's name, linked to his page when he has one.
std::string PlayerLink(const Season& season, const std::string& from, const std::string& team,
                       const std::string& name) {
  const SeasonPlayer* p = season.PlayerOf(team, name);
  return p ? Link(Href(from, p->page), Text(name)) : Text(name);
}

std::string TeamLink(const Season& season, const std::string& from, const std::string& team) {
  const auto t = season.teams.find(team);
  return t == season.teams.end() || t->second.home_page == from
             ? Text(team)
             : Link(Href(from, t->second.home_page), Text(team));
}

// The date cell of a game: linked to its page when it was played.
TableCell DateCell(const std::string& from, const SeasonGame& g) {
  return {g.played ? Link(Href(from, g.page), DayText(g)) : DayText(g), DayText(g)};
}

// Results and schedule in date order; of one team's games when team is
// given, from its side.
std::string Results(const Season& season, const std::string& from, const std::string* team) {
  SiteTable t;
  t.caption = team ? "Results and schedule" : "Results and schedule of every game";
  if (team) {
    t.columns = {{"Date", "", false},
                 {"Opponent", "", false},
                 {"Site", "Home or away", false},
                 {"Score", "Runs for, then against", false},
                 {"W/L", "Won, lost or tied", false}};
  } else {
    t.columns = {{"Date", "", false},
                 {"Visitors", "", false},
                 {"Home", "", false},
                 {"Score", "Visitors' runs, then the home team's", false}};
  }
  for (const SeasonGame* g : season.ByDate()) {
    if (team && g->home != *team && g->visitor != *team) continue;
    std::vector<TableCell> row = {DateCell(from, *g)};
    if (team) {
      const bool home = g->home == *team;
      const int us = home ? g->home_runs : g->visitor_runs;
      const int them = home ? g->visitor_runs : g->home_runs;
      row.push_back({TeamLink(season, from, home ? g->visitor : g->home), {}});
      row.push_back({home ? "Home" : "Away", {}});
      row.push_back({g->played ? Format("%d-%d", us, them) : "Not played", {}});
      row.push_back({g->played ? (us > them ? "W" : us < them ? "L" : "T") : "", {}});
    } else {
      row.push_back({TeamLink(season, from, g->visitor), {}});
      row.push_back({TeamLink(season, from, g->home), {}});
      row.push_back(
          {g->played ? Format("%d-%d", g->visitor_runs, g->home_runs) : "Not played", {}});
    }
    t.rows.push_back(std::move(row));
  }
  return TableHtml(t);
}

std::string LeadersSection(const Season& season, const std::string& from,
                           const std::vector<const SeasonTeam*>& teams) {
  std::vector<const Stat*> stats;
  for (const SeasonTeam* t : teams) stats.push_back(&t->stat);
  std::string out = "<h2>Leaders</h2>\n<div class=\"leaders\">\n";
  for (const LeaderBoard& board : Leaders(stats, season.request->qualifiers)) {
    SiteTable t;
    t.caption = Text(board.name) + " (" + Text(board.key) + ")";
    if (!board.qualifier.empty()) t.caption += "<br><small>" + Text(board.qualifier) + "</small>";
    t.columns = {{"Player", "", false}};
    if (teams.size() > 1) t.columns.push_back({"Team", "", false});
    t.columns.push_back({Text(board.key), board.name, true});
    for (const Leader& l : board.leaders) {
      std::vector<TableCell> row = {{PlayerLink(season, from, l.team, l.name), {}}};
      if (teams.size() > 1) row.push_back({TeamLink(season, from, l.team), {}});
      row.push_back(Cell(l.value));
      t.rows.push_back(std::move(row));
    }
    if (t.rows.empty()) t.rows.push_back({{"No one qualifies yet", {}}, {"", {}}});
    if (t.rows.back().size() < t.columns.size()) t.rows.back().resize(t.columns.size());
    out += TableHtml(t);
  }
  return out + "</div>\n";
}

std::string PlayersList(const Season& season, const std::string& from, const SeasonTeam& team) {
  std::string out = "<h2>Players</h2>\n<ul class=\"list\">\n";
  for (const auto& [name, p] : team.players)
    out += "<li>" + PlayerLink(season, from, team.name, name) + "</li>\n";
  return out + "</ul>\n";
}

std::string TeamRecordLine(const Season& season, const std::string& team) {
  std::vector<PlayedGame> played;
  for (const SeasonGame& g : season.games)
    if (g.played) played.push_back({g.home, g.visitor, g.home_runs, g.visitor_runs});
  for (const TeamRecord& r : Standings(played)) {
    if (r.team != team) continue;
    return "<p class=\"record\">Record " + RecordText(r) + "</p>\n<p>Runs scored " +
           std::to_string(r.runs_scored) + ", allowed " + std::to_string(r.runs_allowed) +
           ".</p>\n";
  }
  return "<p class=\"record\">No game played yet</p>\n";
}

// The columns of a table the site shows: the layout's, less the second
// Name and the team (the page is the team's).
std::vector<int> ShownKeys(const SiteRequest& r, StatTable table) {
  std::vector<int> columns;
  for (const LayoutEntry& e : ShownColumns(r.layouts[static_cast<int>(table)])) {
    if (IsRepeatedName(table, e.column) || ColumnKey(table, e.column) == "Team") continue;
    columns.push_back(e.column);
  }
  return columns;
}

std::string StatsTable(const Season& season, const std::string& from, const SeasonTeam& team,
                       StatTable table) {
  SiteTable t;
  t.sortable = true;
  t.caption = Text(team.name) + " " + Text(std::string(TableTitle(table)));
  const std::vector<int> columns = ShownKeys(*season.request, table);
  for (int c : columns) {
    const std::string key(ColumnKey(table, c));
    t.columns.push_back(
        {Text(key), std::string(ColumnName(table, c)), key != "Name" && key != "Pos"});
  }
  const int rows = RowCount(team.stat, table);
  for (int row = 0; row < rows; ++row) {
    const bool totals = IsTotalsRow(team.stat, table, row);
    std::vector<TableCell> cells;
    for (int c : columns) {
      std::string text = CellText(team.stat, table, row, c);
      const std::size_t first = text.find_first_not_of(' ');
      text = first == std::string::npos
                 ? ""
                 : text.substr(first, text.find_last_not_of(' ') - first + 1);
      if (ColumnKey(table, c) == "Name" && !totals) {
        cells.push_back({PlayerLink(season, from, team.name, text), Plain(text)});
      } else {
        cells.push_back(Cell(text));
      }
    }
    (totals ? t.foot : t.rows).push_back(std::move(cells));
  }
  return TableHtml(t);
}

void TeamHome(const Season& season, const SeasonTeam& team, const SiteSink& sink) {
  const std::string& from = team.home_page;
  std::string body = TeamRecordLine(season, team.name);
  if (season.request->all_teams)
    body +=
        "<p>" + Link(Href(from, team.stats_page), "Statistics of " + Text(team.name)) + "</p>\n";
  body += "<h2>Results and schedule</h2>\n" + Results(season, from, &team.name);
  body += LeadersSection(season, from, {&team});
  body += PlayersList(season, from, team);
  sink(from, Page(season.FrameFor(from, Text(team.name), false), body));
}

void TeamStats(const Season& season, const SeasonTeam& team, const SiteSink& sink) {
  const std::string& from = team.stats_page;
  std::string body =
      "<p>Click a column's heading to sort by it; hold the pointer over a heading for its "
      "full name.</p>\n";
  for (StatTable table :
       {StatTable::kBatting, StatTable::kRunning, StatTable::kFielding, StatTable::kPitching}) {
    body += "<h2>" + Text(std::string(TableTitle(table))) + "</h2>\n";
    body += StatsTable(season, from, team, table);
  }
  sink(from, Page(season.FrameFor(from, "Statistics of " + Text(team.name), true), body));
}

void LeagueHome(const Season& season, const SiteSink& sink) {
  const std::string from = "index.html";
  std::vector<PlayedGame> played;
  for (const SeasonGame& g : season.games)
    if (g.played) played.push_back({g.home, g.visitor, g.home_runs, g.visitor_runs});
  const std::vector<TeamRecord> standings = Standings(played);
  SiteTable t;
  t.caption = "Standings";
  t.sortable = true;
  bool ties = false;
  for (const TeamRecord& r : standings) ties = ties || r.ties > 0;
  t.columns = {{"Team", "", false}, {"W", "Wins", true}, {"L", "Losses", true}};
  if (ties) t.columns.push_back({"T", "Ties", true});
  t.columns.push_back({"PCT", "Winning percentage: wins over games won or lost", true});
  t.columns.push_back({"GB", "Games behind the leader", true});
  t.columns.push_back({"RS", "Runs scored", true});
  t.columns.push_back({"RA", "Runs allowed", true});
  for (const TeamRecord& r : standings) {
    std::vector<TableCell> row = {
        {TeamLink(season, from, r.team), Plain(r.team)}, Number(r.wins), Number(r.losses)};
    if (ties) row.push_back(Number(r.ties));
    row.push_back(Cell(PercentageText(r.Percentage())));
    const std::string gb = GamesBehindText(standings.front(), r);
    row.push_back({gb, gb == "-" ? "0" : gb});
    row.push_back(Number(r.runs_scored));
    row.push_back(Number(r.runs_allowed));
    t.rows.push_back(std::move(row));
  }
  std::string body = TableHtml(t);
  body += "<p>" + Link("results.html", "Results and schedule of every game") + "</p>\n";
  std::vector<const SeasonTeam*> teams;
  for (const auto& [name, team] : season.teams) teams.push_back(&team);
  body += LeadersSection(season, from, teams);
  sink(from, Page(season.FrameFor(from, season.title, true), body));

  const std::string results = "results.html";
  sink(results, Page(season.FrameFor(results, "Results and schedule", false),
                     Results(season, results, nullptr)));
}

}  // namespace

void AddTeamPages(const Season& season, std::vector<PageJob>& jobs) {
  if (season.request->all_teams)
    jobs.push_back([&season](const SiteSink& sink) { LeagueHome(season, sink); });
  for (const auto& [name, team] : season.teams) {
    jobs.push_back([&season, &team = team](const SiteSink& sink) { TeamHome(season, team, sink); });
    jobs.push_back(
        [&season, &team = team](const SiteSink& sink) { TeamStats(season, team, sink); });
  }
}

}  // namespace scorewick::site
