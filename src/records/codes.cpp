#include "records/codes.h"

#include <array>
#include <cstddef>

namespace scorewick {

namespace {

using std::string_view_literals::operator""sv;

template <std::size_t N>
constexpr bool InTable(std::int32_t code) {
  return code >= 0 && static_cast<std::size_t>(code) < N;
}

// The name of code in a table of names, or empty text when it has none.
template <std::size_t N>
constexpr std::string_view Lookup(const std::array<std::string_view, N>& table, std::int32_t code) {
  return InTable<N>(code) ? table[static_cast<std::size_t>(code)] : std::string_view{};
}

constexpr std::array<std::string_view, kPositionCount> kPositionNames = {
    "Bench"sv,           "Pitcher"sv,         "Catcher"sv,         "First"sv,
    "Second"sv,          "Third"sv,           "Short Stop"sv,      "Left Field"sv,
    "Center Field"sv,    "Right Field"sv,     "Short Field"sv,     "Designated Hitter"sv,
    "Pinch Hitter"sv,    "Pinch Runner"sv,    "Extra Fielder 1"sv, "Extra Fielder 2"sv,
    "Extra Fielder 3"sv, "Extra Fielder 4"sv, "Extra Fielder 5"sv, "Extra Fielder 6"sv,
    "Extra Fielder 7"sv, "Extra Fielder 8"sv, "Extra Fielder 9"sv, "Extra Hitter 1"sv,
    "Extra Hitter 2"sv,  "Extra Hitter 3"sv,  "Extra Hitter 4"sv,  "Extra Hitter 5"sv,
    "Extra Hitter 6"sv,  "Extra Hitter 7"sv,  "Extra Hitter 8"sv,  "Extra Hitter 9"sv,
};

constexpr std::array<std::string_view, kPositionCount> kPositionAbbrevs = {
    "B"sv,   "P"sv,   "C"sv,   "1B"sv,  "2B"sv,  "3B"sv,  "SS"sv,  "LF"sv,
    "CF"sv,  "RF"sv,  "SF"sv,  "DH"sv,  "PH"sv,  "PR"sv,  "XF1"sv, "XF2"sv,
    "XF3"sv, "XF4"sv, "XF5"sv, "XF6"sv, "XF7"sv, "XF8"sv, "XF9"sv, "XH1"sv,
    "XH2"sv, "XH3"sv, "XH4"sv, "XH5"sv, "XH6"sv, "XH7"sv, "XH8"sv, "XH9"sv,
};

constexpr std::array<std::string_view, kPositionCount> kPositionAbbrevsLower = {
    "b"sv,   "p"sv,   "c"sv,   "1b"sv,  "2b"sv,  "3b"sv,  "ss"sv,  "lf"sv,
    "cf"sv,  "rf"sv,  "sf"sv,  "dh"sv,  "ph"sv,  "pr"sv,  "xf1"sv, "xf2"sv,
    "xf3"sv, "xf4"sv, "xf5"sv, "xf6"sv, "xf7"sv, "xf8"sv, "xf9"sv, "xh1"sv,
    "xh2"sv, "xh3"sv, "xh4"sv, "xh5"sv, "xh6"sv, "xh7"sv, "xh8"sv, "xh9"sv,
};

constexpr std::array<std::string_view, kHitTypeCount> kHitTypeNames = {
    "Not In Play"sv, "Fly"sv, "Pop"sv, "Liner"sv, "Grounder"sv, "Bunt Grounder"sv, "Bunt Fly"sv,
};

constexpr std::array<std::string_view, kHitStrengthCount> kHitStrengthNames = {
    "None"sv,
    "Soft"sv,
    "Medium"sv,
    "Hard"sv,
};

constexpr std::array<std::string_view, kErrorTypeCount> kErrorTypeNames = {
    "No Error"sv,    "Fielding Error"sv, "Throwing Error"sv, "Bobble"sv,
    "Passed Ball"sv, "Pop Foul Error"sv, "Pick Off Error"sv, "Previous Error"sv,
};

constexpr std::array<std::string_view, kPutOutAssistCount> kPutOutAssistNames = {
    "No PO or Assist"sv, "Assist"sv, "Put Out"sv, "PO and Assist"sv, "2 Put Outs"sv, "3 Put Outs"sv,
};

// Events 4, 5 and 6 stand for the name of the at-bat's reach, out or
// advance code; on their own they get the fallback of that code's table.
constexpr std::array<std::string_view, kPitchEventCount> kPitchEventNames = {
    "No Action"sv,
    "Strike"sv,
    "Ball"sv,
    "Foul"sv,
    "On Base"sv,
    "Out"sv,
    "Advance"sv,
    "Awarded RBI"sv,
    "Out Number Up"sv,
    "Out Number Down"sv,
    "Pitcher Pickoff Att-1st"sv,
    "Pitcher Pickoff Att-2nd"sv,
    "Pitcher Pickoff Att-3rd"sv,
    "Catcher Pickoff Att-1st"sv,
    "Catcher Pickoff Att-2nd"sv,
    "Catcher Pickoff Att-3rd"sv,
    "Catcher Subbed"sv,
};

constexpr std::array<std::string_view, kStrikeTypeCount> kStrikeTypeNames = {
    "No Strike"sv,
    "Swinging Strike"sv,
    "Taken Strike"sv,
    "Bunted At And Missed"sv,
    "Foul"sv,
    "Foul Bunt Strike"sv,
    "Foul On HitAndRun"sv,
    "Foul Bunt On HitAndRun"sv,
    "Swinging on HitAndRun"sv,
    "Missed Bunt On HitAndRun"sv,
};

constexpr std::array<std::string_view, kBallTypeCount> kBallTypeNames = {
    "No Ball"sv, "Called Ball"sv, "Intentional Ball"sv, "Pitcher To Mouth"sv, "PitchOut"sv,
};

constexpr std::array<std::string_view, kPitchTypeCount> kPitchTypeNames = {
    "FastBall"sv,    "SplitFinger"sv, "ForkBall"sv, "Sinker"sv,   "CurveBall"sv,    "ScrewBall"sv,
    "KnuckleBall"sv, "Slider"sv,      "ChangeUp"sv, "BrushOff"sv, "BreakingBall"sv, "Other"sv,
};

// A score-sheet abbreviation; with_fielder marks the ones that the number of
// the fielder who erred follows.
struct Abbrev {
  std::string_view letters;
  bool with_fielder = false;
};

struct ReachEntry {
  std::string_view name;
  Abbrev abbrev;
  int bases;
};

constexpr std::array<ReachEntry, kReachResultCount> kReaches = {{
    {"On Base"sv, {"  "sv}, 1},
    {"Single"sv, {"1B"sv}, 1},
    {"Double"sv, {"2B"sv}, 2},
    {"Triple"sv, {"3B"sv}, 3},
    {"Home Run"sv, {"HR"sv}, 4},
    {"Base on Balls"sv, {"BB"sv}, 1},
    {"Intentional Walk"sv, {"IW"sv}, 1},
    {"Hit By Pitch"sv, {"HBP"sv}, 1},
    {"Awarded Base"sv, {"AB"sv}, 1},
    {"Interference"sv, {"IF"sv}, 1},
    {"Fielder's Choice"sv, {"FC"sv}, 1},
    {"Reached On Error"sv, {"E"sv, true}, 1},
    {"Assist with Error"sv, {"AWE-E"sv, true}, 1},
    {"Sacrifice with Error"sv, {"SAC-E"sv, true}, 1},
    {"Dropped 3rd Strike-WP"sv, {"DTS-WP"sv}, 1},
    {"Dropped 3rd Strike-PB"sv, {"DTS-PB"sv}, 1},
    {"On Base"sv, {"B"sv}, 1},
    {"Inside Park HR"sv, {"IHR"sv}, 4},
    {"Ground Rule Double"sv, {"G2B"sv}, 2},
    {"On Base"sv, {"  "sv}, 1},
    {"Sacrifice Fielder's Choice"sv, {"SAC-FC"sv}, 1},
    {"Sacrifice Hit with Error"sv, {"SH-E"sv, true}, 1},
    {"Sacrifice Fly with Error"sv, {"SF-E"sv, true}, 1},
    {"Dropped 3rd Strike-E"sv, {"DTS-E"sv, true}, 1},
    {"Fielders Choice DP"sv, {"FC-DP"sv}, 1},
}};

struct OutEntry {
  std::string_view name;
  std::string_view abbrev;
};

// The two misspelt names (16, 28) are the texts the scorer has always seen
// on reports; they stay as they are.
constexpr std::array<OutEntry, kOutTypeCount> kOuts = {{
    {"Out"sv, "  "sv},
    {"Out"sv, "  "sv},  // struck out swinging
    {"Out"sv, "  "sv},  // struck out looking
    {"Ground Out"sv, "GO"sv},
    {"Flied Out"sv, "F"sv},
    {"Fouled Out"sv, "Fo"sv},
    {"Double Play"sv, "DP"sv},
    {"Triple Play"sv, "TP"sv},
    {"Sacrifice Fly"sv, "SF"sv},
    {"Sacrifice Bunt"sv, "BS"sv},
    {"Interference"sv, "I"sv},
    {"Dropped Third Strike"sv, "DTS"sv},
    {"Bunted Foul"sv, "BF"sv},
    {"Out"sv, "  "sv},  // forced out
    {"Out"sv, "  "sv},  // tagged out
    {"Caught Stealing"sv, "CS"sv},
    {"Left Base Eearly"sv, "LBE"sv},
    {"Did Not Tag Up"sv, "DNT"sv},
    {"Picked Off"sv, "PO"sv},
    {"Left Base Path"sv, "LBP"sv},
    {"Missed Base"sv, "MB"sv},
    {"Illegally Batted Ball"sv, "IBB"sv},
    {"Batted Out of Turn"sv, "BOT"sv},
    {"Hit By Fair Ball"sv, "HBB"sv},
    {"Hit By Own Batted Ball"sv, "TBB"sv},
    {"Line Drive"sv, "LD"sv},
    {"Called Out"sv, "CO"sv},
    {"Circle Violation"sv, "CV"sv},
    {"Leading Off Viloation"sv, "LOV"sv},
    {"Head First Slide"sv, "HFS"sv},
    {"Sacrifice"sv, "SAC"sv},
    {"Double Play"sv, "GDP"sv},  // grounded into the double play
    {"Infield Fly"sv, "IF"sv},
    {"Thrown Bat"sv, "TB"sv},
    {"Bunt Out"sv, "BO"sv},
    {"Over Ran Base"sv, "OR"sv},
    {"Non Force GDP"sv, "NDP"sv},
    {"Caught Stealing DP"sv, "CSD"sv},
    {"Sac Fly DP"sv, "SFD"sv},
    {"Base Line Violation"sv, "BLV"sv},
    {"Pop Out"sv, "P"sv},
}};

struct AdvanceEntry {
  std::string_view name;
  Abbrev abbrev;
};

constexpr std::array<AdvanceEntry, kAdvanceTypeCount> kAdvances = {{
    {"Advance"sv, {"  "sv}},
    {"Stolen Base"sv, {"SB"sv}},
    {"Advance"sv, {"  "sv}},  // batted forward
    {"Awarded Base"sv, {"AB"sv}},
    {"Advance on Wild Pitch"sv, {"WP"sv}},
    {"Advance on Passed Ball"sv, {"PB"sv}},
    {"Advance on Balk"sv, {"BK"sv}},
    {"Advance on Error"sv, {"E"sv, true}},
    {"Advance on Error"sv, {"~E"sv}},
    {"Advance on Wild Pitch"sv, {"~WP"sv}},
    {"Advance on Passed Ball"sv, {"~PB"sv}},
    {"Advance on Balk"sv, {"~BK"sv}},
    {"Advance"sv, {"  "sv}},  // forced by a walk
    {"Advance"sv, {"  "sv}},  // additional base on the play
    {"Advance"sv, {"FC"sv}},
    {"Advance on Error"sv, {"AWE"sv, true}},
    {"Caught Stealing - Error"sv, {"CSE"sv, true}},
    {"Defensive Indifference"sv, {"DI"sv}},
    {"Advance On Throw"sv, {"AT"sv}},
    {"Double Steal"sv, {"2S"sv}},
    {"Triple Steal"sv, {"3S"sv}},
    {"Advance On Interference"sv, {"IF"sv}},
}};

constexpr std::string_view kTwoBlanks = "  "sv;

std::string Spell(const Abbrev& abbrev, int fielder) {
  std::string text(abbrev.letters);
  if (abbrev.with_fielder && fielder >= 1) text += std::to_string(fielder);
  return text;
}

}  // namespace

std::string_view PositionName(std::int32_t position) { return Lookup(kPositionNames, position); }

std::string_view PositionAbbrev(std::int32_t position) {
  return Lookup(kPositionAbbrevs, position);
}

std::string_view PositionAbbrevLower(std::int32_t position) {
  return Lookup(kPositionAbbrevsLower, position);
}

std::int32_t ParsePosition(std::string_view text) {
  for (std::int32_t code = 0; code < kPositionCount; ++code) {
    if (text == kPositionNames[code] || text == kPositionAbbrevs[code]) return code;
  }
  return kPosPitcher;
}

std::string_view HitTypeName(std::int32_t hit_type) { return Lookup(kHitTypeNames, hit_type); }

std::string_view HitStrengthName(std::int32_t strength) {
  return Lookup(kHitStrengthNames, strength);
}

std::string_view ErrorTypeName(std::int32_t error_type) {
  return Lookup(kErrorTypeNames, error_type);
}

std::string_view PutOutAssistName(std::int32_t credit) {
  return Lookup(kPutOutAssistNames, credit);
}

std::string_view StrikeTypeName(std::int32_t strike_type) {
  return Lookup(kStrikeTypeNames, strike_type);
}

std::string_view BallTypeName(std::int32_t ball_type) { return Lookup(kBallTypeNames, ball_type); }

std::string_view PitchTypeName(std::int32_t pitch_type) {
  return Lookup(kPitchTypeNames, pitch_type);
}

std::string_view PitchEventName(std::int32_t event) { return Lookup(kPitchEventNames, event); }

std::string_view ReachName(std::int32_t reach) {
  return InTable<kReachResultCount>(reach) ? kReaches[reach].name : "On Base"sv;
}

std::string_view OutName(std::int32_t out) {
  return InTable<kOutTypeCount>(out) ? kOuts[out].name : "Out"sv;
}

std::string_view AdvanceName(std::int32_t advance) {
  return InTable<kAdvanceTypeCount>(advance) ? kAdvances[advance].name : "Advance"sv;
}

std::string OutAbbrev(std::int32_t out) {
  return std::string(InTable<kOutTypeCount>(out) ? kOuts[out].abbrev : kTwoBlanks);
}

std::string AdvanceAbbrev(std::int32_t advance, int fielder) {
  if (!InTable<kAdvanceTypeCount>(advance)) return std::string(kTwoBlanks);
  return Spell(kAdvances[advance].abbrev, fielder);
}

std::string ReachAbbrev(std::int32_t reach, int fielder) {
  if (!InTable<kReachResultCount>(reach)) return std::string(kTwoBlanks);
  return Spell(kReaches[reach].abbrev, fielder);
}

int ReachBases(std::int32_t reach) {
  return InTable<kReachResultCount>(reach) ? kReaches[reach].bases : 1;
}

std::string_view OrdinalSuffix(int n) {
  if (n <= 0) return "th"sv;
  // 11th, 12th, 13th, and likewise 111th, 212th ...; otherwise the last digit
  // decides.
  const int last_two = n % 100;
  if (last_two >= 11 && last_two <= 13) return "th"sv;
  switch (n % 10) {
    case 1:
      return "st"sv;
    case 2:
      return "nd"sv;
    case 3:
      return "rd"sv;
    default:
      return "th"sv;
  }
}

std::string_view PluralSuffix(int n) { return n == 1 ? std::string_view{} : "s"sv; }

}  // namespace scorewick
