// The printed roster and the printed address list.

#include <gtest/gtest.h>

#include "reports/print/phone_out.h"
#include "reports/print/print_team.h"
#include "reports/print/recording_target.h"
#include "reports/small_team.h"

namespace scorewick::print {
namespace {

TEST(TPrintTeamTest, RosterLinesOnTheFrame) {
  const Team team = testing::SmallTeam();
  TPrintTeam out(team);
  RecordingPageTarget target(QSize(9600, 12400));
  ASSERT_EQ(PrintPages(out, target), 1);
  const RecordedPage& page = target.pages()[0];
  EXPECT_NE(page.Find("Hawks"), nullptr);
  EXPECT_NE(page.Find("This page was created using"), nullptr);
  const RecordedText* heading = page.Find("#  Name");
  const RecordedText* player = page.Find("00 Al Bo");
  ASSERT_TRUE(heading && player);
  EXPECT_EQ(heading->font.family(), "Courier New");
  EXPECT_EQ(player->baseline.x(), heading->baseline.x());
  EXPECT_GT(player->baseline.y(), heading->baseline.y());
  EXPECT_EQ(out.first_unit(), 9600 / (kRosterMinLineWidth + 6));
}

Team BigTeam(int players) {
  Team team;
  team.team_name.set("Owls");
  for (int i = 0; i < players; ++i) {
    const std::string name = "Player " + std::to_string(i);
    team.AddPlayer(
        testing::MakePlayer(name.c_str(), i, 1 + i % 9, 0, 1, 1),
        testing::MakeInfo("555", "1 Road", "Town", "ST", "00001", 1, 1, 2000, "p@example.org", ""));
  }
  return team;
}

TEST(TPhoneOutTest, SevenLineBlocksNeverSplit) {
  const Team team = BigTeam(40);
  TPhoneOut out(team);
  out.set_today({2004, 7, 3});
  EXPECT_EQ(out.title(), "Owls Address/Phone List");
  RecordingPageTarget target(QSize(4800, 6200));
  const int pages = PrintPages(out, target);
  ASSERT_GT(pages, 1);
  int blocks = 0;
  for (int p = 0; p < pages; ++p) {
    const RecordedPage& page = target.pages()[static_cast<std::size_t>(p)];
    EXPECT_NE(page.Find(QString("Page %1").arg(p + 1)), nullptr);
    EXPECT_NE(page.Find("7/3/2004"), nullptr);
    EXPECT_EQ(page.Find("This page was created using"), nullptr);
    // Every block that starts on the page ends on it (the empty note
    // draws no text, so a block shows six).
    const QStringList texts = page.Texts();
    for (int i = 0; i < texts.size(); ++i) {
      if (!texts[i].startsWith("#")) continue;
      ++blocks;
      ASSERT_LT(i + 5, texts.size()) << "block split at page " << p + 1;
      EXPECT_EQ(texts[i + 2], "Town, ST 00001");
      EXPECT_EQ(texts[i + 4], "1/1/2000");
      EXPECT_EQ(texts[i + 5], "p@example.org");
    }
  }
  EXPECT_EQ(blocks, 40);
}

TEST(TPhoneOutTest, NoNumberPrintsAsDoubleZero) {
  TPhoneOut out(testing::SmallTeam());
  RecordingPageTarget target(QSize(4800, 6200));
  ASSERT_EQ(PrintPages(out, target), 1);
  EXPECT_NE(target.pages()[0].Find("#00, Al Bo, Pitcher"), nullptr);
  EXPECT_NE(target.pages()[0].Find("#12, Jo Smith, Short Stop"), nullptr);
}

}  // namespace
}  // namespace scorewick::print
