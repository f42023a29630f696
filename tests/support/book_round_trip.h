#pragma once
// A game told as its book and read back: what differs between the two
// games in what a person sees of them, their box score (with its
// play-by-play) and every statistics table of both sides.

#include <string>
#include <vector>

#include "reports/box_score.h"
#include "scoring/book.h"
#include "scoring/book_writer.h"
#include "stats/accumulate.h"
#include "stats/stat_columns.h"

namespace scorewick::testing {

// Every cell of every table of both sides, one line a row.
inline std::vector<std::string> TableLines(const Game& game, const StatRules& rules) {
  Stat stat(rules);
  stat.all_teams = true;
  Accumulate(stat, game, Split::kAll, Split::kAll, false);
  std::vector<std::string> lines;
  for (StatTable table :
       {StatTable::kBatting, StatTable::kRunning, StatTable::kFielding, StatTable::kPitching}) {
    for (int row = 0; row < RowCount(stat, table); ++row) {
      std::string line;
      for (int c = 0; c < ColumnCount(table); ++c) line += CellText(stat, table, row, c) + "|";
      lines.push_back(line);
    }
  }
  return lines;
}

// Empty when the game's book reads back as the same game; else the
// first difference (or why the book could not be written or read).
inline std::string BookRoundTrip(const Game& game, const scoring::LeagueRules& rules) {
  std::vector<std::string> lines;
  if (Status written = scoring::WriteBook(game, rules, lines); !written)
    return "not written: " + written.reason;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  Game again;
  const scoring::ScorebookResult read = scoring::CompileScorebook(text, again);
  if (!read.ok) return "not read back: " + read.error;
  StatRules stat_rules;
  stat_rules.innings_per_game = rules.innings;
  stat_rules.outs_per_inning = rules.outs_per_inning;
  stat_rules.strikes_per_out = rules.strikes_per_out;
  stat_rules.balls_per_walk = rules.balls_per_walk;
  for (int pass = 0; pass < 2; ++pass) {
    const std::vector<std::string> a =
        pass == 0 ? reports::MakeBoxScore(game, stat_rules).lines() : TableLines(game, stat_rules);
    const std::vector<std::string> b = pass == 0 ? reports::MakeBoxScore(again, stat_rules).lines()
                                                 : TableLines(again, stat_rules);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
      const std::string x = i < a.size() ? a[i] : "(none)";
      const std::string y = i < b.size() ? b[i] : "(none)";
      if (x != y) {
        return std::string(pass == 0 ? "box score" : "tables") + " line " + std::to_string(i + 1) +
               ": \"" + x + "\" became \"" + y + "\"";
      }
    }
  }
  return {};
}

}  // namespace scorewick::testing
