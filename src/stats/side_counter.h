#pragma once
// The counting of one side of one game, inside Accumulate: the batting
// half of each inning, the pitching half with its fielding credits, the
// appearances, and the end-of-game credits.  Internal to the statistics
// engine: callers use stats/accumulate.h.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/codes.h"
#include "records/game.h"
#include "records/pitcher_charges.h"
#include "stats/plate.h"
#include "stats/split.h"
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

// The pitches of a plate appearance one pitcher threw: [begin, end).
struct Span {
  int begin = 0;
  int end = 0;
  bool Holds(int pitch) const { return pitch >= begin && pitch < end; }
};

// One pitcher's part of a plate appearance, as the pitching half counts it.
struct Turn {
  int slot = 0;
  std::string_view name;
  int row = -1;  // his pitching row
  Span range;
};

// A credit to a pitcher that counting could not place because he has no
// row yet among the tables counted into: a decision (a win, save or loss)
// for a pitcher the game names but who did not pitch in it for the side,
// or an inning pitched in (league rules) by one who has not thrown a
// counted pitch.  Counting a game apart, his row may lie among the rows of
// earlier games, which only the season's tables hold: the credit is kept
// and placed when the game is added to them (stats/game_part.h).
struct LateCredit {
  std::string name;
  std::string team;
  std::int32_t PitchingStat::*counter = nullptr;
  int inning = -1;  // for innings_pitched_in: the inning of the game
};

// Counts one side of one game.
class SideCounter {
 public:
  SideCounter(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
              bool counted_is_home, std::vector<LateCredit>* late = nullptr)
      : s_(stat),
        late_(late),
        game_(game),
        n_(n),
        pitching_split_(pitching_split),
        batting_split_(batting_split),
        batting_top_(!counted_is_home),
        team_((counted_is_home ? game.home : game.visitor).team_name.view()),
        rows_(stat.RowsOf(team_)) {
    for (auto* names : {&game_pitchers_, &named_, &defense_names_}) names->reserve(kListsReserved);
    outs_before_.reserve(kListsReserved);
  }

  void Count();

 private:
  // What the pitching half learns of a plate appearance as its pitchers
  // are taken in turn.
  struct PitchingState {
    bool charged = false;      // the batter is charged to a pitcher
    int strikeout_pitch = -1;  // the pitch that makes the strikeout
    int walk_pitch = -1;       // the ball that makes the walk
    int out_pitch = -1;        // the out pitch that records his out, when no strikeout does
    // With no pitcher named for the batter: the slots that faced him and
    // the one charged with him, found from the pitches.
    std::array<bool, kMaxPitchersPerAtBat> faced_in_slot{};
    std::array<bool, kMaxPitchersPerAtBat> charged_in_slot{};
    std::array<Span, kMaxPitchersPerAtBat> ranges{};  // each slot's pitches
    std::string_view catcher;                         // the catcher as the pitches are walked
    std::string_view facing;  // the pitcher charged with the batter faced, when counted
    std::array<bool, kBases> passed_ball{};  // error entries turned into passed balls
  };

  int BattingRow(std::string_view name, std::int32_t position);
  int PitchingRow(std::string_view name);
  int FieldingRow(std::string_view name, std::int32_t position);
  BattingStat& Bat(int i) { return s_.batting[static_cast<std::size_t>(i)]; }
  PitchingStat& Pit(int i) { return s_.pitching[static_cast<std::size_t>(i)]; }
  FieldingStat& Fld(int i) { return s_.fielding[static_cast<std::size_t>(i)]; }

  // Batting (side_counter_batting.cpp).
  void BattingHalf(const HALF_INNING& half);
  void BattingPlate(const AT_BAT& ab);
  void CountResult(BattingStat& bs);
  void CountStrikeoutAndReachKind(BattingStat& bs);
  void CountOutKind(BattingStat& bs, BattingStat& rs);
  void CountBaseRunning(BattingStat& bs, BattingStat& rs);
  // Who ran at each of the box's entries: the batter up to the entry his
  // pinch runner ran from, the pinch runner after.  entry -1 is his last.
  BattingStat& RunnerAt(int entry, BattingStat& bs, BattingStat& rs) const;

  // The entries of the box being counted where he left each base (1..3),
  // and of his out after he reached; -1 where there is none.
  struct RunnerEntries {
    std::array<int, 3> left{-1, -1, -1};
    int out = -1;
  };
  RunnerEntries runner_entries_;
  int pinch_runner_from_ = 0;

  // Pitching (side_counter_pitching.cpp).
  void PitchingPlate(const HALF_INNING& half, int inning, int index, const AT_BAT& ab);
  void ChargeResponsiblePitcher();
  void FindDecisivePitches();
  void ChargeByPitches();
  void FindOutPitch();
  Span RangeOf(int slot) const;
  bool OpenTurn(int slot, Turn& turn);
  void ChargeInTurn(const Turn& turn);
  void CountStrikeoutAndWalk(const Turn& turn);
  void CountFirstPitch(const Turn& turn);
  void CountRunnerEvents(const Turn& turn);
  void CountWildPitchesAndBalks();
  void CountPitches(const Turn& turn);
  void CountPickOffAttempt(const Turn& turn, std::int32_t event);
  void CountReachPitch(const Turn& turn, int pitch);
  // The pitcher charged with an entry of the plate appearance: after the
  // result, the one on the mound then.
  std::string_view OnMound(int entry, const Turn& turn) const;
  // Whether an entry's play is counted for the first time in the half.
  bool FirstOfPlay(std::vector<PlayMoment>& counted, int entry);
  void CountOutPitch(const Turn& turn, int pitch);
  void TakeBackBallsWithoutPitch(const Turn& turn);
  int CatcherRow() { return FieldingRow(pitching_.catcher, kPosCatcher); }

  // Fielding credits (side_counter_fielding.cpp).
  void FieldingCredits();
  void CountOutChain();
  void CountErrors();

  // Appearances and the end of the game (side_counter.cpp).
  void Appearances(int inning, const HALF_INNING& bat, const HALF_INNING& field);
  void BattingAppearances(int inning, const HALF_INNING& bat);
  void FieldingAppearances(int inning, const HALF_INNING& field);
  bool AppearedInField(const PLAYER& entry, std::string_view name, const HALF_INNING& field) const;
  void InningsPitchedIn(int inning, const HALF_INNING& field);
  void MarkAppeared(int row, int inning);
  void EndOfGame();

  // Credits a pitcher of the side without a row to late_.
  void CreditLate(std::string_view name, std::int32_t PitchingStat::*counter, int inning = -1);
  bool IsGamePitcher(std::string_view name);
  // Whether the name is in the defensive line-up of the half being counted.
  bool InDefense(std::string_view name) const;
  // The catcher of plate appearance `index` of the fielding half: the last
  // catcher entry that came in before it, or (entered_here) at it.  The
  // line-up records a catcher who came in between two batters, and one
  // who came in during a turn, at the same plate appearance.
  std::string_view Catcher(const HALF_INNING& half, int inning, int index, bool entered_here) const;
  // The plate appearance of the fielding half from which its line-up entry
  // holds its place.
  int Start(const PLAYER& entry, int inning) const;

  // Room for a half's names and plate appearances, so that the lists are
  // allocated once a side.
  static constexpr std::size_t kListsReserved = 24;

  Stat& s_;
  std::vector<LateCredit>* late_;  // where credits without a row go; null: they are dropped
  const Game& game_;
  int n_;
  Split pitching_split_;
  Split batting_split_;
  bool batting_top_;
  std::string_view team_;
  Stat::TeamRows& rows_;  // the rows found for this team so far
  int starter_ = -1;
  std::vector<std::string_view> game_pitchers_;
  const AT_BAT* final_plate_ = nullptr;
  std::vector<std::string_view> named_;          // batters and runners of a half
  std::vector<std::string_view> defense_names_;  // the fielding half's line-up
  std::vector<int> outs_before_;                 // per plate appearance of the fielding half
  // The plays of the fielding half whose wild pitch or balk is counted.
  std::vector<PlayMoment> wild_pitch_moments_;
  std::vector<PlayMoment> balk_moments_;

  // The plate appearance being counted, and where it stands.
  Plate plate_;
  const HALF_INNING* field_half_ = nullptr;
  int inning_ = 0;
  int index_ = 0;
  PitchingState pitching_;
};

// Counts game as game number n into stat: its named team's side (or, for
// opponents, the other side), or with stat.all_teams both sides, each
// under its own team name.  Credits without a row go to late when given.
void CountGame(Stat& stat, const Game& game, int n, Split pitching_split, Split batting_split,
               bool opponents, std::vector<LateCredit>* late);

}  // namespace scorewick::counting
