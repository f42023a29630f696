#include "sim/play.h"

namespace scorewick::sim {

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
    case kOutGround: case kOutFly: case kOutFoul: case kOutDoublePlay: case kOutTriplePlay:
    case kOutSacFly: case kOutSacBunt: case kOutDroppedThird: case kOutIllegallyBatted:
    case kOutHitByOwnBall: case kOutLineDrive: case kOutSacrifice: case kOutGroundDoublePlay:
    case kOutInfieldFly: case kOutThrownBat: case kOutBuntOut: case kOutNonForceGdp:
    case kOutSacFlyDP: case kOutPopOut:
      return true;
    default:
      return false;
  }
}

bool ReachIsHit(std::int32_t reach) {
  switch (reach) {
    case kReachSingle: case kReachDouble: case kReachTriple: case kReachHomeRun:
    case kReachOnBaseSingle: case kReachInsideParkHR: case kReachGroundRuleDouble:
      return true;
    default:
      return false;
  }
}

}  // namespace scorewick::sim
