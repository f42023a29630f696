#pragma once
// Stat: the statistics of one team (or its opponents, or every team) over
// a list of games: the batting, pitching and fielding tables, each closed
// by a totals row once counted.
//
// Rows stay in the order they were first met; they are found through an
// index by (name, team) for batting and pitching and (name, team,
// position) for fielding, so counting a league of a thousand players stays
// linear.  Code that reorders or edits the tables directly calls
// InvalidateIndex() (SortTable and Combine do).

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "stats/batting_stat.h"
#include "stats/fielding_stat.h"
#include "stats/pitching_stat.h"
#include "stats/stat_rules.h"

namespace scorewick {

inline constexpr std::string_view kTeamTotalsName = "TEAM TOTALS";
inline constexpr std::string_view kCombinedTotalsName = "TOTALS";
inline constexpr std::string_view kAllTeamsName = "All Teams";

// Adds every counter of a row that a totals row sums into another row of
// the same table.
template <typename Row>
void AddCounters(Row& to, const Row& from) {
#define SCOREWICK_ADD(f) AddInto(to.f, from.f);
  if constexpr (std::is_same_v<Row, BattingStat>) {
    SCOREWICK_BATTING_SUMMED(SCOREWICK_ADD)
    SCOREWICK_BATTING_PER_BASE(SCOREWICK_ADD)
  } else if constexpr (std::is_same_v<Row, PitchingStat>) {
    SCOREWICK_PITCHING_SUMMED(SCOREWICK_ADD)
    SCOREWICK_PITCHING_PER_BASE(SCOREWICK_ADD)
  } else {
    SCOREWICK_FIELDING_SUMMED(SCOREWICK_ADD)
    SCOREWICK_FIELDING_PER_BASE(SCOREWICK_ADD)
  }
#undef SCOREWICK_ADD
}

class Stat {
 public:
  explicit Stat(const StatRules& rules = {})
      : rules(rules), innings_per_game(rules.innings_per_game) {}

  std::vector<BattingStat> batting;
  std::vector<PitchingStat> pitching;
  std::vector<FieldingStat> fielding;
  std::string team_name;  // the team counted; "All Teams" after an all-teams run
  bool all_teams = false;
  StatRules rules;
  int innings_per_game = 9;            // ERA scale; starts as rules.innings_per_game
  std::int32_t innings_batted = 0;     // innings the counted side batted (totals row IP)
  std::int32_t games_played = 0;       // games of the list the counted side played (totals GP)
  std::int32_t outs_in_field = 0;      // outs the counted side made in the field (fielding TP)
  std::int32_t last_game_played = -1;  // number of the last game counted in games_played

  // Empties the three tables and the side's innings, games and outs.
  void ClearTables();
  void InvalidateIndex();

  // The rows a count has found for one team, by name (and, for fielding,
  // position): a season names the same few dozen players game after game,
  // and a short list answers them faster than the index.  Valid until
  // InvalidateIndex.
  struct TeamRows {
    struct Entry {
      std::string name;
      std::int32_t position;
      int row;
    };
    std::vector<Entry> batting, pitching, fielding;
  };
  TeamRows& RowsOf(std::string_view team);

  // Index of the row, or -1 when absent (or the name is empty).  The
  // FindOrAdd forms append a new row when absent; an empty name is never
  // added.  FindOrAddBatting also records a non-zero position in the row.
  int FindBatting(std::string_view name, std::string_view team);
  int FindOrAddBatting(std::string_view name, std::string_view team, std::int32_t position);
  int FindPitching(std::string_view name, std::string_view team);
  int FindOrAddPitching(std::string_view name, std::string_view team);
  int FindFielding(std::string_view name, std::string_view team, std::int32_t position);
  int FindOrAddFielding(std::string_view name, std::string_view team, std::int32_t position);

 private:
  using Index = std::unordered_map<std::string, int>;
  const std::string& Key(std::string_view name, std::string_view team, std::int32_t position);
  void RebuildIfStale();
  // The row of name and team (and, for fielding, position; -1 for the
  // other tables) in rows, appended when absent and `add` is set; -1 when
  // absent otherwise, or when the name is empty.
  template <typename Row>
  int Locate(std::vector<Row>& rows, Index& index, std::size_t& indexed, std::string_view name,
             std::string_view team, std::int32_t position, bool add);

  Index batting_index_;
  Index pitching_index_;
  Index fielding_index_;
  std::unordered_map<std::string, TeamRows> team_rows_;
  // Rows the indexes cover; a table of another length is indexed again.
  std::size_t indexed_[3] = {0, 0, 0};
  std::string key_;  // reused lookup key
};

}  // namespace scorewick
