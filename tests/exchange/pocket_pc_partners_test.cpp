#include "exchange/pocket_pc_partners.h"

#include <gtest/gtest.h>

#include <tuple>

namespace scorewick {
namespace {

TEST(PocketPcPartners, ParsesSectionsInOrder) {
  const auto partners = ParsePartners(
      "# paired devices\n"
      "[first]\n"
      "DisplayName = Coach's Pocket PC\r\n"
      "syncfolder=/home/coach/PPC Files\n"
      "stray line\n"
      "\n"
      "[ second ]\n"
      "DisplayName=A very long display name that is longer than a hundred characters, "
      "which the device list keeps whole and shows in full\n");
  ASSERT_EQ(partners.size(), 2u);
  EXPECT_EQ(std::tuple(partners[0].key, partners[0].display_name, *partners[0].sync_folder),
            std::tuple("first", "Coach's Pocket PC", "/home/coach/PPC Files"));
  EXPECT_EQ(std::tuple(partners[1].key, partners[1].display_name.size() > 100,
                       partners[1].sync_folder.has_value()),
            std::tuple("second", true, false));
}

}  // namespace
}  // namespace scorewick
