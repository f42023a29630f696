// Lists of game files: one path a line, comments and blank lines skipped,
// relative paths taken from the list's folder.

#include "records/game_list_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/file_io.h"
#include "records/path_names.h"
#include "support/temp_dir.h"
#include "support/told.h"

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
      {"\xEF\xBB\xBF"
       "a.gam\n",
       "",
       {"a.gam"}},  // a Windows editor's byte-order mark
      {"a.gam\nsub/b.gam\n/abs/c.gam\n", "lists", {"lists/a.gam", "lists/sub/b.gam", "/abs/c.gam"}},
      {"game#1.gam\n", "", {"game#1.gam"}},  // '#' within a name is a name
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    std::string error;
    EXPECT_TRUE(testing::Done(ParseGameList(c.text, c.folder, paths), &error)) << c.text << error;
    EXPECT_EQ(paths, c.paths) << c.text;
  }
}

TEST(GameListFile, NoListRefusedWithItsLine) {
  std::vector<std::string> paths;
  std::string error;
  EXPECT_FALSE(
      testing::Done(ParseGameList(std::string_view("a.gam\nb\0c\n", 10), "", paths), &error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;

  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("list.txt"), "g.gam\n"));
  paths = {"first.gam"};
  ASSERT_TRUE(testing::Done(ReadGameList(dir.Path("list.txt"), paths), &error)) << error;
  EXPECT_EQ(paths, (std::vector<std::string>{"first.gam", dir.Path("g.gam")}));
  EXPECT_FALSE(testing::Done(ReadGameList(dir.Path("none.txt"), paths), &error));
  EXPECT_NE(error.find("none.txt"), std::string::npos);
}

// A list written is read back as the same paths: relative beside and below
// the list, absolute elsewhere, names that would read otherwise kept.
TEST(GameListFile, WrittenListReadsBackTheSamePaths) {
  TempDir dir;
  const std::vector<std::string> games = {dir.Path("lists/g1.gam"), dir.Path("lists/sub/g2.gam"),
                                          dir.Path("other/g3.gam"), dir.Path("lists/#4.gam"),
                                          dir.Path("lists/ 5.gam")};
  const std::string list = dir.Path("lists/season.txt");
  std::filesystem::create_directories(dir.Path("lists"));
  std::string error;
  ASSERT_TRUE(testing::Done(WriteGameList(list, games), &error)) << error;
  std::string text;
  ASSERT_TRUE(ReadWholeTextFile(list, text));
  EXPECT_NE(
      text.find("\ng1.gam\nsub/g2.gam\n" + dir.Path("other/g3.gam") + "\n./#4.gam\n./ 5.gam\n"),
      std::string::npos)
      << text;
  std::vector<std::string> back;
  ASSERT_TRUE(testing::Done(ReadGameList(list, back), &error)) << error;
  ASSERT_EQ(back.size(), games.size());
  for (std::size_t i = 0; i < games.size(); ++i) {
    EXPECT_EQ(std::filesystem::path(back[i]).lexically_normal(), std::filesystem::path(games[i]));
  }
  // A name no list can hold leaves the list that was there alone.
  for (const char* bad : {"a\nb.gam", "trailing.gam "}) {
    EXPECT_FALSE(testing::Done(WriteGameList(list, {dir.Path(bad)}), &error)) << bad;
    EXPECT_NE(error.find("cannot be kept"), std::string::npos) << error;
  }
  back.clear();
  ASSERT_TRUE(testing::Done(ReadGameList(list, back), &error));
  EXPECT_EQ(back.size(), games.size());
}

// The one set of file-name helpers every layer uses.

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
