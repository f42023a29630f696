// The folders the file dialogs start in: by kind, across runs through the
// file beside the settings, and the start folder for one that has gone.

#include "app/core/remembered_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/core/session.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "support/temp_dir.h"

namespace scorewick::app {
namespace {

namespace fs = std::filesystem;

TEST(RememberedFolders, KeptByKindAcrossRuns) {
  TempDir dir;
  fs::create_directories(dir.Path("teams"));
  fs::create_directories(dir.Path("gone"));
  Session session = StartSession(dir.Path(""), dir.Path(""), 800, 600);
  ScriptedUi ui;
  ui.file_answers.push_back(FileChoice{dir.Path("teams/hawks.tem"), 1});
  ui.file_answers.push_back(FileChoice{dir.Path("gone/box.htm"), 1});
  ui.file_answers.push_back(std::nullopt);  // cancelled: nothing remembered
  ChooseFileToOpen(session, ui, FileKind::kTeam, {});
  ChooseFileToSave(session, ui, FileKind::kExport, {});
  ChooseFileToSave(session, ui, FileKind::kPdf, {});
  EXPECT_EQ(ui.file_requests[0].initial_folder, dir.Path(""));  // nothing remembered yet
  ASSERT_TRUE(SaveRememberedFolders(session.start_folder, session.folders).ok);
  std::string text;
  ASSERT_TRUE(ReadWholeTextFile(dir.Path("scwk-folders.ini"), text, nullptr));
  EXPECT_EQ(text, "team=" + dir.Path("teams") + "\nexport=" + dir.Path("gone") + "\n");

  // The next run: a folder that has vanished falls back to the start folder.
  fs::remove(dir.Path("gone"));
  Session next = StartSession(dir.Path(""), dir.Path(""), 800, 600);
  EXPECT_EQ(next.folders.For(FileKind::kTeam, "start"), dir.Path("teams"));
  EXPECT_EQ(next.folders.For(FileKind::kExport, "start"), "start");
  EXPECT_EQ(next.folders.For(FileKind::kGame, "start"), "start");
}

TEST(RememberedFolders, ParseSkipsWhatItDoesNotKnow) {
  TempDir dir;
  const RememberedFolders folders =
      RememberedFolders::Parse("# note\r\nlogo=" + dir.Path("") + "\r\nsettings=/x\nteam\n");
  EXPECT_EQ(folders.Text(), "logo=" + dir.Path("") + "\n");
}

}  // namespace
}  // namespace scorewick::app
