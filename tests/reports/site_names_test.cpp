// The names a published site shows for players: first name and last
// initial, as many more letters as keep two players of a team apart.

#include <gtest/gtest.h>

#include "reports/site/player_names.h"

namespace scorewick::site {
namespace {

struct NamesCase {
  const char* why;
  std::set<std::string> team;
  std::map<std::string, std::string> shown;
};

TEST(SiteNamesTest, InitialsStayUniqueWithinATeam) {
  const NamesCase cases[] = {
      {"one player", {"Ann Able"}, {{"Ann Able", "Ann A."}}},
      {"two first names alike",
       {"Ann Able", "Ann Adams"},
       {{"Ann Able", "Ann Ab."}, {"Ann Adams", "Ann Ad."}}},
      {"other first names need no more letters",
       {"Ann Able", "Bob Able"},
       {{"Ann Able", "Ann A."}, {"Bob Able", "Bob A."}}},
      {"a last name inside another shows whole",
       {"Ann Lee", "Ann Leeds"},
       {{"Ann Lee", "Ann Lee"}, {"Ann Leeds", "Ann Leed."}}},
      {"a suffix goes with the last name",
       {"Joe Smith Jr.", "Mary Ann Kent"},
       {{"Joe Smith Jr.", "Joe S."}, {"Mary Ann Kent", "Mary Ann K."}}},
      {"one word is a first name", {"Pele"}, {{"Pele", "Pele"}}},
      {"blanks around the words", {" Ann  Able "}, {{" Ann  Able ", "Ann A."}}},
  };
  for (const NamesCase& c : cases)
    EXPECT_EQ(ShownNames(c.team, NameMode::kInitials), c.shown) << c.why;
}

TEST(SiteNamesTest, FullNamesShowAsTheyAre) {
  EXPECT_EQ(
      ShownNames({"Ann Able", "Ann Adams"}, NameMode::kFull),
      (std::map<std::string, std::string>{{"Ann Able", "Ann Able"}, {"Ann Adams", "Ann Adams"}}));
}

TEST(SiteNamesTest, TeamsAreKeptApart) {
  PlayerNames names(NameMode::kInitials);
  names.Add("Gulls", "Ann Able");
  names.Add("Gulls", "Ann Adams");
  names.Add("Hawks", "Ann Able");
  names.Finish();
  EXPECT_EQ(names.Shown("Gulls", "Ann Able"), "Ann Ab.");
  EXPECT_EQ(names.Shown("Hawks", "Ann Able"), "Ann A.");
  EXPECT_EQ(names.Shown("Hawks", "Zed Zorro"), "Zed Z.");  // never gathered: still hidden
}

}  // namespace
}  // namespace scorewick::site
