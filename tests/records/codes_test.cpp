#include "records/codes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "records/pitch_sequence.h"
#include "support/data_file.h"

namespace scorewick {
namespace {

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

// Every code of every table, with the code before the first and after the
// last: its name, and for positions, reaches, outs and advances the
// abbreviations the sheets and the box score print (with a fielder of
// -4, 0, 6 and the largest number where the fielder is part of it).
std::string CodeListing() {
  std::ostringstream out;
  for (std::int32_t code = -1; code <= kPositionCount; ++code) {
    out << "position " << code << ": " << PositionName(code) << " | " << PositionAbbrev(code)
        << " | " << PositionAbbrevLower(code) << "\n";
  }
  const struct {
    const char* what;
    NameFn name;
    std::int32_t count;
  } tables[] = {
      {"hit type", HitTypeName, kHitTypeCount},
      {"strength", HitStrengthName, kHitStrengthCount},
      {"error", ErrorTypeName, kErrorTypeCount},
      {"credit", PutOutAssistName, kPutOutAssistCount},
      {"event", PitchEventName, kPitchEventCount},
      {"reach", ReachName, kReachResultCount},
      {"out", OutName, kOutTypeCount},
      {"advance", AdvanceName, kAdvanceTypeCount},
      {"strike", StrikeTypeName, kStrikeTypeCount},
      {"ball", BallTypeName, kBallTypeCount},
      {"pitch", PitchTypeName, kPitchTypeCount},
  };
  for (const auto& t : tables) {
    const std::string what = t.what;
    for (std::int32_t code = -1; code <= t.count; ++code) {
      out << what << " " << code << ": " << t.name(code);
      if (what == "out") out << " | \"" << OutAbbrev(code) << "\"";
      if (what == "reach") out << " | bases " << ReachBases(code);
      for (int fielder : {-4, 0, 6, INT_MAX}) {
        if (what == "reach") out << " | \"" << ReachAbbrev(code, fielder) << "\"";
        if (what == "advance") out << " | \"" << AdvanceAbbrev(code, fielder) << "\"";
      }
      out << "\n";
    }
  }
  return out.str();
}

// A missing or extra row anywhere in a table shifts every name after it;
// names the handheld spells its own way stay as it spells them.
TEST(CodesNames, EveryCodeHasItsNameAndAbbreviations) {
  testing::ExpectGolden(CodeListing(), "code_names.txt");
  EXPECT_EQ(kAllPitches, "All Pitches");
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

AT_BAT WithEvents(std::initializer_list<std::int32_t> events) {
  AT_BAT ab;
  int i = 0;
  for (std::int32_t e : events) ab.pitches[static_cast<std::size_t>(i++)].event = e;
  ab.last_pitch = i - 1;
  return ab;
}

void SetAdvances(AT_BAT& ab, std::initializer_list<std::int32_t> advances) {
  int slot = 0;
  for (std::int32_t a : advances) ab.advances[slot++] = a;
}

struct Expect {
  int slot;
  std::string_view name;
};

void CheckEntries(const AT_BAT& ab, const std::vector<Expect>& want) {
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(AdvanceSlotOfEntry(ab, static_cast<int>(i)), want[i].slot);
    EXPECT_EQ(PitchEntryName(ab, static_cast<int>(i)), want[i].name);
  }
}

// A single, a steal of second, third on a wild pitch, then out at home.
TEST(PitchSequence, SingleThenRunnerAroundTheBases) {
  AT_BAT ab = WithEvents({kEventBall, kEventStrike, kEventFoul, kEventReached, kEventAdvance,
                          kEventAdvance, kEventOut});
  ab.how_reached = kReachSingle;
  ab.how_out = kOutTagged;
  SetAdvances(ab, {kAdvStolenBase, kAdvWildPitch, kAdvNone});
  CheckEntries(ab, {{-1, "Ball"},
                    {-1, "Strike"},
                    {-1, "Foul"},
                    {-1, "Single"},
                    {0, "Stolen Base"},
                    {1, "Advance on Wild Pitch"},
                    {2, "Out"}});
}

// Extra-base hits start the runner further round: a double's first advance
// is the one from second, a triple's the one from third.
TEST(PitchSequence, ExtraBaseHitsSkipSlots) {
  AT_BAT ab = WithEvents({kEventReached, kEventAdvance, kEventAdvance});
  ab.how_reached = kReachGroundRuleDouble;
  SetAdvances(ab, {kAdvStolenBase, kAdvBalk, kAdvErrorContinued});
  CheckEntries(ab, {{-1, "Ground Rule Double"}, {1, "Advance on Balk"}, {2, "Advance on Error"}});

  ab = WithEvents({kEventStrike, kEventReached, kEventRbi, kEventAdvance});
  ab.how_reached = kReachTriple;
  SetAdvances(ab, {kAdvStolenBase, kAdvBalk, kAdvPassedBall});
  CheckEntries(ab,
               {{-1, "Strike"}, {-1, "Triple"}, {2, "Awarded RBI"}, {2, "Advance on Passed Ball"}});
}

// Sequences the handheld should not write still get a name and never index
// past the three advance slots.
TEST(PitchSequence, AdvanceWithoutASlotIsPlainAdvance) {
  AT_BAT ab = WithEvents({kEventAdvance, kEventReached, kEventAdvance});
  ab.how_reached = kReachHomeRun;
  SetAdvances(ab, {kAdvStolenBase, kAdvStolenBase, kAdvStolenBase});
  CheckEntries(ab, {{-1, "Advance"}, {0, "Home Run"}, {-1, "Advance"}});

  // Four advances from first: the fourth would be beyond home.
  ab = WithEvents({kEventReached, kEventAdvance, kEventAdvance, kEventAdvance, kEventAdvance});
  ab.how_reached = kReachWalk;
  SetAdvances(ab, {kAdvForcedByWalk, kAdvDefensiveIndifference, kAdvOnThrow});
  CheckEntries(ab, {{-1, "Base on Balls"},
                    {0, "Advance"},
                    {1, "Defensive Indifference"},
                    {2, "Advance On Throw"},
                    {-1, "Advance"}});
}

TEST(PitchSequence, UnknownCodesGiveFallbacks) {
  AT_BAT ab = WithEvents({kEventReached, kEventAdvance, kEventOut, 17, -1, kEventCatcherSubbed});
  ab.how_reached = 99;  // unknown reach: one base, named "On Base"
  ab.how_out = 99;
  SetAdvances(ab, {1234, 0, 0});
  CheckEntries(
      ab, {{-1, "On Base"}, {0, "Advance"}, {1, "Out"}, {1, ""}, {1, ""}, {1, "Catcher Subbed"}});
}

TEST(PitchSequence, EntriesOutsideTheRecordAreRefused) {
  AT_BAT ab;
  PITCH advance;
  advance.event = kEventAdvance;
  ab.pitches.fill(advance);
  ab.last_pitch = kMaxPitches - 1;
  EXPECT_EQ(AdvanceSlotOfEntry(ab, 3), 2);
  for (int entry : {-1, kMaxPitches, 1 << 30}) {
    SCOPED_TRACE(entry);
    EXPECT_EQ(AdvanceSlotOfEntry(ab, entry), -1);
    EXPECT_EQ(PitchEntryName(ab, entry), "");
  }
}

}  // namespace
}  // namespace scorewick
