#include "records/codes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace
}  // namespace scorewick
