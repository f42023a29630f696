#pragma once
// The counting of one side of one game, inside Accumulate: the batting
// half of each inning, the pitching half with its fielding credits, the
// appearances, and the end-of-game credits.  Internal to the statistics
// engine: callers use stats/accumulate.h.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "records/codes.h"
#include "records/game.h"
#include "stats/stat.h"

namespace scorewick::counting {

// A name field's text.  Names are short, so a plain scan beats a call to
// memchr over the whole field.
inline std::string_view View(const NameText& text) {
  const char* p = text.bytes.data();
  std::size_t n = 0;
  while (n < NameText::kCapacity && p[n] != '\0') ++n;
  return {p, n};
}

template <typename... Codes>
constexpr bool In(std::int32_t value, Codes... codes) {
  return ((value == codes) || ...);
}

// Bases a batter gains by his own result.
inline int BasesOf(std::int32_t result) {
  switch (result) {
    case kReachDouble:
    case kReachGroundRuleDouble:
      return 2;
    case kReachTriple:
      return 3;
    case kReachHomeRun:
    case kReachInsideParkHR:
      return 4;
    default:
      return 1;
  }
}

// The batter's safe result and out codes, -1 when he has none.
inline std::int32_t ResultOf(const AT_BAT& ab) { return ab.reached ? ab.how_reached : -1; }
inline std::int32_t OutOf(const AT_BAT& ab) { return ab.out ? ab.how_out : -1; }

// An official at-bat.  A sacrifice of any kind is none, the sacrifice fly
// that ends in a double play (38) included.
inline bool IsOfficialAtBat(const AT_BAT& ab) {
  if (!ab.reached && !ab.out) return false;
  const std::int32_t result = ResultOf(ab), out = OutOf(ab);
  return !In(result, 5, 6, 7, 9, 13, 19, 20, 21, 22) && !In(out, 8, 9, 30, 38);
}

inline bool ThrowsRight(const PLAYER& pitcher) { return pitcher.throws_right != 0; }

inline bool SplitCounts(int split, bool right) { return split == 2 || (split == 0) == right; }

// The side a batter stands on against this pitcher: a switch hitter bats
// against the pitcher's hand.
inline bool BatsRight(const PLAYER& batter, const PLAYER& pitcher) {
  if (batter.bats == 0) return false;
  if (batter.bats == 1) return true;
  return !ThrowsRight(pitcher);
}

struct Span {
  int begin = 0;
  int end = 0;
};

// Counts one side of one game.
class SideCounter {
 public:
  SideCounter(Stat& stat, const Game& game, int n, int pitching_split, int batting_split,
              bool counted_is_home)
      : s_(stat),
        game_(game),
        n_(n),
        pitching_split_(pitching_split),
        batting_split_(batting_split),
        batting_top_(!counted_is_home),
        team_((counted_is_home ? game.home : game.visitor).team_name.view()),
        rows_(stat.RowsOf(team_)) {}

  void Count();

 private:
  int BattingRow(std::string_view name, std::int32_t position);
  int PitchingRow(std::string_view name);
  int FieldingRow(std::string_view name, std::int32_t position);
  std::vector<std::string_view> named_;          // batters and runners of a half
  std::vector<std::string_view> defense_names_;  // the fielding half's line-up
  std::vector<int> outs_before_;                 // per plate appearance of the fielding half

  BattingStat& Bat(int i) { return s_.batting[static_cast<std::size_t>(i)]; }
  PitchingStat& Pit(int i) { return s_.pitching[static_cast<std::size_t>(i)]; }
  FieldingStat& Fld(int i) { return s_.fielding[static_cast<std::size_t>(i)]; }

  void BattingHalf(const HALF_INNING& half);
  void BattingPlate(const AT_BAT& ab);
  void PitchingPlate(const HALF_INNING& half, int inning, int index, const AT_BAT& ab);
  void FieldingCredits(const AT_BAT& ab, const std::array<bool, kBases>& passed_ball,
                       std::string_view catcher);
  void Appearances(int inning, const HALF_INNING& bat, const HALF_INNING& field);
  void MarkAppeared(int row, int inning);
  void EndOfGame();

  bool IsGamePitcher(std::string_view name);
  // Whether the name is in the defensive line-up of the half being counted.
  bool InDefense(std::string_view name) const;
  std::string_view Catcher(const HALF_INNING& half, int inning, int index, bool before_sub) const;
  int Start(const PLAYER& entry, int inning) const;

  Stat& s_;
  const Game& game_;
  int n_;
  int pitching_split_;
  int batting_split_;
  bool batting_top_;
  std::string_view team_;
  Stat::TeamRows& rows_;  // the rows found for this team so far
  int starter_ = -1;
  std::vector<std::string_view> game_pitchers_;
  const AT_BAT* final_plate_ = nullptr;
};

}  // namespace scorewick::counting
