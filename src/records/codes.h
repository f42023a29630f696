#pragma once
// The scoring codes a game record is made of, with their display names and
// score-sheet abbreviations, and the two small text helpers (ordinal and
// plural suffixes) that every text output shares.
//
// The numbers are stored in game and team files and exchanged with the
// handheld, so they never change.  Codes are passed as int32_t because they
// come straight from records: any value is possible, and every lookup here
// accepts it, giving the fallback text its comment names instead of failing.
// All functions are pure.  A std::string_view result refers to static
// storage and stays valid for the whole run.

#include <cstdint>
#include <string>
#include <string_view>

namespace scorewick {

// A player's position in the field or his role in the line-up.
enum Position : std::int32_t {
  kPosBench = 0,
  kPosPitcher = 1,
  kPosCatcher = 2,
  kPosFirst = 3,
  kPosSecond = 4,
  kPosThird = 5,
  kPosShortStop = 6,
  kPosLeftField = 7,
  kPosCenterField = 8,
  kPosRightField = 9,
  kPosShortField = 10,
  kPosDesignatedHitter = 11,
  kPosPinchHitter = 12,
  kPosPinchRunner = 13,
  kPosExtraFielder1 = 14,  // .. kPosExtraFielder9 = 22
  kPosExtraFielder9 = 22,
  kPosExtraHitter1 = 23,  // .. kPosExtraHitter9 = 31
  kPosExtraHitter9 = 31,
  kPositionCount = 32,
};

// The kind of batted ball.
enum HitType : std::int32_t {
  kHitNotInPlay = 0,
  kHitFly = 1,
  kHitPop = 2,
  kHitLiner = 3,
  kHitGrounder = 4,
  kHitBuntGrounder = 5,
  kHitBuntFly = 6,
};
inline constexpr std::int32_t kHitTypeCount = 7;

enum HitStrength : std::int32_t {
  kStrengthNone = 0,
  kStrengthSoft = 1,
  kStrengthMedium = 2,
  kStrengthHard = 3,
};
inline constexpr std::int32_t kHitStrengthCount = 4;

enum ErrorType : std::int32_t {
  kErrNone = 0,
  kErrFielding = 1,
  kErrThrowing = 2,
  kErrBobble = 3,
  kErrPassedBall = 4,
  kErrPopFoul = 5,
  kErrPickOff = 6,
  kErrPrevious = 7,
};
inline constexpr std::int32_t kErrorTypeCount = 8;

// The credit one fielder earns on one play.
enum PutOutAssist : std::int32_t {
  kCreditNone = 0,
  kCreditAssist = 1,
  kCreditPutOut = 2,
  kCreditPutOutAndAssist = 3,
  kCreditTwoPutOuts = 4,
  kCreditThreePutOuts = 5,
};
inline constexpr std::int32_t kPutOutAssistCount = 6;

// The event of one entry of an at-bat's pitch sequence.  The sequence holds
// the pitches to the batter and then every later event of the same player
// as a runner, so one box of the score sheet tells his whole trip.
enum PitchEvent : std::int32_t {
  kEventNone = 0,
  kEventStrike = 1,
  kEventBall = 2,
  kEventFoul = 3,
  kEventReached = 4,  // how: the at-bat's ReachResult
  kEventOut = 5,      // how: the at-bat's OutType
  kEventAdvance = 6,  // one base as a runner; how: the AdvanceType of the base left
  kEventRbi = 7,
  kEventOutNumberUp = 8,
  kEventOutNumberDown = 9,
  kEventPitcherPickoff1st = 10,
  kEventPitcherPickoff2nd = 11,
  kEventPitcherPickoff3rd = 12,
  kEventCatcherPickoff1st = 13,
  kEventCatcherPickoff2nd = 14,
  kEventCatcherPickoff3rd = 15,
  kEventCatcherSubbed = 16,
};
inline constexpr std::int32_t kPitchEventCount = 17;

// How the batter reached base.
enum ReachResult : std::int32_t {
  kReachOnBase = 0,
  kReachSingle = 1,
  kReachDouble = 2,
  kReachTriple = 3,
  kReachHomeRun = 4,
  kReachWalk = 5,
  kReachIntentionalWalk = 6,
  kReachHitByPitch = 7,
  kReachAwardedBase = 8,
  kReachInterference = 9,
  kReachFieldersChoice = 10,
  kReachError = 11,
  kReachAssistWithError = 12,
  kReachSacrificeWithError = 13,
  kReachDroppedThirdWP = 14,
  kReachDroppedThirdPB = 15,
  kReachOnBaseSingle = 16,  // a single, also counted on its own
  kReachInsideParkHR = 17,
  kReachGroundRuleDouble = 18,
  kReachTieBreaker = 19,  // placed on second by the tie-breaker rule
  kReachSacrificeFC = 20,
  kReachSacHitWithError = 21,
  kReachSacFlyWithError = 22,
  kReachDroppedThirdError = 23,
  kReachFieldersChoiceDP = 24,
};
inline constexpr std::int32_t kReachResultCount = 25;

// How a batter or runner was put out.
enum OutType : std::int32_t {
  kOutNone = 0,
  kOutStrikeSwinging = 1,
  kOutStrikeLooking = 2,
  kOutGround = 3,
  kOutFly = 4,
  kOutFoul = 5,
  kOutDoublePlay = 6,  // any double play but the grounded-into one
  kOutTriplePlay = 7,
  kOutSacFly = 8,
  kOutSacBunt = 9,
  kOutInterference = 10,
  kOutDroppedThird = 11,
  kOutBuntedFoul = 12,
  kOutForced = 13,
  kOutTagged = 14,
  kOutCaughtStealing = 15,
  kOutLeftBaseEarly = 16,
  kOutDidNotTagUp = 17,
  kOutPickedOff = 18,
  kOutLeftBasePath = 19,
  kOutMissedBase = 20,
  kOutIllegallyBatted = 21,
  kOutBattedOutOfTurn = 22,
  kOutHitByFairBall = 23,
  kOutHitByOwnBall = 24,
  kOutLineDrive = 25,
  kOutCalledOut = 26,
  kOutCircleViolation = 27,
  kOutLeadingOff = 28,
  kOutHeadFirstSlide = 29,
  kOutSacrifice = 30,
  kOutGroundDoublePlay = 31,  // grounded into a double play
  kOutInfieldFly = 32,
  kOutThrownBat = 33,
  kOutBuntOut = 34,
  kOutOverRanBase = 35,
  kOutNonForceGdp = 36,
  kOutCaughtStealingDP = 37,
  kOutSacFlyDP = 38,
  kOutBaseLineViolation = 39,
  kOutPopOut = 40,
};
inline constexpr std::int32_t kOutTypeCount = 41;

// How a runner advanced one base.  An at-bat keeps one per base the player
// can leave: slot 0 first to second, slot 1 second to third, slot 2 third to
// home.  The "continued" codes mark a further base gained on the same error,
// wild pitch, passed ball or balk as the slot before.
enum AdvanceType : std::int32_t {
  kAdvNone = 0,
  kAdvStolenBase = 1,
  kAdvBatted = 2,  // batted forward by a later batter
  kAdvAwarded = 3,
  kAdvWildPitch = 4,
  kAdvPassedBall = 5,
  kAdvBalk = 6,
  kAdvError = 7,
  kAdvErrorContinued = 8,
  kAdvWildPitchContinued = 9,
  kAdvPassedBallContinued = 10,
  kAdvBalkContinued = 11,
  kAdvForcedByWalk = 12,
  kAdvAdditionalBase = 13,
  kAdvFieldersChoice = 14,
  kAdvAssistWithError = 15,
  kAdvCaughtStealingError = 16,
  kAdvDefensiveIndifference = 17,
  kAdvOnThrow = 18,
  kAdvDoubleSteal = 19,
  kAdvTripleSteal = 20,
  kAdvInterference = 21,
};
inline constexpr std::int32_t kAdvanceTypeCount = 22;

// The kind of a pitch recorded as a strike.
enum StrikeType : std::int32_t {
  kStrikeNone = 0,
  kStrikeSwinging = 1,
  kStrikeTaken = 2,
  kStrikeBuntMissed = 3,
  kStrikeFoul = 4,
  kStrikeFoulBunt = 5,
  kStrikeFoulOnHitAndRun = 6,
  kStrikeFoulBuntOnHitAndRun = 7,
  kStrikeSwingingOnHitAndRun = 8,
  kStrikeMissedBuntOnHitAndRun = 9,
};
inline constexpr std::int32_t kStrikeTypeCount = 10;

// The kind of a pitch recorded as a ball.
enum BallType : std::int32_t {
  kBallNone = 0,
  kBallCalled = 1,
  kBallIntentional = 2,
  kBallPitcherToMouth = 3,
  kBallPitchOut = 4,
};
inline constexpr std::int32_t kBallTypeCount = 5;

enum PitchType : std::int32_t {
  kPitchFastBall = 0,
  kPitchSplitFinger = 1,
  kPitchForkBall = 2,
  kPitchSinker = 3,
  kPitchCurveBall = 4,
  kPitchScrewBall = 5,
  kPitchKnuckleBall = 6,
  kPitchSlider = 7,
  kPitchChangeUp = 8,
  kPitchBrushOff = 9,
  kPitchBreakingBall = 10,
  kPitchOther = 11,
};
inline constexpr std::int32_t kPitchTypeCount = 12;

// The entry that lists filtering by pitch type add after the twelve types.
inline constexpr std::string_view kAllPitches = "All Pitches";

// --- Positions -------------------------------------------------------------

// Full name ("Short Stop", "Extra Fielder 3"); empty outside 0..31.
std::string_view PositionName(std::int32_t position);
// Upper-case abbreviation ("SS", "XF3") for score sheets and statistics
// reports; empty outside 0..31.
std::string_view PositionAbbrev(std::int32_t position);
// Lower-case abbreviation ("ss", "xf3") for the text box score; empty
// outside 0..31.
std::string_view PositionAbbrevLower(std::int32_t position);
// The first code, trying 0, 1, 2 ... in order, whose full name or upper-case
// abbreviation equals text exactly (case-sensitive, whole text).  Text that
// matches none gives kPosPitcher: imported team files put a player whose
// position cannot be read at pitcher rather than refusing the file.
std::int32_t ParsePosition(std::string_view text);

// --- Long names ------------------------------------------------------------

// Each gives the display name of a code; empty text outside the table.
std::string_view HitTypeName(std::int32_t hit_type);
std::string_view HitStrengthName(std::int32_t strength);
std::string_view ErrorTypeName(std::int32_t error_type);
std::string_view PutOutAssistName(std::int32_t credit);
std::string_view StrikeTypeName(std::int32_t strike_type);
std::string_view BallTypeName(std::int32_t ball_type);
std::string_view PitchTypeName(std::int32_t pitch_type);

// The name of a pitch-sequence event on its own.  Events 4, 5 and 6 are
// named by the at-bat's reach, out or advance code (see PitchEntryName in
// pitch_sequence.h); here they give "On Base", "Out" and "Advance".  Empty
// outside 0..16.
std::string_view PitchEventName(std::int32_t event);

// Long name of a ReachResult; "On Base" outside the table.
std::string_view ReachName(std::int32_t reach);
// Long name of an OutType; "Out" outside the table.  Strike-outs, force
// outs and tag outs (1, 2, 13, 14) have no name of their own and give "Out".
std::string_view OutName(std::int32_t out);
// Long name of an AdvanceType; "Advance" outside the table.
std::string_view AdvanceName(std::int32_t advance);

// --- Score-sheet abbreviations ---------------------------------------------
//
// Each returns an owned short string.  Where an abbreviation names the
// fielder who erred ("E6", "CSE2"), a fielder number of 1 or more is written
// after the letters in decimal and a smaller number gives the letters alone
// ("E", "CSE").

// "GO", "DP", ...; two blanks for codes without one (0, 1, 2, 13, 14) and
// outside the table.
std::string OutAbbrev(std::int32_t out);
// "SB", "E6", "~WP", ...; two blanks for codes without one and outside the
// table.
std::string AdvanceAbbrev(std::int32_t advance, int fielder);
// "1B", "HBP", "SAC-E5", ...; two blanks for the plain on-base codes 0 and
// 19 and outside the table.
std::string ReachAbbrev(std::int32_t reach, int fielder);

// Bases the batter gains by the hit itself: 2 for doubles, 3 for a triple,
// 4 for home runs, 1 for every other code, in the table or not.
int ReachBases(std::int32_t reach);

// --- Text helpers ------------------------------------------------------------

// "st", "nd", "rd" or "th" to follow n ("1st", "11th", "22nd", "113th").
// Zero and negative numbers give "th".
std::string_view OrdinalSuffix(int n);
// Empty text for 1, "s" for every other number, zero included ("0 runs").
std::string_view PluralSuffix(int n);

}  // namespace scorewick
