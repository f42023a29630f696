// The list of games last saved or opened in the game chooser is kept with
// the remembered folders, across runs.

#include <gtest/gtest.h>

#include "app/core/remembered_folders.h"

namespace scorewick::app {
namespace {

TEST(RememberedGameList, KeptAcrossRuns) {
  RememberedFolders folders;
  folders.RememberFolder(FileKind::kGame, "/season");
  folders.RememberGameList("/season/home games.txt");
  folders.RememberGameList("/season/a\nb.txt");  // no line can hold it: the last one stays
  const RememberedFolders read = RememberedFolders::Parse(folders.Text());
  EXPECT_EQ(read.last_game_list(), "/season/home games.txt");
  EXPECT_EQ(read.Text(), folders.Text());
  EXPECT_TRUE(RememberedFolders::Parse("game=/season\n").last_game_list().empty());
}

}  // namespace
}  // namespace scorewick::app
