// A team or game file of another version is refused with the program's
// words first, then the file and the version word it holds.

#include <gtest/gtest.h>

#include "records/file_io.h"
#include "records/game_file.h"
#include "records/le_bytes.h"
#include "records/team_file.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

TEST(RefusalNames, OtherVersionsNameTheFileAndTheWord) {
  TempDir dir;
  std::vector<std::uint8_t> team_bytes = EncodeTeamFile(Team{});
  std::vector<std::uint8_t> game_bytes;
  EncodeGameFile(Game{}, game_bytes);
  le::StoreI32(team_bytes.data(), 100);
  le::StoreI32(game_bytes.data(), 1024);
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.tem"), team_bytes));
  ASSERT_TRUE(WriteFileAtomically(dir.Path("old.gam"), game_bytes));

  Team team;
  Game game;
  const struct {
    Status status;
    std::string expected;
  } cases[] = {
      {LoadTeam(dir.Path("old.tem"), team),
       "Invalid Team File\n\n" + dir.Path("old.tem") +
           ": the version word is 100, not 512 to 768 as in a team file"},
      {LoadGame(dir.Path("old.gam"), game),
       "Invalid Game File Version #\n\n" + dir.Path("old.gam") +
           ": the version word is 1024, not 512 or 768 as in a game file"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.status.ok);
    ASSERT_EQ(c.status.messages.size(), 1u) << c.expected;
    EXPECT_EQ(c.status.messages[0].text, c.expected);
    EXPECT_NE(c.status.reason.find("the version word is"), std::string::npos) << c.status.reason;
  }
}

}  // namespace
}  // namespace scorewick
