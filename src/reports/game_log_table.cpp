#include "reports/game_log_table.h"

#include <iterator>

#include "records/format_text.h"

namespace scorewick::reports {
namespace {

constexpr const char* kBattingHeadings[] = {"PA", "AB",  "R",  "H",  "2B", "3B",
                                            "HR", "RBI", "BB", "SO", "SB", "CS"};
constexpr const char* kPitchingHeadings[] = {"IP", "H", "R", "ER", "BB", "SO", "HR", "PC", "Dec"};

std::string N(long long n) { return std::to_string(n); }

std::vector<std::string> BattingCells(const BattingStat& b) {
  return {N(b.plate_appearances),
          N(b.at_bats),
          N(b.runs),
          N(b.hits),
          N(b.doubles),
          N(b.triples),
          N(b.home_runs),
          N(b.rbi),
          N(b.walks),
          N(b.strikeouts()),
          N(b.stolen_bases),
          N(static_cast<long long>(b.cs[0]) + b.cs[1] + b.cs[2])};
}

std::vector<std::string> PitchingCells(const PitchingStat& p, const StatRules& rules,
                                       std::string decision) {
  return {InningsPitchedText(p, rules),
          N(p.hits),
          N(p.runs),
          N(p.earned_runs),
          N(p.walks),
          N(p.strikeouts),
          N(p.home_runs),
          N(p.pitch_count),
          std::move(decision)};
}

}  // namespace

ReportTable GameLogTable(const GameLog& log) {
  ReportTable t;
  t.title = "Game Log: " + log.player + (log.team.empty() ? "" : ", " + log.team);
  t.columns = {
      {"Date", "", false}, {"Time", "", true}, {"Opponent", "", false}, {"Result", "", false}};
  // A pitcher's log leads with his pitching; his batting follows only when
  // he came to the plate (a pitcher of a league with a designated hitter
  // would otherwise carry a row of zeros).
  const bool batted = !log.pitched || log.batting_total.plate_appearances > 0;
  if (log.pitched) {
    for (const char* h : kPitchingHeadings) t.columns.push_back({h, "Pitching", true});
  }
  if (batted) {
    for (const char* h : kBattingHeadings) t.columns.push_back({h, "Batting", true});
  }
  int won = 0, lost = 0, tied = 0;
  for (const GameLogEntry& e : log.games) {
    const char result = e.Result();
    (result == 'W' ? won : result == 'L' ? lost : tied) += 1;
    std::vector<std::string> row = {CalendarDayText(e.day),
                                    Format("%d:%02d", e.start_hour, e.start_minute),
                                    (e.home ? "vs " : "at ") + e.opponent,
                                    Format("%c %lld-%lld", result, e.runs_for, e.runs_against)};
    if (log.pitched) {
      std::vector<std::string> pitching(std::size(kPitchingHeadings), "");
      if (e.pitched)
        pitching = PitchingCells(e.pitching, log.rules, std::string(Decision(e.pitching)));
      for (std::string& cell : pitching) row.push_back(std::move(cell));
    }
    if (batted) {
      for (std::string& cell : BattingCells(e.batting)) row.push_back(std::move(cell));
    }
    t.rows.push_back(std::move(row));
  }
  std::vector<std::string> totals = {
      "Totals", "", Format("%zu game%s", log.games.size(), log.games.size() == 1 ? "" : "s"),
      tied > 0 ? Format("%d-%d-%d", won, lost, tied) : Format("%d-%d", won, lost)};
  if (log.pitched) {
    const PitchingStat& p = log.pitching_total;
    std::string record = Format("%d-%d", p.wins, p.losses);
    if (p.saves > 0) record += Format(", %d S", p.saves);
    for (std::string& cell : PitchingCells(p, log.rules, record)) totals.push_back(std::move(cell));
  }
  if (batted) {
    for (std::string& cell : BattingCells(log.batting_total)) totals.push_back(std::move(cell));
  }
  t.rows.push_back(std::move(totals));
  t.totals_rows = 1;
  return t;
}

}  // namespace scorewick::reports
