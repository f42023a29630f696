#include "stats/stat_columns.h"

#include <array>
#include <cmath>
#include <limits>

#include "records/codes.h"
#include "records/format_text.h"

namespace scorewick {
namespace {

enum class Cell {
  kText,      // name, team
  kPosition,  // position abbreviation
  kInt,
  kAverage,  // "%5.3f", leading zero blanked below 1
  kFixed3,   // "%5.3f"
  kFixed2,   // "%5.2f"
  kFixed1,   // "%5.1f"
  kBuntPct,  // "%5.3f", or "0.00" when the value is negative (no chances)
  kChances,  // "%5.3f", or "n/a" when the value is negative (no error)
};

template <typename Row>
struct Column {
  std::string_view key;
  Cell cell;
  double (*value)(const Row&, const StatRules&);  // numeric columns
  std::string_view (*text)(const Row&);           // text columns
};

template <typename Row>
constexpr Column<Row> Num(std::string_view key, Cell cell,
                          double (*value)(const Row&, const StatRules&)) {
  return {key, cell, value, nullptr};
}
template <typename Row>
constexpr Column<Row> Text(std::string_view key, std::string_view (*text)(const Row&)) {
  return {key, Cell::kText, nullptr, text};
}

#define SW_INT(Row, key, field) \
  Num<Row>(key, Cell::kInt, [](const Row& r, const StatRules&) { return double(r.field); })
#define SW_NUM(Row, key, cell, expr)                             \
  Num<Row>(key, cell, [](const Row& r, const StatRules& rules) { \
    (void)rules;                                                 \
    return double(expr);                                         \
  })
// The three columns of a per-base counter, first base (or second) on.
#define SW_PER_BASE(Row, key1, key2, key3, field) \
  SW_INT(Row, key1, field[0]), SW_INT(Row, key2, field[1]), SW_INT(Row, key3, field[2])
#define SW_NAME(Row) Text<Row>("Name", [](const Row& r) { return std::string_view(r.name); })
#define SW_TEAM(Row) Text<Row>("Team", [](const Row& r) { return std::string_view(r.team); })

using B = BattingStat;
using P = PitchingStat;
using F = FieldingStat;

float BuntChances(const B& r) {
  return float(r.bunt_hits + r.bunt_outs + r.bunted_foul_second_strike);
}

// A rate's value; with nothing to divide by the cell is blank, and the
// figure is NaN.
constexpr double kBlank = std::numeric_limits<double>::quiet_NaN();
double Rate(double numerator, double denominator) {
  return denominator > 0 ? numerator / denominator : kBlank;
}

// Balls in play: official at-bats that were neither a strikeout nor a home
// run, and the sacrifice flies.
double BallsInPlay(const B& r) {
  return double(r.at_bats - r.strikeouts() - r.home_runs + r.sacrifice_flies);
}
double OnBaseChances(const B& r) {
  return double(r.at_bats + r.walks + r.hit_by_pitch + r.sacrifice_flies);
}

// Per nine innings pitched: 9 x figure / (outs / outs per inning).
double PerNine(std::int32_t figure, const P& r, const StatRules& rules) {
  return Rate(9.0 * figure * rules.outs_per_inning, double(r.outs));
}

const std::array<Column<B>, 61> kBattingColumns = {
    SW_NAME(B),
    SW_TEAM(B),
    SW_INT(B, "GP", games),
    SW_INT(B, "IP", innings),
    SW_INT(B, "PA", plate_appearances),
    SW_INT(B, "OAB", at_bats),
    SW_INT(B, "H", hits),
    SW_INT(B, "1B", singles),
    SW_INT(B, "2B", doubles),
    SW_INT(B, "3B", triples),
    SW_INT(B, "HR", home_runs),
    SW_INT(B, "R", runs),
    SW_INT(B, "RBI", rbi),
    SW_NUM(B, "Avg", Cell::kAverage, r.avg),
    SW_NUM(B, "Slug", Cell::kAverage, r.slug),
    SW_NUM(B, "OBA", Cell::kAverage, r.oba),
    SW_INT(B, "BNT", bunt_hits),
    SW_NUM(B, "BNT%", Cell::kBuntPct,
           BuntChances(r) >= 1 ? float(r.bunt_hits) / BuntChances(r) : -1.0f),
    SW_INT(B, "BB", walks),
    SW_INT(B, "HBP", hit_by_pitch),
    SW_INT(B, "RE", reached_on_error),
    SW_INT(B, "FC", fielders_choices),
    SW_INT(B, "DTSWP", dts_wild_pitch),
    SW_INT(B, "DTSPB", dts_passed_ball),
    SW_INT(B, "DTSE", dts_error),
    SW_INT(B, "CATI", catcher_interference),
    SW_INT(B, "OFI", other_interference),
    SW_INT(B, "S", sacrifices),
    SW_INT(B, "BS", sacrifice_bunts),
    SW_INT(B, "SF", sacrifice_flies),
    SW_INT(B, "SOS", so_swinging),
    SW_INT(B, "SOL", so_looking),
    SW_NUM(B, "SO", Cell::kInt, r.strikeouts()),
    SW_INT(B, "GO", ground_outs),
    SW_INT(B, "FO", fly_outs),
    SW_INT(B, "FFO", foul_fly_outs),
    SW_INT(B, "PO", pop_outs),
    SW_INT(B, "IFFLY", infield_flies),
    SW_INT(B, "INTF", interference_outs),
    SW_INT(B, "TBAT", thrown_bat),
    SW_INT(B, "LD", line_drives),
    SW_INT(B, "HIDB", into_double_play),
    SW_INT(B, "HITP", into_triple_play),
    SW_INT(B, "TBBB", hit_by_own_ball),
    SW_INT(B, "BOTRN", batted_out_of_turn),
    SW_INT(B, "BF2S", bunted_foul_second_strike),
    SW_INT(B, "DTSO", dropped_third_out),
    SW_INT(B, "ILBB", illegally_batted),
    SW_INT(B, "HBFB", hit_by_fair_ball),
    SW_INT(B, "FRCO", force_outs),
    SW_INT(B, "TAGO", tag_outs),
    SW_INT(B, "CO", called_out),
    SW_INT(B, "BNTO", bunt_outs),
    SW_INT(B, "NFGDP", non_force_dp),
    SW_INT(B, "SFDB", sac_fly_dp),
    SW_NAME(B),
    // The rates added later stand after the second Name, so that layout
    // files written before them keep their lines.
    SW_NUM(B, "OPS", Cell::kAverage, OnBaseChances(r) > 0 ? r.oba + r.slug : kBlank),
    SW_NUM(B, "XBH", Cell::kInt, r.doubles + r.triples + r.home_runs),
    SW_NUM(B, "BABIP", Cell::kAverage, Rate(r.hits - r.home_runs, BallsInPlay(r))),
    SW_NUM(B, "K%", Cell::kFixed1, Rate(100.0 * r.strikeouts(), r.plate_appearances)),
    SW_NUM(B, "BB%", Cell::kFixed1, Rate(100.0 * r.walks, r.plate_appearances)),
};

const std::array<Column<B>, 27> kRunningColumns = {
    SW_NAME(B),
    SW_TEAM(B),
    SW_INT(B, "R", runs),
    SW_PER_BASE(B, "SB2", "SB3", "SBH", sb),
    SW_INT(B, "SB", stolen_bases),
    SW_INT(B, "SBA", steal_attempts),
    SW_NUM(B, "SB%", Cell::kFixed1, r.sb_pct),
    SW_PER_BASE(B, "CS2", "CS3", "CSH", cs),
    SW_INT(B, "CSDB", caught_stealing_dp),
    SW_PER_BASE(B, "PKO1", "PKO2", "PKO3", pko),
    SW_NUM(B, "PKO", Cell::kInt, Total(r.pko)),
    SW_INT(B, "MB", missed_base),
    SW_INT(B, "LBE", left_base_early),
    SW_INT(B, "DNTU", did_not_tag_up),
    SW_INT(B, "LBP", left_base_path),
    SW_INT(B, "CV", circle_violation),
    SW_INT(B, "LOV", leading_off),
    SW_INT(B, "BLV", base_line_violation),
    SW_INT(B, "HFS", head_first_slide),
    SW_INT(B, "OVRB", over_ran_base),
    SW_NAME(B),
};

const std::array<Column<F>, 34> kFieldingColumns = {
    SW_NAME(F),
    SW_TEAM(F),
    Num<F>("Pos", Cell::kPosition, [](const F& r, const StatRules&) { return double(r.position); }),
    SW_INT(F, "GP", games),
    SW_NUM(F, "TP", Cell::kFixed3, float(r.outs_played) / float(rules.outs_per_inning)),
    SW_INT(F, "APO", assisted_put_outs),
    SW_INT(F, "UAPO", unassisted_put_outs),
    SW_INT(F, "PO", put_outs),
    SW_INT(F, "A", assists),
    SW_INT(F, "E", errors),
    SW_INT(F, "FE", fielding_errors),
    SW_INT(F, "TE", throwing_errors),
    SW_INT(F, "BE", bobbles),
    SW_PER_BASE(F, "PKO1", "PKO2", "PKO3", pko),
    SW_NUM(F, "PKO", Cell::kInt, Total(r.pko)),
    SW_PER_BASE(F, "PKOA1", "PKOA2", "PKOA3", pkoa),
    SW_NUM(F, "PKOA", Cell::kInt, Total(r.pkoa)),
    SW_INT(F, "PCHR", pitches_received),
    SW_INT(F, "PB", passed_balls),
    SW_INT(F, "DTSOB", dts_batter_reached),
    SW_INT(F, "DTSOUT", dts_batter_out),
    SW_PER_BASE(F, "CS2", "CS3", "CSH", cs),
    SW_INT(F, "CSPOH", cs_put_out_home),
    SW_INT(F, "SBA", steal_attempts),
    SW_INT(F, "INTF", interference),
    SW_NUM(F, "F%", Cell::kAverage, r.fielding_avg),
    SW_NUM(F, "CPE", Cell::kChances,
           r.errors >= 1 ? float(r.errors + r.assists + r.put_outs) / float(r.errors) : -1.0f),
    SW_NAME(F),
};

const std::array<Column<P>, 46> kPitchingColumns = {
    SW_NAME(P),
    SW_TEAM(P),
    SW_INT(P, "GS", games_started),
    SW_INT(P, "GC", complete_games),
    SW_INT(P, "SHO", shutouts),
    SW_INT(P, "SA", saves),
    SW_INT(P, "BF", batters_faced),
    SW_INT(P, "H", hits),
    SW_INT(P, "1B", singles),
    SW_INT(P, "2B", doubles),
    SW_INT(P, "3B", triples),
    SW_INT(P, "HR", home_runs),
    SW_INT(P, "R", runs),
    SW_INT(P, "BB", walks),
    SW_INT(P, "HB", hit_batsmen),
    SW_INT(P, "BK", balks),
    SW_INT(P, "WP", wild_pitches),
    SW_INT(P, "SO", strikeouts),
    SW_PER_BASE(P, "PKO1", "PKO2", "PKO3", pko),
    SW_NUM(P, "PKO", Cell::kInt, Total(r.pko)),
    SW_PER_BASE(P, "PKOA1", "PKOA2", "PKOA3", pkoa),
    SW_NUM(P, "PKOA", Cell::kInt, Total(r.pkoa)),
    SW_INT(P, "W", wins),
    SW_INT(P, "L", losses),
    SW_NUM(P, "PCT", Cell::kFixed1, r.pct),
    SW_INT(P, "PC", pitch_count),
    SW_INT(P, "TS", total_strikes),
    SW_INT(P, "TB", total_balls),
    SW_INT(P, "FPS", first_pitch_strikes),
    SW_INT(P, "FPB", first_pitch_balls),
    SW_NUM(P, "FPS%", Cell::kFixed1, r.fps_pct),
    SW_NUM(P, "IP", Cell::kFixed2, float(r.outs) / float(rules.outs_per_inning)),
    SW_INT(P, "ER", earned_runs),
    SW_NUM(P, "ERA", Cell::kFixed2, r.era),
    SW_NUM(P, "OBA", Cell::kFixed3, r.oba),
    SW_NAME(P),
    // The rates added later, after the second Name (see batting).
    SW_NUM(P, "WHIP", Cell::kFixed2,
           Rate(double(r.walks + r.hits) * rules.outs_per_inning, r.outs)),
    SW_NUM(P, "K/9", Cell::kFixed2, PerNine(r.strikeouts, r, rules)),
    SW_NUM(P, "BB/9", Cell::kFixed2, PerNine(r.walks, r, rules)),
    SW_NUM(P, "HR/9", Cell::kFixed2, PerNine(r.home_runs, r, rules)),
    SW_NUM(P, "K/BB", Cell::kFixed2, Rate(r.strikeouts, r.walks)),
    SW_NUM(P, "P/PA", Cell::kFixed2, Rate(r.pitch_count, r.batters_faced)),
};

#undef SW_INT
#undef SW_NUM
#undef SW_PER_BASE
#undef SW_NAME
#undef SW_TEAM

template <typename Row, std::size_t N>
std::string CellOf(const std::array<Column<Row>, N>& columns, const Row& row,
                   const StatRules& rules, int column, bool totals) {
  if (column < 0 || column >= static_cast<int>(N)) return {};
  const Column<Row>& c = columns[static_cast<std::size_t>(column)];
  if (c.cell == Cell::kText) return std::string(c.text(row));
  const double v = c.value(row, rules);
  if (std::isnan(v)) return {};  // a rate with nothing to divide by
  switch (c.cell) {
    case Cell::kPosition:
      return totals ? " " : std::string(PositionAbbrev(static_cast<std::int32_t>(v)));
    case Cell::kInt:
      return std::to_string(static_cast<long long>(v));
    case Cell::kAverage: {
      std::string text = Format("%5.3f", v);
      if (v < 1.0) text[0] = ' ';
      return text;
    }
    case Cell::kFixed3:
      return Format("%5.3f", v);
    case Cell::kFixed2:
      return Format("%5.2f", v);
    case Cell::kFixed1:
      return Format("%5.1f", v);
    case Cell::kBuntPct:
      return v < 0 ? "0.00" : Format("%5.3f", v);
    case Cell::kChances:
      return v < 0 ? "n/a" : Format("%5.3f", v);
    case Cell::kText:
      break;
  }
  return {};
}

template <typename Row, std::size_t N>
SortKey SortOf(const std::array<Column<Row>, N>& columns, const Row& row, const StatRules& rules,
               int column) {
  SortKey key;
  if (column < 0 || column >= static_cast<int>(N)) return key;
  const Column<Row>& c = columns[static_cast<std::size_t>(column)];
  if (c.cell == Cell::kText) {
    key.is_text = true;
    key.text = c.text(row);
  } else {
    // A cell with no chances ("0.00", "n/a") sorts as 0; a blank rate
    // sorts after every figure, whichever the direction.
    key.number = c.value(row, rules);
    key.blank = std::isnan(key.number);
    if (key.number < 0 && (c.cell == Cell::kBuntPct || c.cell == Cell::kChances)) key.number = 0;
  }
  return key;
}

}  // namespace

int ColumnCount(StatTable table) {
  switch (table) {
    case StatTable::kBatting:
      return static_cast<int>(kBattingColumns.size());
    case StatTable::kRunning:
      return static_cast<int>(kRunningColumns.size());
    case StatTable::kFielding:
      return static_cast<int>(kFieldingColumns.size());
    case StatTable::kPitching:
      return static_cast<int>(kPitchingColumns.size());
  }
  return 0;
}

int FirstColumnsCount(StatTable table) {
  switch (table) {
    case StatTable::kBatting:
      return 56;
    case StatTable::kPitching:
      return 40;
    default:
      return ColumnCount(table);
  }
}

bool IsRepeatedName(StatTable table, int column) {
  return column > 0 && ColumnKey(table, column) == "Name";
}

std::string_view ColumnKey(StatTable table, int column) {
  if (column < 0 || column >= ColumnCount(table)) return {};
  const auto c = static_cast<std::size_t>(column);
  switch (table) {
    case StatTable::kBatting:
      return kBattingColumns[c].key;
    case StatTable::kRunning:
      return kRunningColumns[c].key;
    case StatTable::kFielding:
      return kFieldingColumns[c].key;
    case StatTable::kPitching:
      return kPitchingColumns[c].key;
  }
  return {};
}

int RowCount(const Stat& stat, StatTable table) {
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      return static_cast<int>(stat.batting.size());
    case StatTable::kFielding:
      return static_cast<int>(stat.fielding.size());
    case StatTable::kPitching:
      return static_cast<int>(stat.pitching.size());
  }
  return 0;
}

bool IsTotalsRow(const Stat& stat, StatTable table, int row) {
  if (row != RowCount(stat, table) - 1) return false;
  const auto r = static_cast<std::size_t>(row);
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      return stat.batting[r].team.empty();
    case StatTable::kFielding:
      return stat.fielding[r].team.empty();
    case StatTable::kPitching:
      return stat.pitching[r].team.empty();
  }
  return false;
}

std::string CellText(const Stat& stat, StatTable table, int row, int column) {
  if (row < 0 || row >= RowCount(stat, table)) return {};
  const auto r = static_cast<std::size_t>(row);
  const bool totals = IsTotalsRow(stat, table, row);
  switch (table) {
    case StatTable::kBatting:
      return CellOf(kBattingColumns, stat.batting[r], stat.rules, column, totals);
    case StatTable::kRunning:
      return CellOf(kRunningColumns, stat.batting[r], stat.rules, column, totals);
    case StatTable::kFielding:
      return CellOf(kFieldingColumns, stat.fielding[r], stat.rules, column, totals);
    case StatTable::kPitching:
      return CellOf(kPitchingColumns, stat.pitching[r], stat.rules, column, totals);
  }
  return {};
}

SortKey SortValueOf(const BattingStat& row, const StatRules& rules, StatTable table, int column) {
  SortKey key;
  if (column == kSortByPassedBalls || column == kSortByErrors) {
    key.number = double(column == kSortByErrors ? row.errors : row.passed_balls);
    return key;
  }
  return table == StatTable::kRunning ? SortOf(kRunningColumns, row, rules, column)
                                      : SortOf(kBattingColumns, row, rules, column);
}

SortKey SortValueOf(const FieldingStat& row, const StatRules& rules, StatTable, int column) {
  return SortOf(kFieldingColumns, row, rules, column);
}

SortKey SortValueOf(const PitchingStat& row, const StatRules& rules, StatTable, int column) {
  return SortOf(kPitchingColumns, row, rules, column);
}

SortKey SortValue(const Stat& stat, StatTable table, int row, int column) {
  const auto r = static_cast<std::size_t>(row);
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      return SortValueOf(stat.batting[r], stat.rules, table, column);
    case StatTable::kFielding:
      return SortValueOf(stat.fielding[r], stat.rules, table, column);
    case StatTable::kPitching:
      return SortValueOf(stat.pitching[r], stat.rules, table, column);
  }
  return {};
}

std::string_view TableTitle(StatTable table) {
  switch (table) {
    case StatTable::kBatting:
      return "Batting Stats";
    case StatTable::kRunning:
      return "Running Stats";
    case StatTable::kFielding:
      return "Fielding Stats";
    case StatTable::kPitching:
      return "Pitching Stats";
  }
  return {};
}

}  // namespace scorewick
