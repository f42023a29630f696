// The chooser's rules: adding, removing, the team list and OK.
#include "stats/game_selection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/file_io.h"
#include "records/game_file.h"
#include "stats_support.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

class GameSelectionTest : public ::testing::Test {
 protected:
  std::string Save(const std::string& name, const std::string& home, const std::string& visitors) {
    Game game = testing::CompileBook(sim::testing::kWalkOff);
    game.header.list_names[0].set(home);
    game.header.list_names[1].set(visitors);
    const std::string path = dir.Path(name);
    EXPECT_TRUE(SaveGame(path, game));
    return path;
  }
  TempDir dir;
};

TEST_F(GameSelectionTest, AddRemoveAndTeams) {
  GameSelection s;
  const std::string ab1 = Save("ab1.gam", "Hawks", "Gulls");
  const std::string ab2 = Save("ab2.gam", "Gulls", "Hawks");
  const std::string ac = Save("ac.gam", "Hawks", "Owls");
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAlreadyChosen);
  // The same game under another name is the same game.
  std::filesystem::create_symlink(ab1, dir.Path("link.gam"));
  std::filesystem::create_hard_link(ab1, dir.Path("hard.gam"));
  for (const char* again : {"link.gam", "hard.gam", "./ab1.gam"}) {
    EXPECT_EQ(s.Add(dir.Path(again)), GameSelection::AddResult::kAlreadyChosen) << again;
  }
  // A file that is no game is not chosen.
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("notes.gam"), std::string(300, 'n')));
  EXPECT_EQ(s.Add(dir.Path("notes.gam")), GameSelection::AddResult::kUnreadable);
  EXPECT_EQ(s.Add(ab2), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.Add(ac), GameSelection::AddResult::kAdded);
  EXPECT_EQ(s.games().size(), 3u);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls", "Owls"}));
  s.Remove(2);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls"}));
  s.Remove(0);
  EXPECT_EQ(s.teams(), (std::vector<std::string>{"All Teams", "Hawks", "Gulls"}));

  // Taken off, a game can be chosen again.
  EXPECT_EQ(s.Add(ab1), GameSelection::AddResult::kAdded);

  GameSelection same;
  same.Add(Save("same.gam", "Hawks", "Hawks"));
  EXPECT_EQ(same.teams(), (std::vector<std::string>{"All Teams", "Hawks"}));
}

TEST_F(GameSelectionTest, PriorFormatAndPreview) {
  const std::string path = Save("old.gam", "Hawks", "Gulls");
  EXPECT_EQ(GamePreview(path), "Gulls\nvs\nHawks");
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  bytes.erase(bytes.begin(), bytes.begin() + 4);  // no version word: the header starts the file
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
  EXPECT_EQ(GamePreview(path), "Gulls\nvs\nHawks\n(Prior Version Format)");
  GameSelection s;
  UserMessage message;
  EXPECT_EQ(s.Add(path, &message), GameSelection::AddResult::kPriorFormat);
  EXPECT_EQ(message.caption, "Incompatible Game Format");
  EXPECT_EQ(message.text,
            path + "\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)");
  EXPECT_TRUE(s.games().empty());
  EXPECT_EQ(s.Add(dir.Path("missing.gam")), GameSelection::AddResult::kUnreadable);
}

TEST_F(GameSelectionTest, Finish) {
  GameSelection s;
  GameChoice stat;
  UserMessage message;
  EXPECT_EQ(s.Finish(-1, stat, &message), GameSelection::FinishResult::kNoGame);
  EXPECT_EQ(message.caption, "No Game Selected");
  EXPECT_EQ(message.text, "Must Select at least one Game to Analyze");
  s.Add(Save("a.gam", "All Teams", "Gulls"));  // a team literally named "All Teams"
  EXPECT_EQ(s.Finish(-1, stat, &message), GameSelection::FinishResult::kNoTeam);
  EXPECT_EQ(message.text, "You Must Choose a Team Name or \"All Teams\"");
  ASSERT_EQ(s.teams().size(), 3u);
  EXPECT_EQ(s.Finish(0, stat), GameSelection::FinishResult::kOk);
  EXPECT_TRUE(stat.all_teams);
  EXPECT_EQ(stat.games.size(), 1u);
  EXPECT_EQ(s.Finish(1, stat), GameSelection::FinishResult::kOk);
  EXPECT_FALSE(stat.all_teams);
  EXPECT_EQ(stat.team, "All Teams");
  EXPECT_EQ(stat.games.size(), 1u);
}

}  // namespace
}  // namespace scorewick
