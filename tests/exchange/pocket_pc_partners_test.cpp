#include "exchange/pocket_pc_partners.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "support/temp_dir.h"

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

// A folder holding a control character names no folder the person meant:
// the section keeps its name and gets a refusal instead.
TEST(PocketPcPartners, AFolderHoldingAControlCharacterIsRefused) {
  using namespace std::string_literals;
  for (const std::string& folder : {"/x\ty"s, "/x\x1b]0;y"s, "/x\0y"s, "/a\rb/c"s}) {
    const auto partners = ParsePartners("[b]\nDisplayName=B\nSyncFolder=" + folder + "\n");
    ASSERT_EQ(partners.size(), 1u);
    EXPECT_EQ(
        std::tuple(partners[0].display_name, partners[0].sync_folder.has_value(),
                   partners[0].refusal),
        std::tuple("B", false, "the SyncFolder of [b] holds a control character and is not used"));
  }
}

TEST(PocketPcPartners, AFileThatCannotBeReadSaysWhy) {
  TempDir dir;
  const std::string path = dir.Path("partners");
  std::vector<PocketPcPartner> partners;
  EXPECT_EQ(ReadPartners(path, partners).reason, "no partners file at " + path);
  std::ofstream(path) << std::string(2 << 20, '#');
  EXPECT_EQ(ReadPartners(path, partners).reason, path + " is larger than 1 MB and was not read");
  std::filesystem::remove(path);
  std::filesystem::create_directories(path);
  EXPECT_NE(ReadPartners(path, partners).reason.find("it is a folder"), std::string::npos);
}

}  // namespace
}  // namespace scorewick
