#pragma once
// The pitches field of a Retrosheet play record: one letter a pitch (B
// ball, C called strike, S swinging strike, F foul, X put in play ...), a
// digit for the pitcher's throw to a base, + before it for the catcher's,
// and marks that change nothing a score sheet keeps (* the catcher blocked
// the pitch, > the runner went on it, . a play by the runners happened
// here).  When a turn at the plate spans several records (a steal in the
// middle of it), each record repeats the pitches before it.

#include <string>
#include <string_view>
#include <vector>

#include "scoring/play.h"

namespace scorewick::interop {

struct PitchStep {
  enum class Kind {
    kPitch,         // a pitch that does not end the turn by itself: call says which
    kInPlay,        // the ball put in play (X, Y)
    kHitBatter,     // H
    kPickoffThrow,  // base says where; by_catcher for the catcher's
  };
  Kind kind = Kind::kPitch;
  scoring::PitchCall call = scoring::PitchCall::kBall;
  int base = 0;
  bool by_catcher = false;
  bool strike = false;  // a strike of any kind (fouls included)
  bool called = false;  // a called strike
};

// Reads a pitches field.  A character that is no pitch is passed over and
// added to unknown (a letter the archives use now and then, such as a
// lower-case one).  "??" and an empty field hold no pitches.
void ReadPitches(std::string_view text, std::vector<PitchStep>& steps, std::string& unknown);

// The pitches a record adds to those already recorded for the same turn:
// what follows the earlier record's pitches, which it repeats in front.
std::string_view NewPitches(std::string_view text, std::string_view earlier);

}  // namespace scorewick::interop
