// Code page 1252 to UTF-8 and back, as every edge converts record texts.

#include "records/cp1252.h"

#include <gtest/gtest.h>

namespace scorewick {
namespace {

TEST(Cp1252, ConvertsBothWays) {
  const struct {
    std::string cp1252;
    std::string utf8;
  } cases[] = {
      {"Jos\xE9 N\xFA\xF1"
       "ez",
       "José Núñez"},
      {"\x80 5", "€ 5"},  // the euro sign lies in 0x80..0x9F
      {"\x93Sluggo\x94 \x8A\x9F", "“Sluggo” ŠŸ"},
      {"plain", "plain"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Cp1252, EveryByteComesBackAsItWas) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, WhatTheCodePageLacksBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xFF"
                         "b"),
            "a?b");                                    // not UTF-8 at all
  EXPECT_EQ(Utf8ToCp1252("cut \xC3"), "cut ?");        // a sequence cut short
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8E\x89!"), "?!");  // beyond the basic plane
}

}  // namespace
}  // namespace scorewick
