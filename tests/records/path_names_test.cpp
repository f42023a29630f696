// The one set of file-name helpers every layer uses.

#include "records/path_names.h"

#include <gtest/gtest.h>

namespace scorewick {
namespace {

TEST(PathNames, FolderNameAndExtension) {
  const struct {
    const char* path;
    const char* folder;
    const char* name;
    const char* extension;
  } cases[] = {
      {"games/Opener.GAM", "games", "Opener.GAM", "gam"},
      {"/t.d/hawks", "/t.d", "hawks", ""},  // a dotted folder is no extension
      {"Spring.2024.gam", "", "Spring.2024.gam", "gam"},
      {".hidden", "", ".hidden", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(ExtensionOf(c.path), c.extension) << c.path;
  }
  EXPECT_EQ(WithExtension("/t/hawks", "csv"), "/t/hawks.csv");
  EXPECT_EQ(WithExtension("/t/hawks.tem", "csv"), "/t/hawks.tem");
  EXPECT_EQ(WithExtension("/t.d/hawks", "tem"), "/t.d/hawks.tem");
  EXPECT_EQ(FileNameWithExtension("/teams/Tigers.csv", "tem"), "Tigers.tem");
  EXPECT_EQ(FileNameWithExtension("Spring.2024.gam", "pdb"), "Spring.2024.pdb");
}

}  // namespace
}  // namespace scorewick
