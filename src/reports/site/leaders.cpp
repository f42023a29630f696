#include "reports/site/leaders.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "reports/site/site_html.h"
#include "stats/column_glossary.h"

namespace scorewick::site {
namespace {

struct BoardSpec {
  StatTable table;
  const char* key;
  bool rate;          // counts only qualified players
  bool lowest_first;  // ERA and WHIP
};

constexpr BoardSpec kBoards[] = {
    {StatTable::kBatting, "Avg", true, false},  {StatTable::kBatting, "HR", false, false},
    {StatTable::kBatting, "RBI", false, false}, {StatTable::kBatting, "OPS", true, false},
    {StatTable::kPitching, "ERA", true, true},  {StatTable::kPitching, "SO", false, false},
    {StatTable::kPitching, "WHIP", true, true},
};

// The qualifiers for one team: those given, or the rule of a team game.
Qualifiers QualifiersOf(const Stat& team, const Qualifiers& given) {
  Qualifiers q = given;
  if (q.min_plate_appearances == 0)
    q.min_plate_appearances = static_cast<int>(std::floor(3.1 * team.games_played));
  if (q.min_innings_hundredths == 0) q.min_innings_hundredths = 100 * team.games_played;
  return q;
}

std::string QualifierText(const BoardSpec& spec, const Qualifiers& given) {
  if (!spec.rate) return {};
  if (spec.table == StatTable::kBatting) {
    return given.min_plate_appearances > 0
               ? "at least " + std::to_string(given.min_plate_appearances) + " plate appearances"
               : "at least 3.1 plate appearances for each game of his team";
  }
  return given.min_innings_hundredths > 0
             ? "at least " + InningsText(given.min_innings_hundredths) + " innings pitched"
             : "at least one inning pitched for each game of his team";
}

struct Candidate {
  double value;
  std::size_t order;
  Leader leader;
};

}  // namespace

int ColumnOf(StatTable table, std::string_view key) {
  for (int c = 0; c < ColumnCount(table); ++c)
    if (ColumnKey(table, c) == key) return c;
  return -1;
}

namespace {

// The player of a row who may lead a board, and by what: nothing for a
// totals row, a rate of a player who does not qualify, or a blank or (for
// a count) nothing counted.
std::optional<Candidate> CandidateOf(const BoardSpec& spec, int column, const Stat& team,
                                     const Qualifiers& q, int row) {
  if (IsTotalsRow(team, spec.table, row)) return std::nullopt;
  const std::size_t r = static_cast<std::size_t>(row);
  SortKey key;
  std::string name, team_name;
  if (spec.table == StatTable::kBatting) {
    const BattingStat& b = team.batting[r];
    if (spec.rate && (b.plate_appearances == 0 || !Qualifies(b, spec.table, q)))
      return std::nullopt;
    key = SortValueOf(b, team.rules, spec.table, column);
    name = b.name;
    team_name = b.team;
  } else {
    const PitchingStat& p = team.pitching[r];
    if (spec.rate && (p.outs == 0 || !Qualifies(p, team.rules, q))) return std::nullopt;
    key = SortValueOf(p, team.rules, spec.table, column);
    name = p.name;
    team_name = p.team;
  }
  if (key.blank || key.is_text || (!spec.rate && key.number <= 0)) return std::nullopt;
  return Candidate{
      key.number, 0, {team_name, name, Trimmed(CellText(team, spec.table, row, column))}};
}

LeaderBoard BoardOf(const BoardSpec& spec, const std::vector<const Stat*>& teams,
                    const Qualifiers& qualifiers, std::size_t count) {
  const int column = ColumnOf(spec.table, spec.key);
  LeaderBoard board;
  board.table = spec.table;
  board.key = spec.key;
  board.name = std::string(ColumnName(spec.table, column));
  board.qualifier = QualifierText(spec, qualifiers);
  std::vector<Candidate> candidates;
  for (const Stat* team : teams) {
    const Qualifiers q = QualifiersOf(*team, qualifiers);
    const int rows = RowCount(*team, spec.table);
    for (int row = 0; row < rows; ++row) {
      if (std::optional<Candidate> c = CandidateOf(spec, column, *team, q, row)) {
        c->order = candidates.size();
        candidates.push_back(std::move(*c));
      }
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const Candidate& a, const Candidate& b) {
                     return spec.lowest_first ? a.value < b.value : a.value > b.value;
                   });
  for (std::size_t i = 0; i < candidates.size() && i < count; ++i)
    board.leaders.push_back(candidates[i].leader);
  return board;
}

}  // namespace

std::vector<LeaderBoard> Leaders(const std::vector<const Stat*>& teams,
                                 const Qualifiers& qualifiers, std::size_t count) {
  std::vector<LeaderBoard> boards;
  for (const BoardSpec& spec : kBoards) boards.push_back(BoardOf(spec, teams, qualifiers, count));
  return boards;
}

}  // namespace scorewick::site
