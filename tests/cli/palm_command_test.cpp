#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/command.h"
#include "exchange/palm_database.h"
#include "exchange/sample_game.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace scorewick::cli {
namespace {

using PalmRun = testing::CliResult;

PalmRun Palm(std::vector<std::string> args) {
  args.insert(args.begin(), "palm");
  return testing::RunCli(std::move(args));
}

PalmRun PalmIn(const TempDir& folder, std::vector<std::string> args) {
  args.insert(args.begin(), "palm");
  return testing::RunCliIn(folder.path(), std::move(args));
}

TEST(PalmCommand, GameThereAndBackWithProposedNames) {
  TempDir games, work;
  Game game = palm_testing::SampleGame(3, 3);
  ASSERT_TRUE(SaveGame(games.Path("Opener.gam"), game));

  PalmRun exported = PalmIn(work, {"export", games.Path("Opener.gam")});
  ASSERT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_EQ(exported.out, "Palm database written: Opener.pdb\n");
  EXPECT_EQ(PalmStreamKind(work.Path("Opener.pdb")), PalmKind::kGame);

  PalmRun kind = Palm({"kind", work.Path("Opener.pdb")});
  EXPECT_EQ(kind.code, kExitDone);
  EXPECT_EQ(kind.out, "game\n");

  PalmRun imported = PalmIn(work, {"import", "Opener.pdb"});
  ASSERT_EQ(imported.code, kExitDone) << imported.err;
  EXPECT_EQ(imported.out, "Game Created from Palm Database: Opener.gam\n");
  ScriptedUi ui;
  Game back;
  ASSERT_TRUE(Show(ui, LoadGame(work.Path("Opener.gam"), back)));
  EXPECT_EQ(back.header, game.header);
  EXPECT_EQ(back.innings[2].bottom.at_bats.size(), 3u);
  EXPECT_EQ(back.notes, game.notes);
}

TEST(PalmCommand, TeamFromCommaSeparatedTextAndBack) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("Tigers.csv"),
                                      "Tigers\nManager,Pat Lee,Coach,Sam Ortiz\n"
                                      "#,Name,Pos,BO,Bats,Throws,Key\n"
                                      "12,Jo Smith,Short Stop,3,RH,RH,4\n",
                                      nullptr));
  PalmRun exported = Palm({"export", dir.Path("Tigers.csv"), "-o", dir.Path("Tigers.pdb")});
  ASSERT_EQ(exported.code, kExitDone) << exported.err;
  EXPECT_EQ(Palm({"kind", dir.Path("Tigers.pdb")}).out, "team\n");

  // A chosen name without an extension gets the team's.
  PalmRun imported = Palm({"import", dir.Path("Tigers.pdb"), "-o", dir.Path("Copy")});
  ASSERT_EQ(imported.code, kExitDone) << imported.err;
  ScriptedUi ui;
  Team team;
  ASSERT_TRUE(Show(ui, LoadTeam(dir.Path("Copy.tem"), team)));
  ASSERT_EQ(team.count(), 1);
  EXPECT_EQ(team.player(0).name.view(), "Jo Smith");
  EXPECT_EQ(team.player(0).key, 0);
}

TEST(PalmCommand, RefusalsAndUsage) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("odd.pdb"), std::string(100, 'x'), nullptr));
  PalmRun neither = Palm({"kind", dir.Path("odd.pdb")});
  EXPECT_EQ(neither.code, kExitRefused);
  EXPECT_EQ(neither.out, "neither\n");
  // A file that cannot be read is an error, not a database of neither kind.
  PalmRun unread = Palm({"kind", dir.Path("none.pdb")});
  EXPECT_EQ(unread.code, kExitRefused);
  EXPECT_EQ(unread.out, "");
  EXPECT_NE(unread.err.find("none.pdb: No such file or directory"), std::string::npos)
      << unread.err;

  // A team database cut inside its block writes no team.
  Team team = palm_testing::HomeTeam();
  ASSERT_TRUE(SaveTeam(dir.Path("Hawks.tem"), team));
  ASSERT_EQ(Palm({"export", dir.Path("Hawks.tem"), "-o", dir.Path("Hawks.pdb")}).code, kExitDone);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir.Path("Hawks.pdb"), bytes, nullptr));
  bytes.resize(bytes.size() - 10);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("Cut.pdb"), bytes, nullptr));
  PalmRun cut = Palm({"import", dir.Path("Cut.pdb"), "-o", dir.Path("Cut.tem")});
  EXPECT_EQ(cut.code, kExitRefused);
  EXPECT_FALSE(FileExists(dir.Path("Cut.tem")));

  EXPECT_EQ(Palm({"export", dir.Path("Hawks.txt")}).code, kExitUsage);
  EXPECT_EQ(Palm({}).code, kExitUsage);
}

}  // namespace
}  // namespace scorewick::cli
