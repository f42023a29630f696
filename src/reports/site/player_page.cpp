// The page of a player: his season lines, his game log with each game
// linked to its page, his spray chart, and for a pitcher his pitch chart
// and his workload (each outing with the rest it required).

#include <memory>
#include <unordered_map>

#include "records/calendar_day.h"
#include "records/format_text.h"
#include "reports/game_log_table.h"
#include "reports/site/leaders.h"
#include "reports/site/season_data.h"
#include "stats/column_glossary.h"

namespace scorewick::site {
namespace {

constexpr const char* kBattingKeys[] = {"GP",  "PA", "OAB", "R",   "H",   "2B",   "3B", "HR",
                                        "RBI", "BB", "SO",  "Avg", "OBA", "Slug", "OPS"};
constexpr const char* kRunningKeys[] = {"SB", "SBA", "SB%"};
constexpr const char* kPitchingKeys[] = {"GS", "W",  "L",  "SA", "IP",  "H",    "R",  "ER",
                                         "BB", "SO", "HR", "PC", "ERA", "WHIP", "K/9"};

// His row of the team's table, as one line of the keys' columns.
template <std::size_t N>
std::string SeasonLine(const SeasonTeam& team, StatTable table, int row,
                       const char* const (&keys)[N], const std::string& caption) {
  SiteTable t;
  t.caption = caption;
  t.columns.push_back({"Season", "", false});
  std::vector<TableCell> cells = {{"All games", {}}};
  for (const char* key : keys) {
    const int c = ColumnOf(table, key);
    if (c < 0) continue;
    t.columns.push_back({Text(key), std::string(ColumnName(table, c)), true});
    cells.push_back(Cell(Trimmed(CellText(team.stat, table, row, c))));
  }
  t.rows.push_back(std::move(cells));
  return TableHtml(t);
}

int RowOf(const Stat& stat, StatTable table, const std::string& name) {
  const int rows = RowCount(stat, table);
  for (int row = 0; row < rows; ++row) {
    if (IsTotalsRow(stat, table, row)) continue;
    const std::string& n = table == StatTable::kPitching
                               ? stat.pitching[static_cast<std::size_t>(row)].name
                               : stat.batting[static_cast<std::size_t>(row)].name;
    if (n == name) return row;
  }
  return -1;
}

// The game log as the log command writes it, each date linked to the game.
using PageOfFile = std::unordered_map<std::string, const SeasonGame*>;

std::string GameLogSection(const PageOfFile& games, const std::string& from,
                           const SeasonPlayer& p) {
  const reports::ReportTable log = reports::GameLogTable(p.log);
  SiteTable t;
  t.caption = "Game log";
  for (const reports::ReportColumn& c : log.columns) {
    t.columns.push_back(
        {Text(c.heading), c.group.empty() ? "" : c.group + " " + c.heading, c.numeric});
  }
  for (std::size_t i = 0; i < log.rows.size(); ++i) {
    const bool totals = i + log.totals_rows >= log.rows.size();
    std::vector<TableCell> cells;
    for (std::size_t c = 0; c < log.rows[i].size(); ++c) cells.push_back(Cell(log.rows[i][c]));
    if (!totals && i < p.log.games.size()) {
      const auto g = games.find(p.log.games[i].file);
      if (g != games.end() && g->second->played)
        cells[0].html = Link(Href(from, g->second->page), Text(log.rows[i][0]));
    }
    (totals ? t.foot : t.rows).push_back(std::move(cells));
  }
  return TableHtml(t);
}

std::string WorkloadSection(const SeasonPlayer& p) {
  SiteTable t;
  t.caption = "Pitch counts and rest";
  t.columns = {{"Date", "", false},
               {"Opponent", "", false},
               {"Pitches", "Pitches thrown in the game", true},
               {"Day", "Pitches thrown that day", true},
               {"Rest", "Days of rest the day's pitches require", true},
               {"Next", "The day he may pitch again", false},
               {"Note", "", false}};
  for (const Outing& o : p.outings) {
    std::string note = o.over_max ? "over the daily maximum" : "";
    if (o.short_rest) note += std::string(note.empty() ? "" : ", ") + "short rest";
    t.rows.push_back({Cell(CalendarDayText(o.day)), Cell(o.opponent), Number(o.pitches),
                      Number(o.day_pitches), Number(o.rest_days), Cell(CalendarDayText(o.next)),
                      Cell(note)});
  }
  return TableHtml(t);
}

void PlayerPage(const Season& season, const PageOfFile& games, const SeasonTeam& team,
                const SeasonPlayer& p, const SiteSink& sink) {
  const std::string& from = p.page;
  std::string body = "<p>" + Link(Href(from, team.home_page), Text(team.name)) + "</p>\n";
  body += "<h2>Season</h2>\n";
  // A pitcher who never came to the plate (a league with a designated
  // hitter) shows no batting line.
  if (const int row = RowOf(team.stat, StatTable::kBatting, p.name);
      row >= 0 && (!p.log.pitched || p.log.batting_total.plate_appearances > 0)) {
    body += SeasonLine(team, StatTable::kBatting, row, kBattingKeys, "Batting");
    body += SeasonLine(team, StatTable::kRunning, row, kRunningKeys, "Running");
  }
  if (const int row = RowOf(team.stat, StatTable::kPitching, p.name); row >= 0 && p.log.pitched)
    body += SeasonLine(team, StatTable::kPitching, row, kPitchingKeys, "Pitching");
  body += "<h2>Game log</h2>\n" + GameLogSection(games, from, p);
  body += "<h2>Spray chart</h2>\n" + SprayChartFigure(p.on_base, p.outs, Text(p.name));
  if (p.log.pitched) {
    body += "<h2>Pitch chart</h2>\n" + PitchChartFigure(p.pitches, Text(p.name));
    body += "<h2>Workload</h2>\n" + WorkloadSection(p);
  }
  sink(from, Page(season.FrameFor(from, Text(p.name), false), body));
}

}  // namespace

void AddPlayerPages(const Season& season, std::vector<PageJob>& jobs) {
  auto games = std::make_shared<PageOfFile>();
  for (const SeasonGame& g : season.games) games->emplace(g.file, &g);
  for (const auto& [name, team] : season.teams) {
    for (const auto& [pname, p] : team.players) {
      jobs.push_back([&season, games, &team = team, &p = p](const SiteSink& sink) {
        PlayerPage(season, *games, team, p, sink);
      });
    }
  }
}

}  // namespace scorewick::site
