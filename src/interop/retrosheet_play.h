#pragma once
// The event field of a Retrosheet play record, read into parts: what the
// batter did (or the runners, on a play without him), the modifiers after
// the slashes, and where the runners went after the dot.
//
//   S8/L.2-H;1-3           single fielded by the centre fielder, a line
//                          drive; the runner from second scores, from first
//                          to third
//   64(1)3/GDP             the runner from first forced at second 6-4, the
//                          batter out at first 4-3: a ground double play
//   K+SB2                  strikeout, and the runner from first steals second
//   CS2(2E6).1-3           caught stealing second, safe on the short stop's
//                          error and on to third
//   E5/TH/G.B-2(E5/TH)     safe on the third baseman's throwing error
//
// Bases are numbered 1 to 3 and 4 for home (written H); the batter is base
// 0 (written B).  Fielders are the position numbers 1 to 9.

#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"

namespace scorewick::interop {

enum class PlayKind {
  kFieldedOut,  // 63, 8, 64(1)3, 6E3: outs by fielders (or a safe on an error at a throw's end)
  kStrikeout,   // K, K23, K+SB2
  kWalk,        // W, W+WP
  kIntentionalWalk,   // IW, I
  kHitByPitch,        // HP
  kSingle,            // S, S7
  kDouble,            // D, D8
  kTriple,            // T, T9
  kHomeRun,           // HR, H; HR9 or /IPHR inside the park
  kGroundRuleDouble,  // DGR
  kError,             // E6
  kFieldersChoice,    // FC5
  kFoulError,         // FLE7: a dropped foul fly; the batter stays at the plate
  kInterference,      // C/E2: the batter awarded first
  kNoPlay,            // NP: a substitution follows
  kRunnerPlay,        // runners only: SB, CS, PO, POCS, WP, PB, BK, DI, OA
};

// The ball handled by fielders in turn: those before the last threw it
// (assists); the last made the put-out, unless error_by names a fielder who
// erred at the end and nobody was put out.
struct FieldingChain {
  std::vector<int> fielders;
  int error_by = 0;
  bool empty() const { return fielders.empty() && error_by == 0; }
};

enum class RunnerPlayKind {
  kStolenBase,             // SB2, SB3, SBH
  kCaughtStealing,         // CS2(26)
  kPickoff,                // PO1(13)
  kPickoffCaughtStealing,  // POCS2(136): picked off and caught going to the next base
  kWildPitch,
  kPassedBall,
  kBalk,
  kDefensiveIndifference,
  kOtherAdvance,  // OA
  kError,         // K+E2: an error on the third strike
};

struct RunnerPlay {
  RunnerPlayKind kind = RunnerPlayKind::kStolenBase;
  // The base tried for (2, 3, 4) by a steal or caught stealing; the base
  // the runner stood on (1..3) when picked off.
  int base = 0;
  FieldingChain chain;  // caught stealing, pick-offs; the fielder of K+E
  bool throwing_error = false;
  bool unearned = false;  // SBH(UR): the run stolen is unearned
  bool no_rbi = false;    // SBH(NR): written now and then, changes nothing
};

// One out of a fielded play: the runner (0 the batter) and the fielders.
struct FieldedOut {
  int runner = 0;
  FieldingChain chain;
};

// A runner's move after the dot: 1-3, 2-H(E7)(UR), BX2(84), 1X2(6E4) ...
struct Advance {
  int from = 0;         // 0 the batter, 1..3
  int to = 0;           // 1..3, 4 home
  bool out = false;     // put out (an X whose fielders made no error)
  FieldingChain chain;  // the fielders of an X: the put-out, or the error that saved him
  int error_by = 0;     // (E6): an error let him advance
  bool throwing_error = false;
  int second_error_by = 0;  // (E2/TH)(E8/TH): a second error on the same advance
  bool second_throwing_error = false;
  bool on_throw = false;  // (TH): he advanced on the throw
  bool wild_pitch = false;
  bool passed_ball = false;
  bool unearned = false;       // (UR)
  bool team_unearned = false;  // (TUR): unearned for the team, earned for the pitcher
  bool no_rbi = false;         // (NR), (NORBI)
  bool rbi = false;            // (RBI)
  bool interference = false;   // (INT)
  std::string text;            // as written, for messages
};

struct ParsedPlay {
  PlayKind kind = PlayKind::kNoPlay;
  int fielder = 0;  // the fielder of a hit, error, fielder's choice, foul error, interference
  std::vector<FieldedOut> outs;          // a fielded play's outs, the batter's among them
  FieldingChain batter_chain;            // a fielded play's throw to the batter ending in an error
  bool batter_out = false;               // a fielded play put the batter out
  std::vector<RunnerPlay> runner_plays;  // the runner play, or the one after K+ / W+ / IW+
  // The modifiers.
  std::string trajectory;  // "G", "L", "F", "P", "BG", "BP", "BL" or empty
  std::string location;    // hit location as written ("78XD", "5F"), or empty
  bool sacrifice_hit = false;
  bool sacrifice_fly = false;
  bool force_out = false;
  bool ground_double_play = false;  // GDP, BGDP
  bool double_play = false;         // any double play
  bool triple_play = false;
  bool no_double_play = false;  // NDP: no double play is credited
  bool infield_fly = false;
  bool foul = false;            // FL, or a foul location
  bool throwing_error = false;  // TH on an error
  bool batter_interference = false;
  bool runner_interference = false;
  bool inside_park = false;
  bool called_third_strike = false;
  bool bunted_foul = false;  // K/BF: the third strike a bunt gone foul
  std::vector<Advance> advances;
  // What the reader passed over, in words for a warning: a modifier it does
  // not know, fielders written with a stray letter.
  std::vector<std::string> passed_over;
};

// Reads an event field into play.  Fails, with the reason in words a
// scorer can act on, for a play it cannot read; a modifier it does not
// know changes nothing a score sheet keeps and is only noted in
// play.passed_over.
Status ParsePlay(std::string_view text, ParsedPlay& play);

// The advance of a runner (0 the batter) after the dot, if written.
const Advance* AdvanceOf(const ParsedPlay& play, int from);

// The outs the play makes: those of its fielders and those written after
// the dot (4/L/DP.1X1(43): two), each runner once.
int OutsMade(const ParsedPlay& play);

}  // namespace scorewick::interop
