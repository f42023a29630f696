#include "reports/score_sheet_layout.h"

#include <algorithm>
#include <set>

#include "records/codes.h"
#include "reports/roster_text.h"

namespace scorewick::reports {
namespace {

// The side bats in the top halves when it is the visitors.
const HALF_INNING& BattingHalf(const Game& game, int inning, bool home) {
  return game.innings[static_cast<std::size_t>(inning)].half(!home);
}

const HALF_INNING& FieldingHalf(const Game& game, int inning, bool home) {
  return game.innings[static_cast<std::size_t>(inning)].half(home);
}

int SlotOf(const AT_BAT& ab, const HALF_INNING& half, int rows) {
  if (ab.batter.batting_order >= 1 && ab.batter.batting_order <= rows) {
    return ab.batter.batting_order - 1;
  }
  for (const PLAYER& p : half.offense) {
    if (SamePlayer(p, ab.batter) && p.batting_order >= 1 && p.batting_order <= rows) {
      return p.batting_order - 1;
    }
  }
  return -1;
}

int CountRows(const Game& game, bool home, int last) {
  int rows = 0;
  for (int i = 0; i <= last; ++i) {
    const HALF_INNING& half = BattingHalf(game, i, home);
    for (const PLAYER& p : half.offense) rows = std::max(rows, int{p.batting_order});
    for (const AT_BAT& ab : half.at_bats) rows = std::max(rows, int{ab.batter.batting_order});
  }
  if (rows > 0) return rows;
  const Team& team = home ? game.home : game.visitor;
  return team.lineup_size > 0 ? team.lineup_size : 9;
}

std::string EnteredText(const PLAYER& p) {
  return (p.entry_flag ? "T" : "B") + std::to_string(p.entered_inning);
}

// The team's line-ups in the order of the game (the top half of each
// inning, then the bottom), each with whether it is a batting line-up.
template <typename Visit>
void ForEachLineup(const Game& game, bool home, Visit visit) {
  for (int i = 0; i <= game.LastInning(); ++i) {
    if (home) {
      visit(FieldingHalf(game, i, home).defense, false);
      visit(BattingHalf(game, i, home).offense, true);
    } else {
      visit(BattingHalf(game, i, home).offense, true);
      visit(FieldingHalf(game, i, home).defense, false);
    }
  }
}

}  // namespace

std::vector<PLAYER> Substitutes(const Game& game, bool home) {
  std::set<std::string> seen;
  std::vector<PLAYER> subs;
  bool first_batting = true;
  bool first_fielding = true;
  ForEachLineup(game, home, [&](const std::vector<PLAYER>& lineup, bool batting) {
    if (lineup.empty()) return;
    bool& first = batting ? first_batting : first_fielding;
    // In the side's first batting and first fielding line-up, the first
    // player of each slot (position) started the game; everyone listed
    // after him, there or later, came in for somebody.
    std::set<std::int32_t> taken;
    for (const PLAYER& p : lineup) {
      if (p.name.empty()) continue;
      const std::int32_t place = batting ? p.batting_order : p.position;
      const bool starter = first && taken.insert(place).second;
      if (!seen.insert(p.name.str()).second) continue;
      if (!starter) subs.push_back(p);
    }
    first = false;
  });
  return subs;
}

SideSheet LayOutSide(const Game& game, bool home) {
  SideSheet sheet;
  sheet.home = home;
  const int last = game.LastInning();
  // Slots beyond any line-up the handheld keeps are damage, not a line-up.
  sheet.rows = std::clamp(CountRows(game, home, last), 1, static_cast<int>(kPositionCount));
  sheet.holders.resize(static_cast<std::size_t>(sheet.rows));

  // Every player who held a slot, in the order of the game: a batter, a
  // pinch hitter or runner, and a fielder who came in for a man in the
  // batting order and took his slot (even when the game ended before his
  // turn at bat).
  std::set<std::string> substitutes;
  for (const PLAYER& p : Substitutes(game, home)) substitutes.insert(p.name.str());
  ForEachLineup(game, home, [&](const std::vector<PLAYER>& lineup, bool) {
    for (const PLAYER& p : lineup) {
      if (p.name.empty() || p.batting_order < 1 || p.batting_order > sheet.rows) continue;
      auto& slot = sheet.holders[static_cast<std::size_t>(p.batting_order - 1)];
      const bool known = std::any_of(slot.begin(), slot.end(),
                                     [&](const SlotHolder& h) { return h.name == p.name.view(); });
      if (known) continue;
      const bool starter = !substitutes.count(p.name.str());
      slot.push_back({UniformNumberText(p), p.name.str(), std::string(PositionAbbrev(p.position)),
                      starter ? std::string() : EnteredText(p)});
    }
  });

  for (int i = 0; i <= last; ++i) {
    const HALF_INNING& half = BattingHalf(game, i, home);
    const std::size_t first = sheet.columns.size();
    SheetColumn column;
    column.inning = i;
    column.played = !half.offense.empty() || !half.at_bats.empty();
    column.at_bats.assign(static_cast<std::size_t>(sheet.rows), -1);
    sheet.columns.push_back(column);
    std::vector<int> turns(static_cast<std::size_t>(sheet.rows), 0);
    int previous = -1;
    for (std::size_t a = 0; a < half.at_bats.size(); ++a) {
      int row = SlotOf(half.at_bats[a], half, sheet.rows);
      if (row < 0) row = (previous + 1) % sheet.rows;
      previous = row;
      const int pass = turns[static_cast<std::size_t>(row)]++;
      while (sheet.columns.size() <= first + static_cast<std::size_t>(pass)) {
        column.pass = static_cast<int>(sheet.columns.size() - first);
        sheet.columns.push_back(column);
      }
      sheet.columns[first + static_cast<std::size_t>(pass)].at_bats[static_cast<std::size_t>(row)] =
          static_cast<int>(a);
    }
  }
  return sheet;
}

std::int64_t SideRuns(const Game& game, bool home) {
  // Added up wide: the runs a file stores for each half are 32-bit figures
  // of any size.
  std::int64_t runs = 0;
  for (int i = 0; i <= game.LastInning(); ++i) runs += BattingHalf(game, i, home).runs;
  return runs;
}

std::string DesignatedHitterLine(const Game& game, bool home) {
  std::string subs;
  for (const PLAYER& p : Substitutes(game, home)) {
    subs += ",#" + UniformNumberText(p) + " " + p.name.str() + " " + EnteredText(p) + "-" +
            std::to_string(p.entry_value);
  }
  const Team& team = home ? game.home : game.visitor;
  if (team.uses_designated_hitter) {
    const PLAYER& p = team.dh_bats_for;
    return "Player DH bats for: #" + UniformNumberText(p) + " " + p.name.str() + " (" +
           std::string(PositionAbbrev(p.position)) + ")" + subs;
  }
  if (subs.empty()) return {};
  return "Substitutions: " + subs.substr(1);
}

std::vector<SheetPageSpec> PlanSidePages(bool home, int columns, const GamePrintOptions& options) {
  columns = std::max(columns, 1);
  const int per_page = options.fit ? columns : std::clamp(options.columns, 1, 15);
  std::vector<SheetPageSpec> pages;
  for (int first = 0; first < columns; first += per_page) {
    SheetPageSpec page;
    page.home = home;
    page.first_column = first;
    page.column_count = std::min(per_page, columns - first);
    page.columns_sized = per_page;
    pages.push_back(page);
  }
  pages.back().last_of_side = true;
  return pages;
}

std::vector<SheetPageSpec> PlanGamePages(const Game& game, const GamePrintOptions& options) {
  std::vector<SheetPageSpec> pages;
  std::vector<bool> sides;
  if (options.side != PrintSide::kVisitors) sides.push_back(true);
  if (options.side != PrintSide::kHome) sides.push_back(false);
  for (bool home : sides) {
    const int columns = static_cast<int>(LayOutSide(game, home).columns.size());
    for (const SheetPageSpec& page : PlanSidePages(home, columns, options)) pages.push_back(page);
  }
  if (options.notes && !game.notes.empty()) {
    SheetPageSpec notes;
    notes.notes = true;
    pages.push_back(notes);
  }
  return pages;
}

}  // namespace scorewick::reports
