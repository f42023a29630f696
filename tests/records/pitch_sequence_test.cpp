#include "records/pitch_sequence.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "records/codes.h"

namespace scorewick {
namespace {

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
