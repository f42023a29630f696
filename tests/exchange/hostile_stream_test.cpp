// Palm team streams whose line-up size fits no roster: bytes of another
// kind under a team's tag, or a damaged size byte.

#include <gtest/gtest.h>

#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "exchange/palm_game_stream.h"
#include "exchange/palm_team_stream.h"
#include "records/file_io.h"
#include "support/full_game.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kLineupByte = 81;

Team ThreeBatters() {
  Team team;
  team.team_name.set("Gaps");
  for (int order : {1, 2, 9}) {
    team.AddPlayer(testing::MakePlayer("P" + std::to_string(order), order, 1, order),
                   PLAYER_INFO{});
  }
  return team;
}

TEST(HostileTeamStream, LineupSizeMustFitTheRoster) {
  const struct {
    Team team;
    std::int8_t lineup;
    Fault expected;
  } cases[] = {
      {testing::HomeTeam(), 9, Fault::kNone},
      {testing::HomeTeam(), 12, Fault::kNone},  // every player bats
      {ThreeBatters(), 9, Fault::kNone},        // slots up to the highest order, gaps and all
      {Team{}, 0, Fault::kNone},
      {Team{}, 9, Fault::kNone},           // a cleared roster keeps its line-up size
      {ThreeBatters(), 20, Fault::kNone},  // the most slots the roster editor offers
      {testing::HomeTeam(), 21, Fault::kDamaged},
      {testing::HomeTeam(), -1, Fault::kDamaged},
      {Team{}, 21, Fault::kDamaged},
  };
  for (const auto& c : cases) {
    Bytes stream;
    std::string error;
    ASSERT_TRUE(testing::Done(EncodePalmTeamStream(c.team, stream), &error)) << error;
    stream[kLineupByte] = static_cast<std::uint8_t>(c.lineup);
    Team back = testing::VisitingTeam();
    UserMessages messages;
    SCOPED_TRACE(std::to_string(c.lineup) + " in " + c.team.team_name.str());
    ASSERT_EQ(testing::Told(DecodePalmTeamStream(stream, back), messages, &error), c.expected);
    if (c.expected == Fault::kNone) {
      EXPECT_EQ(back.lineup_size, c.lineup);
    } else {
      EXPECT_NE(error.find("line-up size at byte 81"), std::string::npos) << error;
      EXPECT_EQ(back.count(), testing::VisitingTeam().count());  // roster left as it was
    }
  }
}

TEST(HostileTeamStream, AGameStreamRetaggedAsATeamIsRefused) {
  Bytes stream;
  std::string error;
  ASSERT_TRUE(testing::Done(WritePalmGameStream(testing::MakeFullGame(2, 2), stream), &error))
      << error;
  stream[0] = 't';
  stream[1] = 'e';
  stream[2] = 'm';
  Team team;
  UserMessages messages;
  EXPECT_EQ(testing::Told(DecodePalmTeamStream(stream, team), messages, &error), Fault::kDamaged);
  EXPECT_EQ(team.count(), 0);
}

TEST(HostileTeamStream, AVersionRefusalNamesTheDatabase) {
  TempDir dir;
  for (const bool game : {false, true}) {
    Bytes stream;
    std::string error;
    ASSERT_TRUE(
        game ? testing::Done(WritePalmGameStream(testing::MakeFullGame(1, 1), stream), &error)
             : testing::Done(EncodePalmTeamStream(testing::HomeTeam(), stream), &error));
    stream[5] = 0x03;  // version 515
    const std::string path = dir.Path(game ? "g.pdb" : "t.pdb");
    ASSERT_TRUE(WriteFileAtomically(path, EncodePalmStreamDatabase(stream, "x.pdb", 0)));
    Team team;
    Game back;
    const Status status = game ? ImportPalmGame(back, path) : ImportPalmTeam(team, path);
    ASSERT_EQ(status.messages.size(), 1u);
    EXPECT_EQ(status.messages[0].text, std::string(game ? "Palm Game" : "Palm Team") +
                                           " Version Number is Incorrect\n\n" + path);
  }
}

}  // namespace
}  // namespace scorewick
