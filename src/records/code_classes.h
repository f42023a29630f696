#pragma once
// Classes of scoring codes: which results are hits, which outs are
// sacrifices or strikeouts, which pitch of a plate appearance counts as a
// strike.  Each rule of scoring is named here once, so that the statistics,
// the box score and the charts ask the same question the same way.
//
// Every predicate takes the raw code of a record (any value) and answers
// false for a code outside its class, unknown codes included.

#include <cstdint>

#include "records/codes.h"

namespace scorewick {

// Whether value is one of codes.  Codes below 64 (all of them) are tested
// as one bit mask, which the compiler folds into a constant.
template <typename... Codes>
constexpr bool IsOneOf(std::int32_t value, Codes... codes) {
  if (((codes >= 0 && codes < 64) && ...)) {
    const std::uint64_t mask = ((std::uint64_t{1} << codes) | ...);
    return value >= 0 && value < 64 && ((mask >> value) & 1u) != 0;
  }
  return ((value == codes) || ...);
}

// --- How the batter reached (ReachResult) -----------------------------------

// A base hit: single, bunt single, double, ground-rule double, triple, home
// run, inside-the-park home run.  ReachBases tells which.
constexpr bool IsHit(std::int32_t reach) {
  return IsOneOf(reach, kReachSingle, kReachDouble, kReachTriple, kReachHomeRun, kReachOnBaseSingle,
                 kReachInsideParkHR, kReachGroundRuleDouble);
}

// A base on balls, intentional or not.
constexpr bool IsWalk(std::int32_t reach) {
  return IsOneOf(reach, kReachWalk, kReachIntentionalWalk);
}

// Safe on a fielder's misplay (counted as reached on error): an error, an
// error after an assist, a dropped third strike with an error.  A
// sacrifice with an error is a sacrifice instead.
constexpr bool IsReachOnError(std::int32_t reach) {
  return IsOneOf(reach, kReachError, kReachAssistWithError, kReachDroppedThirdError);
}

// A fielder's choice, with or without a double play.
constexpr bool IsFieldersChoice(std::int32_t reach) {
  return IsOneOf(reach, kReachFieldersChoice, kReachFieldersChoiceDP);
}

// A sacrifice on which the batter was safe.
constexpr bool IsSacrificeReach(std::int32_t reach) {
  return IsOneOf(reach, kReachSacrificeWithError, kReachSacrificeFC, kReachSacHitWithError,
                 kReachSacFlyWithError);
}

// A sacrifice on which the batter was safe that is neither a bunt nor a
// fly: a sacrifice with an error, a sacrifice fielder's choice.
constexpr bool IsOtherSacrificeReach(std::int32_t reach) {
  return IsOneOf(reach, kReachSacrificeWithError, kReachSacrificeFC);
}

// Safe on a dropped third strike (wild pitch, passed ball, error): a
// strikeout all the same.
constexpr bool IsDroppedThirdReach(std::int32_t reach) {
  return IsOneOf(reach, kReachDroppedThirdWP, kReachDroppedThirdPB, kReachDroppedThirdError);
}

// Safe on a pitch called a ball: a walk or a hit batter.
constexpr bool IsReachOnBall(std::int32_t reach) {
  return IsWalk(reach) || reach == kReachHitByPitch;
}

// Safe without an official at-bat: walks, a hit batter, interference,
// sacrifices, and the runner the tie-breaker rule places.
constexpr bool IsReachWithoutAtBat(std::int32_t reach) {
  return IsReachOnBall(reach) || IsSacrificeReach(reach) ||
         IsOneOf(reach, kReachInterference, kReachTieBreaker);
}

// The pitch the batter reached on is a strike he offered at: not a ball
// (walks, hit batters) and not a base given without a pitch (awarded
// first, the tie-breaker runner).
constexpr bool IsReachOnStrike(std::int32_t reach) {
  return !IsReachOnBall(reach) && !IsOneOf(reach, kReachAwardedBase, kReachTieBreaker);
}

// Safe on a ball put in play: where it went is a point of the spray chart.
constexpr bool IsBattedReach(std::int32_t reach) {
  return IsOneOf(reach, kReachSingle, kReachDouble, kReachTriple, kReachHomeRun,
                 kReachFieldersChoice, kReachError, kReachAssistWithError, kReachSacrificeWithError,
                 kReachInsideParkHR, kReachGroundRuleDouble, kReachSacrificeFC,
                 kReachSacHitWithError, kReachSacFlyWithError, kReachFieldersChoiceDP);
}

// --- How a batter or runner was put out (OutType) ---------------------------

// A strikeout charged to the pitcher: swinging, looking, a dropped third
// strike thrown out, a bunt fouled on the second strike.
constexpr bool IsStrikeoutOut(std::int32_t out) {
  return IsOneOf(out, kOutStrikeSwinging, kOutStrikeLooking, kOutDroppedThird, kOutBuntedFoul);
}

// The strikeouts a batter makes swinging: every strikeout but the one
// looking.
constexpr bool IsSwingingStrikeoutOut(std::int32_t out) {
  return IsStrikeoutOut(out) && out != kOutStrikeLooking;
}

// Out on a third strike (swinging, looking, dropped and thrown out): no
// ball went into the field.
constexpr bool IsThirdStrikeOut(std::int32_t out) {
  return IsOneOf(out, kOutStrikeSwinging, kOutStrikeLooking, kOutDroppedThird);
}

// A sacrifice out: a sacrifice fly (the one ending in a double play
// included), a sacrifice bunt, another sacrifice.
constexpr bool IsSacrificeOut(std::int32_t out) {
  return IsOneOf(out, kOutSacFly, kOutSacBunt, kOutSacrifice, kOutSacFlyDP);
}

// A sacrifice fly, the one ending in a double play included.
constexpr bool IsSacrificeFlyOut(std::int32_t out) {
  return IsOneOf(out, kOutSacFly, kOutSacFlyDP);
}

// Caught stealing, alone or in a double play.
constexpr bool IsCaughtStealingOut(std::int32_t out) {
  return IsOneOf(out, kOutCaughtStealing, kOutCaughtStealingDP);
}

// An out that makes a double play the box score lists: every double play
// but the caught-stealing one.
constexpr bool IsDoublePlayOut(std::int32_t out) {
  return IsOneOf(out, kOutDoublePlay, kOutGroundDoublePlay, kOutNonForceGdp, kOutSacFlyDP);
}

// Out on a ball put in play: where it went is a point of the spray chart.
constexpr bool IsBattedOut(std::int32_t out) {
  return IsOneOf(out, kOutGround, kOutFly, kOutFoul, kOutDoublePlay, kOutTriplePlay, kOutSacFly,
                 kOutLineDrive, kOutSacrifice, kOutGroundDoublePlay, kOutInfieldFly,
                 kOutNonForceGdp, kOutSacFlyDP);
}

// The pitch the batter was put out on is a strike he offered at: a ball
// in play, a dropped third strike, a bunt, an illegal or thrown bat.
// Strikeouts are not: their third strike is a pitch of its own.
constexpr bool IsOutOnStrike(std::int32_t out) {
  return IsBattedOut(out) || IsOneOf(out, kOutSacBunt, kOutDroppedThird, kOutIllegallyBatted,
                                     kOutHitByOwnBall, kOutThrownBat, kOutBuntOut, kOutPopOut);
}

// An out whose put-out belongs to the one fielder the play names even
// when the scorer gave him no credit: strikeouts (the catcher),
// interference, an illegally batted ball, batting out of turn, a runner
// hit by a fair ball, a batter touched by his own ball, a called out, a
// thrown bat.
constexpr bool IsPutOutOfTheFielderNamed(std::int32_t out) {
  return IsStrikeoutOut(out) ||
         IsOneOf(out, kOutInterference, kOutIllegallyBatted, kOutBattedOutOfTurn, kOutHitByFairBall,
                 kOutHitByOwnBall, kOutCalledOut, kOutThrownBat);
}

// --- How a runner advanced (AdvanceType) ------------------------------------

// A stolen base, alone or in a double or triple steal.
constexpr bool IsStolenBase(std::int32_t advance) {
  return IsOneOf(advance, kAdvStolenBase, kAdvDoubleSteal, kAdvTripleSteal);
}

// --- Pitches ----------------------------------------------------------------

// An event of the pitch sequence that is a pitch to the batter: a strike,
// a ball, a foul, the pitch put in play, the pitch he was put out on.
constexpr bool IsPitchToBatter(std::int32_t event) {
  return event >= kEventStrike && event <= kEventOut;
}

// A pick-off attempt by the pitcher or the catcher, at any base.
constexpr bool IsPickOffAttempt(std::int32_t event) {
  return event >= kEventPitcherPickoff1st && event <= kEventCatcherPickoff3rd;
}

// A ball that is no pitch the pitcher made count: an intentional ball, a
// pitch to the mouth, a pitch-out.
constexpr bool IsBallWithoutPitch(std::int32_t ball_type) {
  return IsOneOf(ball_type, kBallIntentional, kBallPitcherToMouth, kBallPitchOut);
}

// --- Fielders ---------------------------------------------------------------

// A credit in an out chain that carries an assist.
constexpr bool CarriesAssist(std::int32_t credit) {
  return IsOneOf(credit, kCreditAssist, kCreditPutOutAndAssist);
}

// A position a player fields: not the bench, a designated, pinch or extra
// hitter, or a pinch runner.
constexpr bool IsFieldingPosition(std::int32_t position) {
  return !(position == kPosBench ||
           (position >= kPosDesignatedHitter && position <= kPosPinchRunner) ||
           (position >= kPosExtraHitter1 && position <= kPosExtraHitter9));
}

}  // namespace scorewick
