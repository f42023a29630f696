#include "records/codes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace scorewick {
namespace {

TEST(CodesPosition, NamesAndAbbreviations) {
  struct Row {
    std::int32_t code;
    std::string_view name, upper, lower;
  };
  const Row rows[] = {
      {kPosBench, "Bench", "B", "b"},
      {kPosShortStop, "Short Stop", "SS", "ss"},
      {kPosShortField, "Short Field", "SF", "sf"},
      {kPosExtraFielder9, "Extra Fielder 9", "XF9", "xf9"},
      {kPosExtraHitter9, "Extra Hitter 9", "XH9", "xh9"},
      {kPositionCount, "", "", ""},
      {-1, "", "", ""},
      {INT32_MIN, "", "", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    EXPECT_EQ(PositionName(r.code), r.name);
    EXPECT_EQ(PositionAbbrev(r.code), r.upper);
    EXPECT_EQ(PositionAbbrevLower(r.code), r.lower);
  }
}

// Team files are written with full names and read back with ParsePosition,
// so every code must survive the trip, by name and by abbreviation, and the
// two abbreviation columns must agree.
TEST(CodesPosition, EveryCodeParsesBackAndCasesAgree) {
  for (std::int32_t code = 0; code < kPositionCount; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ParsePosition(PositionName(code)), code);
    EXPECT_EQ(ParsePosition(PositionAbbrev(code)), code);
    std::string lowered(PositionAbbrev(code));
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(PositionAbbrevLower(code), lowered);
  }
}

TEST(CodesPosition, ParseIsExactAndFallsBackToPitcher) {
  const std::pair<std::string_view, std::int32_t> rows[] = {
      {"SS", kPosShortStop}, {"Short Stop", kPosShortStop},    {"ss", kPosPitcher},
      {"", kPosPitcher},     {"short stop", kPosPitcher},      {"SS ", kPosPitcher},
      {"S", kPosPitcher},    {"Extra Hitter 10", kPosPitcher},
  };
  for (const auto& [text, code] : rows) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParsePosition(text), code);
  }
}

using NameFn = std::string_view (*)(std::int32_t);

// For each table: its last code (a missing or extra row anywhere shifts
// it), names the handheld spells its own way, and the fallback.
TEST(CodesNames, TableEndsAndFallbacks) {
  struct Row {
    const char* what;
    NameFn fn;
    std::int32_t code;
    std::string_view name;
  };
  const Row rows[] = {
      {"hit type", HitTypeName, kHitBuntFly, "Bunt Fly"},
      {"hit type", HitTypeName, kHitTypeCount, ""},
      {"strength", HitStrengthName, kStrengthHard, "Hard"},
      {"strength", HitStrengthName, -1, ""},
      {"error", ErrorTypeName, kErrPrevious, "Previous Error"},
      {"error", ErrorTypeName, kErrorTypeCount, ""},
      {"credit", PutOutAssistName, kCreditThreePutOuts, "3 Put Outs"},
      {"credit", PutOutAssistName, kPutOutAssistCount, ""},
      {"event", PitchEventName, kEventNone, "No Action"},
      {"event", PitchEventName, kEventReached, "On Base"},
      {"event", PitchEventName, kEventOut, "Out"},
      {"event", PitchEventName, kEventAdvance, "Advance"},
      {"event", PitchEventName, kEventRbi, "Awarded RBI"},
      {"event", PitchEventName, kEventCatcherSubbed, "Catcher Subbed"},
      {"event", PitchEventName, kPitchEventCount, ""},
      {"reach", ReachName, kReachOnBase, "On Base"},
      {"reach", ReachName, kReachTieBreaker, "On Base"},
      {"reach", ReachName, kReachSacrificeFC, "Sacrifice Fielder's Choice"},
      {"reach", ReachName, kReachFieldersChoiceDP, "Fielders Choice DP"},
      {"reach", ReachName, kReachResultCount, "On Base"},
      {"reach", ReachName, -1, "On Base"},
      {"out", OutName, kOutNone, "Out"},
      {"out", OutName, kOutTagged, "Out"},
      {"out", OutName, kOutLeftBaseEarly, "Left Base Eearly"},
      {"out", OutName, kOutLeadingOff, "Leading Off Viloation"},
      {"out", OutName, kOutGroundDoublePlay, "Double Play"},
      {"out", OutName, kOutPopOut, "Pop Out"},
      {"out", OutName, kOutTypeCount, "Out"},
      {"out", OutName, INT32_MIN, "Out"},
      {"advance", AdvanceName, kAdvNone, "Advance"},
      {"advance", AdvanceName, kAdvErrorContinued, "Advance on Error"},
      {"advance", AdvanceName, kAdvCaughtStealingError, "Caught Stealing - Error"},
      {"advance", AdvanceName, kAdvInterference, "Advance On Interference"},
      {"advance", AdvanceName, kAdvanceTypeCount, "Advance"},
      {"strike", StrikeTypeName, kStrikeMissedBuntOnHitAndRun, "Missed Bunt On HitAndRun"},
      {"strike", StrikeTypeName, kStrikeTypeCount, ""},
      {"ball", BallTypeName, kBallPitchOut, "PitchOut"},
      {"ball", BallTypeName, kBallTypeCount, ""},
      {"pitch", PitchTypeName, kPitchOther, "Other"},
      {"pitch", PitchTypeName, kPitchTypeCount, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.what) + " " + std::to_string(r.code));
    EXPECT_EQ(r.fn(r.code), r.name);
  }
  EXPECT_EQ(kAllPitches, "All Pitches");
}

TEST(CodesAbbrev, FixedAndFielderAbbreviations) {
  struct Row {
    const char* what;
    std::string got;
    std::string_view want;
  };
  const Row rows[] = {
      {"out 3", OutAbbrev(kOutGround), "GO"},
      {"out 5", OutAbbrev(kOutFoul), "Fo"},
      {"out 13", OutAbbrev(kOutForced), "  "},
      {"out 31", OutAbbrev(kOutGroundDoublePlay), "GDP"},
      {"out 40", OutAbbrev(kOutPopOut), "P"},
      {"out 41", OutAbbrev(kOutTypeCount), "  "},
      {"out -1", OutAbbrev(-1), "  "},
      {"reach 0", ReachAbbrev(kReachOnBase, 6), "  "},
      {"reach 11/6", ReachAbbrev(kReachError, 6), "E6"},
      {"reach 11/0", ReachAbbrev(kReachError, 0), "E"},
      {"reach 11/-4", ReachAbbrev(kReachError, -4), "E"},
      {"reach 12/5", ReachAbbrev(kReachAssistWithError, 5), "AWE-E5"},
      {"reach 13/0", ReachAbbrev(kReachSacrificeWithError, 0), "SAC-E"},
      {"reach 16", ReachAbbrev(kReachOnBaseSingle, 6), "B"},
      {"reach 19", ReachAbbrev(kReachTieBreaker, 6), "  "},
      {"reach 21/12", ReachAbbrev(kReachSacHitWithError, 12), "SH-E12"},
      {"reach 22/0", ReachAbbrev(kReachSacFlyWithError, 0), "SF-E"},
      {"reach 23/max", ReachAbbrev(kReachDroppedThirdError, INT_MAX), "DTS-E2147483647"},
      {"reach 24", ReachAbbrev(kReachFieldersChoiceDP, 6), "FC-DP"},
      {"reach 25", ReachAbbrev(kReachResultCount, 6), "  "},
      {"adv 0", AdvanceAbbrev(kAdvNone, 3), "  "},
      {"adv 7/4", AdvanceAbbrev(kAdvError, 4), "E4"},
      {"adv 8/4", AdvanceAbbrev(kAdvErrorContinued, 4), "~E"},
      {"adv 14/4", AdvanceAbbrev(kAdvFieldersChoice, 4), "FC"},
      {"adv 15/0", AdvanceAbbrev(kAdvAssistWithError, 0), "AWE"},
      {"adv 16/2", AdvanceAbbrev(kAdvCaughtStealingError, 2), "CSE2"},
      {"adv 21", AdvanceAbbrev(kAdvInterference, 2), "IF"},
      {"adv 22", AdvanceAbbrev(kAdvanceTypeCount, 2), "  "},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(r.got, r.want);
  }
}

TEST(CodesReachBases, OnlyExtraBaseHitsGainMoreThanOne) {
  int total = 0;
  for (std::int32_t code = 0; code < kReachResultCount; ++code) total += ReachBases(code);
  // 20 codes at 1, doubles 2 + 2, triple 3, home runs 4 + 4.
  EXPECT_EQ(total, 20 + 2 + 2 + 3 + 4 + 4);
  EXPECT_EQ(std::vector<int>({ReachBases(kReachDouble), ReachBases(kReachGroundRuleDouble),
                              ReachBases(kReachTriple), ReachBases(kReachHomeRun),
                              ReachBases(kReachInsideParkHR), ReachBases(kReachResultCount),
                              ReachBases(-1)}),
            std::vector<int>({2, 2, 3, 4, 4, 1, 1}));
}

TEST(CodesText, OrdinalSuffix) {
  const std::pair<int, std::string_view> rows[] = {
      {1, "st"},       {2, "nd"},       {3, "rd"},   {4, "th"},    {10, "th"},  {11, "th"},
      {12, "th"},      {13, "th"},      {20, "th"},  {21, "st"},   {22, "nd"},  {23, "rd"},
      {24, "th"},      {30, "th"},      {31, "st"},  {101, "st"},  {102, "nd"}, {110, "th"},
      {111, "th"},     {112, "th"},     {113, "th"}, {1001, "st"}, {0, "th"},   {-1, "th"},
      {INT_MAX, "th"}, {INT_MIN, "th"},
  };
  for (const auto& [n, suffix] : rows) {
    SCOPED_TRACE(n);
    EXPECT_EQ(OrdinalSuffix(n), suffix);
  }
}

TEST(CodesText, PluralSuffix) {
  EXPECT_EQ(PluralSuffix(1), "");
  for (int n : {0, 2, 11, -1, INT_MIN}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(PluralSuffix(n), "s");
  }
}

}  // namespace
}  // namespace scorewick
