// Roster editing rules: the four sort orders and their flipping
// directions, and the checks when the editor's changes are accepted.

#include "records/roster_edit.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/codes.h"
#include "support/packed_fields.h"

namespace scorewick {
namespace {

PLAYER P(const char* name, int number, int position, int order) {
  PLAYER p;
  p.name.set(name);
  p.uniform_number = static_cast<std::int16_t>(number);
  p.position = position;
  p.batting_order = order;
  return p;
}

Team Roster5() {
  Team team;
  const PLAYER players[] = {P("dave", 4, kPosCatcher, 0), P("Bob", -1, kPosPitcher, 2),
                            P("Cal", 12, kPosShortStop, 1), P("Abe", 0, kPosBench, 0),
                            P("Eve", 7, kPosFirst, 3)};
  for (const PLAYER& p : players) {
    PLAYER_INFO info;
    info.note.set(std::string("note of ") + p.name.str());
    team.AddPlayer(p, info);
  }
  return team;
}

std::vector<std::string> Names(const Roster& roster) {
  std::vector<std::string> names;
  for (const PLAYER& p : roster.players()) names.push_back(p.name.str());
  return names;
}

int ByteCompare(std::string_view a, std::string_view b) { return a.compare(b); }

TEST(RosterSortTest, EachOrderAndItsFlip) {
  using V = std::vector<std::string>;
  struct Case {
    RosterSortKey key;
    V first, second;
  };
  const Case cases[] = {
      // Byte order stands in for the locale here: case-sensitive, capitals first.
      {RosterSortKey::kName, V{"Abe", "Bob", "Cal", "Eve", "dave"},
       V{"dave", "Eve", "Cal", "Bob", "Abe"}},
      // Batting order: not batting (0) stays last either way, in roster order.
      {RosterSortKey::kBattingOrder, V{"Cal", "Bob", "Eve", "dave", "Abe"},
       V{"Eve", "Bob", "Cal", "dave", "Abe"}},
      // Uniform number: none (-1, "00") first, then lowest to highest.
      {RosterSortKey::kUniformNumber, V{"Bob", "Abe", "dave", "Eve", "Cal"},
       V{"Cal", "Eve", "dave", "Abe", "Bob"}},
      {RosterSortKey::kPosition, V{"Abe", "Bob", "dave", "Eve", "Cal"},
       V{"Cal", "Eve", "dave", "Bob", "Abe"}},
  };
  for (const Case& c : cases) {
    Team team = Roster5();
    RosterSorter sorter;
    EXPECT_TRUE(sorter.next_forward(c.key));
    sorter.Sort(team, c.key, ByteCompare);
    EXPECT_EQ(Names(team), c.first) << static_cast<int>(c.key);
    EXPECT_FALSE(sorter.next_forward(c.key));
    sorter.Sort(team, c.key, ByteCompare);
    EXPECT_EQ(Names(team), c.second) << static_cast<int>(c.key);
    sorter.Sort(team, c.key, ByteCompare);
    EXPECT_EQ(Names(team), c.first) << static_cast<int>(c.key);
    // Each player keeps his personal information.
    for (int i = 0; i < team.count(); ++i) {
      EXPECT_EQ(team.info(i).note.str(), "note of " + team.player(i).name.str());
    }
  }
}

TEST(RosterSortTest, DirectionsAreKeptPerOrder) {
  Team team = Roster5();
  RosterSorter sorter;
  sorter.Sort(team, RosterSortKey::kName, ByteCompare);
  sorter.Sort(team, RosterSortKey::kPosition, ByteCompare);
  EXPECT_EQ(std::tuple(sorter.next_forward(RosterSortKey::kName),
                       sorter.next_forward(RosterSortKey::kPosition),
                       sorter.next_forward(RosterSortKey::kBattingOrder),
                       sorter.next_forward(RosterSortKey::kUniformNumber)),
            std::tuple(false, false, true, true));
}

TEST(AcceptRosterEditTest, DuplicateSlotIsRefusedWithItsOrdinal) {
  Team team = Roster5();
  team.player(0).batting_order = 3;  // dave joins Eve in slot 3
  team.player(3).batting_order = 2;  // and Abe joins Bob in 2: the first is named
  const Team before = team;
  std::optional<UserMessage> refused = AcceptRosterEdit(team, {});
  EXPECT_EQ(refused,
            (UserMessage{"Can't save lineup.  2nd position in batting order is duplicated.",
                         "Duplicate Batting Orders Assigned", MessageIcon::kExclamation}));
  EXPECT_EQ(team, before);
  team.player(3).batting_order = 0;
  EXPECT_EQ(AcceptRosterEdit(team, {})->text,
            "Can't save lineup.  3rd position in batting order is duplicated.");
}

TEST(AcceptRosterEditTest, LineupSizeIsTheHighestOrder) {
  Team team = Roster5();
  team.player(4).batting_order = 9;  // gaps below 9 do not matter
  EXPECT_FALSE(AcceptRosterEdit(team, {}));
  EXPECT_EQ(team.lineup_size, 9);
}

TEST(AcceptRosterEditTest, DesignatedHitter) {
  Team team = Roster5();
  DhChoice dh;
  dh.designated_hitter = "Gone";
  dh.bats_for = team.player(1);
  const Team before = team;
  std::optional<UserMessage> refused = AcceptRosterEdit(team, dh);
  ASSERT_TRUE(refused);
  EXPECT_EQ(std::tuple(refused->text, refused->caption),
            std::tuple("DH not in Roster. Reselect DH or select No DH", "Problem with DH"));
  EXPECT_EQ(team, before);

  dh.designated_hitter = "Cal";
  EXPECT_FALSE(AcceptRosterEdit(team, dh));
  EXPECT_EQ(std::tuple(team.uses_designated_hitter, team.designated_hitter.name.str(),
                       team.dh_bats_for.name.str()),
            std::tuple(1, "Cal", "Bob"));

  // "No DH" empties both records.
  EXPECT_FALSE(AcceptRosterEdit(team, DhChoice{}));
  EXPECT_EQ(Fields(team.uses_designated_hitter, team.designated_hitter.name.str(),
                   team.dh_bats_for.name.str(), team.designated_hitter.position,
                   team.dh_bats_for.position),
            std::tuple(0, "", "", 0, 0));
}

}  // namespace
}  // namespace scorewick
