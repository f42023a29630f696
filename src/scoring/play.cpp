#include "scoring/play.h"

namespace scorewick::scoring {

bool ReachIsPitch(std::int32_t reach) {
  switch (reach) {
    case kReachWalk:
    case kReachIntentionalWalk:
    case kReachAwardedBase:
    case kReachTieBreaker:
      return false;
    default:
      return true;
  }
}

bool OutIsPitch(std::int32_t out) {
  switch (out) {
    case kOutGround:
    case kOutFly:
    case kOutFoul:
    case kOutDoublePlay:
    case kOutTriplePlay:
    case kOutSacFly:
    case kOutSacBunt:
    case kOutDroppedThird:
    case kOutIllegallyBatted:
    case kOutHitByOwnBall:
    case kOutLineDrive:
    case kOutSacrifice:
    case kOutGroundDoublePlay:
    case kOutInfieldFly:
    case kOutThrownBat:
    case kOutBuntOut:
    case kOutNonForceGdp:
    case kOutSacFlyDP:
    case kOutPopOut:
      return true;
    default:
      return false;
  }
}

bool ReachIsHit(std::int32_t reach) {
  switch (reach) {
    case kReachSingle:
    case kReachDouble:
    case kReachTriple:
    case kReachHomeRun:
    case kReachOnBaseSingle:
    case kReachInsideParkHR:
    case kReachGroundRuleDouble:
      return true;
    default:
      return false;
  }
}

bool AdvanceWithoutRbi(std::int32_t advance) {
  switch (advance) {
    case kAdvWildPitch:
    case kAdvPassedBall:
    case kAdvBalk:
    case kAdvError:
    case kAdvErrorContinued:
    case kAdvWildPitchContinued:
    case kAdvPassedBallContinued:
    case kAdvBalkContinued:
    case kAdvAssistWithError:
    case kAdvCaughtStealingError:
    case kAdvDefensiveIndifference:
    case kAdvStolenBase:
    case kAdvDoubleSteal:
    case kAdvTripleSteal:
      return true;
    default:
      return false;
  }
}

}  // namespace scorewick::scoring

namespace scorewick::scoring {

std::string DescribePlay(const Play& play) {
  std::string out;
  const BatterPart& b = play.batter;
  if (b.present) {
    out += "batter";
    if (b.reached) out += " reached " + std::string(ReachName(b.how_reached));
    if (b.out) out += " out " + std::to_string(b.how_out);
    out += " to " + std::to_string(b.to) + ";";
  }
  for (const RunnerMove& m : play.runners) {
    out += " runner " + std::to_string(m.from) + "-" + std::to_string(m.to) + (m.out ? " out" : "");
    for (std::int32_t c : m.codes) out += " " + std::string(AdvanceAbbrev(c, 0));
    out += ";";
  }
  return out;
}

}  // namespace scorewick::scoring
