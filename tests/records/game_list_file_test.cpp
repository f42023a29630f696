// Lists of game files: one path a line, comments and blank lines skipped,
// relative paths taken from the list's folder.

#include "records/game_list_file.h"

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

TEST(GameListFile, LinesToPaths) {
  struct Case {
    const char* text;
    const char* folder;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      {"", "", {}},
      {"a.gam\nb.gam", "", {"a.gam", "b.gam"}},
      {"# comment\n\n   \n\t# indented comment\na.gam\n", "", {"a.gam"}},
      {"a.gam\r\n  b c.gam  \r\n", "", {"a.gam", "b c.gam"}},
      {"\xEF\xBB\xBF" "a.gam\n", "", {"a.gam"}},  // a Windows editor's byte-order mark
      {"a.gam\nsub/b.gam\n/abs/c.gam\n", "lists", {"lists/a.gam", "lists/sub/b.gam", "/abs/c.gam"}},
      {"game#1.gam\n", "", {"game#1.gam"}},  // '#' within a name is a name
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    std::string error;
    EXPECT_TRUE(ParseGameList(c.text, c.folder, paths, &error)) << c.text << error;
    EXPECT_EQ(paths, c.paths) << c.text;
  }
}

TEST(GameListFile, NoListRefusedWithItsLine) {
  std::vector<std::string> paths;
  std::string error;
  EXPECT_FALSE(ParseGameList(std::string_view("a.gam\nb\0c\n", 10), "", paths, &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;

  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("list.txt"), "g.gam\n", nullptr));
  paths = {"first.gam"};
  ASSERT_TRUE(ReadGameList(dir.Path("list.txt"), paths, &error)) << error;
  EXPECT_EQ(paths, (std::vector<std::string>{"first.gam", dir.Path("g.gam")}));
  EXPECT_FALSE(ReadGameList(dir.Path("none.txt"), paths, &error));
  EXPECT_NE(error.find("none.txt"), std::string::npos);
}

}  // namespace
}  // namespace scorewick
