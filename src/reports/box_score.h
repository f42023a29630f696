#pragma once
// The box score of one game as fixed-width text lines: the score by
// innings, both line-ups side by side (winner on the left) with their
// substitutes placed and marked, the batting notes, both pitching staffs,
// the pitching notes, and the play-by-play.  The HTML and comma-separated
// exports build their tables from the same figures (never by cutting the
// text, whose columns a figure of 100 or more would push aside).

#include <string>
#include <vector>

#include "records/game.h"
#include "reports/box_team_figures.h"
#include "reports/half_inning_totals.h"

namespace scorewick::reports {

inline constexpr int kBoxRuleWidth = 86;

// One batting line of the box score: a player's figures and where he
// entered the game.
struct BoxBatter {
  BoxBattingFigures figures;
  int slot = 0;            // batting-order slot, 1-based; 0 = never in the batting order
  int entered_inning = 0;  // 1-based; 0 = not found
  int entered_at_bat = 0;  // index of that at-bat within its half
  bool top_half = false;   // first appearance in a top half
  bool starter = true;
};

// One pitching line as shown: the name with the marks of the pitchers of
// record (" W", " L", " S") and the figures.
struct BoxPitcher {
  std::string text;
  BoxPitchingFigures figures;
};

// The name text of a batting line: "Jo Jett cf" for a starter, "(t5) Pat
// Pinch ph-3b" for a substitute (t or b for the half, then the inning he
// came in), with every position he played; at most 30 characters.
std::string BatterText(const BoxBatter& batter);

// Innings pitched from outs: outs / outs_per_inning with two decimals
// ("2.33" for 7 outs of 3), "0.00" when outs_per_inning is not above 0.
std::string InningsPitchedText(int outs, int outs_per_inning);

// Where each part of the text begins (indexes into lines()).
struct BoxScoreSections {
  std::size_t batting_rows = 0;    // first player row under the captions
  std::size_t batting_totals = 0;  // the TEAM TOTALS row
  std::size_t batting_notes = 0;   // the empty line before the batting notes
  std::size_t pitching = 0;        // the empty line before the pitching lines
  std::size_t pitching_notes = 0;  // the empty line before the pitching notes
  std::size_t play_by_play = 0;    // first line of the play-by-play
};

class BoxScore {
 public:
  // Builds the whole text.  visitors and home are the two teams' statistics
  // for this game (they are re-sorted for the notes); outs_per_inning turns
  // outs into innings pitched.  Every half-inning figure (runs by inning,
  // left on base) is recomputed from the at-bats, whatever totals the file
  // stored.  A game whose first top half has no at-bats gives no lines.
  BoxScore(const Game& game, BoxTeamFigures visitors, BoxTeamFigures home, int outs_per_inning);

  const std::vector<std::string>& lines() const { return lines_; }
  const BoxScoreSections& sections() const { return sections_; }
  bool empty() const { return lines_.empty(); }
  int outs_per_inning() const { return outs_per_inning_; }

  // Number of leading innings in which at least one half has at-bats.
  int innings_shown() const { return innings_shown_; }
  // Runs of each half by inning (recomputed), for the innings shown.
  const std::vector<int>& runs_by_inning(bool visitors) const {
    return visitors ? visitor_inning_runs_ : home_inning_runs_;
  }
  // Whether the side batted in inning index i: a half without an at-bat
  // (the home team's ninth after a win) was not played and shows "x".
  bool half_played(bool visitors, int i) const {
    return (visitors ? visitor_played_ : home_played_)[static_cast<std::size_t>(i)];
  }
  // The text of inning i's figure in the score by innings: the runs, or "x".
  std::string InningRunsText(bool visitors, int i) const;
  int runs(bool visitors) const { return visitors ? visitor_runs_ : home_runs_; }
  const BoxTeamFigures& team(bool visitors) const { return visitors ? visitors_ : home_; }
  // Team hits and errors from the team-totals lines (0 when a table is empty).
  int hits(bool visitors) const;
  int errors(bool visitors) const;
  // The home team wins when it scored more; a tie puts the visitors first.
  bool home_won() const { return home_runs_ > visitor_runs_; }
  const BoxTeamFigures& winner() const { return home_won() ? home_ : visitors_; }
  const BoxTeamFigures& loser() const { return home_won() ? visitors_ : home_; }
  // "Gulls 3, Hawks 2": winner, then loser.
  std::string Headline() const;

  // The placed and ordered batting lines of the winner or the loser.
  const std::vector<BoxBatter>& batters(bool winner) const {
    return winner ? winner_batters_ : loser_batters_;
  }
  // The team-totals batting line of the winner or the loser (zeros, named
  // "TEAM TOTALS", when its table is empty).
  const BoxBattingFigures& batting_totals(bool winner) const;
  // The pitching lines of the winner or the loser, in the order shown.
  const std::vector<BoxPitcher>& pitchers(bool winner) const {
    return winner ? winner_pitchers_ : loser_pitchers_;
  }

 private:
  void AddScoreByInnings(const Game& game);
  void AddBattingLines(const Game& game);
  void AddBattingNotes(const Game& game);
  void AddPitchingLines();
  void AddPitchingNotes(const Game& game);

  std::vector<BoxBatter> PlacedBatters(const Game& game, const BoxTeamFigures& team) const;

  BoxTeamFigures visitors_;
  BoxTeamFigures home_;
  int outs_per_inning_ = 3;
  int innings_shown_ = 0;
  std::vector<HalfInningTotals> visitor_totals_;  // by inning, recomputed
  std::vector<HalfInningTotals> home_totals_;
  std::vector<int> visitor_inning_runs_;
  std::vector<int> home_inning_runs_;
  std::vector<bool> visitor_played_;
  std::vector<bool> home_played_;
  int visitor_runs_ = 0;
  int home_runs_ = 0;
  std::vector<BoxBatter> winner_batters_;
  std::vector<BoxBatter> loser_batters_;
  std::vector<BoxPitcher> winner_pitchers_;
  std::vector<BoxPitcher> loser_pitchers_;
  BoxBattingFigures no_totals_{"TEAM TOTALS"};
  std::vector<std::string> lines_;
  BoxScoreSections sections_;
};

// The box score of game: both teams counted by the statistics engine on
// this game alone, with the league rules given.
BoxScore MakeBoxScore(const Game& game, const StatRules& rules);

// Number of leading innings (at most 40) in which at least one half has
// at-bats, stopping at the first inning where both halves are empty.
int InningsShown(const Game& game);

}  // namespace scorewick::reports
