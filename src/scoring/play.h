#pragma once
// One play as a scorer sees it: what the batter did (if the play was his),
// and where every runner who moved went.  The simulator, the scorebook
// compiler and the importers of other formats describe plays this way and
// hand them to the Scorer, which writes them into the game record.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/codes.h"

namespace scorewick::scoring {

// Where and how a pitch crossed the plate.  Locations are in the
// strike-zone picture: 118 by 188 pixels, the zone itself x 35..83 and
// y 62..126, its middle (59, 94).
struct PitchSpec {
  std::int32_t type = kPitchOther;
  std::int32_t x = 59;
  std::int32_t y = 94;
  float speed = 80.0f;
  std::int32_t strike_type = kStrikeSwinging;  // for a strike put in play or missed

  bool operator==(const PitchSpec&) const = default;
};

// The calls a pitch that does not end the turn can get.
enum class PitchCall {
  kBall,
  kIntentionalBall,
  kPitchOut,
  kPitcherToMouth,  // a ball awarded without a pitch (softball, youth leagues)
  kCalledStrike,
  kSwingingStrike,
  kSwingingOnHitAndRun,
  kMissedBunt,
  kFoul,
  kFoulBunt,
  kFoulOnHitAndRun,
};

// A fielder who handled the ball on an out, with his put-out/assist credit.
struct Fielded {
  std::int32_t position = 0;
  std::int32_t credit = kCreditNone;

  bool operator==(const Fielded&) const = default;
};

// An error charged on the way to a base (1 first .. 4 home).
struct ErrorMark {
  int base = 1;
  std::int32_t position = 0;
  std::int32_t kind = kErrFielding;
  int bases = 1;        // bases gained on this error (first list)
  bool second = false;  // a further error on the same advance

  bool operator==(const ErrorMark&) const = default;
};

// A runner who moved or was put out.  He starts on `from` (1..3) and holds
// `to` safely after the play (4 = scored); codes has one AdvanceType per
// base gained.  When out, he was put out going to (or off) the base after
// `to`.
struct RunnerMove {
  int from = 0;
  int to = 0;
  std::vector<std::int32_t> codes;
  bool out = false;
  std::int32_t how_out = kOutNone;
  std::vector<Fielded> chain;
  std::vector<ErrorMark> errors;
  // Fielders whose throw ended in the error that let him advance: each made
  // an assist.
  std::vector<std::int32_t> assists;
  // Whether his run, if he scores, is earned; empty: the scorer's own rule
  // (a clean trip with fewer outs than the side has, errors counted as outs).
  std::optional<bool> earned;
  // Put out by the fielders' choice on the batted ball, he hands the
  // pitcher charged with him to the runner behind him (whose own passes to
  // the one behind him, down to the batter).  Empty: so he does when he was
  // forced out and the batter reached on the choice.
  std::optional<bool> passes_charge_back;

  bool operator==(const RunnerMove&) const = default;
};

// The batter's part of a play that ends his turn.  He may reach and then be
// put out on the same play (a single, then out stretching it to second).
struct BatterPart {
  bool present = false;
  bool reached = false;
  std::int32_t how_reached = kReachOnBase;  // ReachResult
  bool out = false;
  std::int32_t how_out = kOutNone;  // OutType
  int to = 0;  // bases held safely after the play (with out: out going to the next)
  std::vector<std::int32_t> codes;           // AdvanceType for bases beyond those the result gives
  std::vector<Fielded> chain;                // out credits (the whole play's on a double play)
  std::vector<std::int32_t> reach_fielders;  // reach credits: error, interference, choice
  std::vector<ErrorMark> errors;
  std::vector<std::int32_t> assists;  // as for a runner, beyond the base his result gives
  PitchSpec pitch;                    // the pitch, when the result came on one
  std::int32_t hit_x = 83;            // field picture; (83, 117) = not recorded
  std::int32_t hit_y = 117;
  std::optional<bool> earned;  // as for a runner

  bool operator==(const BatterPart&) const = default;
};

struct Play {
  BatterPart batter;
  std::vector<RunnerMove> runners;  // runners not listed stay where they are
  int rbi = -1;                     // -1: the scorer's usual rule decides
  bool batter_out_first = false;    // the batter's out came before the runners' (fly balls)
  // The runs of the play count although the side's last out is a force
  // out, as an official score now and then has it (the rules would not).
  bool runs_beat_last_force = false;

  bool operator==(const Play&) const = default;
};

// Whether a batter's result is itself a pitch (a ball put in play, a hit
// batsman, a dropped third strike), as opposed to one recorded after the
// pitch that decided it (a walk after ball four, a strikeout after strike
// three) or without one.
bool ReachIsPitch(std::int32_t reach);
bool OutIsPitch(std::int32_t out);
// Result codes that are hits for the half-inning totals.
bool ReachIsHit(std::int32_t reach);
// Advance codes whose run, scored on that base, is nobody's run batted in
// (a wild pitch, an error, a steal ...).
bool AdvanceWithoutRbi(std::int32_t advance);
// A one-line account of a play, for messages.
std::string DescribePlay(const Play& play);

}  // namespace scorewick::scoring
