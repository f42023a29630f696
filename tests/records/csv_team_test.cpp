#include "records/csv_team.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/csv_cell.h"
#include "records/file_io.h"
#include "support/full_game.h"
#include "support/packed_fields.h"
#include "support/temp_dir.h"

namespace scorewick {
namespace {

Team Parse(const std::string& text) {
  Team team;
  const Status status = ParseTeamCsv(text, team);
  EXPECT_TRUE(status) << status.reason;
  return team;
}

TEST(CsvTeam, ExportWritesTheDocumentedLines) {
  Team team;
  team.team_name.set("Dunmore Pike");
  team.manager.set("Ray Holt");
  team.coach.set("Ina Bell");
  PLAYER a = testing::MakePlayer("Kim Ash", 12, 6, 3);
  a.key = 4;
  a.bats = 2;
  PLAYER b = testing::MakePlayer("Lee Oak", -1, 0, 0);  // left-handed by its order
  b.key = 0;
  team.AddPlayer(a, PLAYER_INFO{});
  team.AddPlayer(b, PLAYER_INFO{});
  EXPECT_EQ(TeamCsvText(team),
            "Dunmore Pike\n"
            "Manager,Ray Holt,Coach,Ina Bell\n"
            "#,Name,Pos,BO,Bats,Throws,Key\n"
            "12,Kim Ash,Short Stop,3,SH,RH,4\n"
            "-1,Lee Oak,Bench,0,LH,LH,0\n");
}

TEST(CsvTeam, ExportThenImportKeepsPlayersButNotPersonalInformation) {
  Team team = testing::MakeTeam("Round Trip", 12);
  team.player(3).uniform_number = -1;
  team.player(4).name.set("Smith, Jr.");  // a comma inside a name survives
  team.info(0).phone.set("555");
  Team back = Parse(TeamCsvText(team));
  ASSERT_EQ(back.count(), team.count());
  EXPECT_TRUE(back.team_name == team.team_name && back.manager == team.manager &&
              back.coach == team.coach);
  const auto fields = [](const PLAYER& p) {
    return Fields(p.name.str(), p.uniform_number, p.position, p.batting_order,
                  p.bats > 1 ? 2 : p.bats, p.throws_right, p.key);
  };
  for (int i = 0; i < team.count(); ++i) {
    EXPECT_EQ(fields(back.player(i)), fields(team.player(i))) << i;
  }
  EXPECT_TRUE(back.info(0).phone.empty());
  EXPECT_EQ(back.lineup_size, 9);
}

TEST(CsvTeam, ImportReadsFieldsLikeAScorerTypesThem) {
  Team t = Parse(
      "Tigers\nManager,\"Al Ames\",Coach,Bo Bird\n#,Name,Pos,BO,Bats,Throws\n"
      "12,Smith,SS,3,sh,rh\n"
      "150,Jones,Catcher,4,LH,lh,9\n"
      "7,Wu,Nowhere,4,xx,RH,\n"
      "x,Diaz,Right Field,,,\n");
  ASSERT_EQ(t.count(), 4);
  EXPECT_EQ(std::tuple(t.manager.str(), t.coach.str()), std::tuple("Al Ames", "Bo Bird"));
  // Number (above 99: none), position (unknown: pitcher), order, bats, throws, key.
  const std::tuple<int, int, int, int, int, int> expected[] = {
      {12, 6, 3, 2, 1, 0}, {-1, 2, 4, 0, 0, 9}, {7, 1, 4, 1, 1, 0}, {0, 9, 0, 1, 0, 0}};
  for (int i = 0; i < 4; ++i) {
    const PLAYER& p = t.player(i);
    EXPECT_EQ(std::tuple(int{p.uniform_number}, int{p.position}, int{p.batting_order}, int{p.bats},
                         int{p.throws_right}, int{p.key}),
              expected[i])
        << i;
  }
  EXPECT_EQ(t.lineup_size, 2);  // slots 3 and 4; the second 4 adds nothing
  EXPECT_EQ(+t.info(0).birth_year, +NewPlayerInfo().birth_year);
}

TEST(CsvTeam, LongTextsAreCutAndWindowsLineEndsAccepted) {
  Team t = Parse(std::string(40, 'T') + "\r\nManager," + std::string(60, 'M') +
                 ",Coach,C\r\n#,Name\r\n1," + std::string(150, 'N') + ",P,1,RH,RH,1\r\n\r\n");
  EXPECT_EQ(t.team_name.view(), std::string(24, 'T'));
  EXPECT_EQ(t.manager.view(), std::string(24, 'M'));
  ASSERT_EQ(t.count(), 1);
  EXPECT_EQ(t.player(0).name.view(), std::string(24, 'N'));
  EXPECT_EQ(t.player(0).throws_right, 1);
}

TEST(CsvTeam, AnAppendedExportImportsItsFirstTeam) {
  Team a = testing::MakeTeam("First", 3);
  Team b = testing::MakeTeam("Second", 5);
  Team t = Parse(TeamCsvText(a) + "\n" + TeamCsvText(b));
  EXPECT_EQ(t.team_name.view(), "First");
  EXPECT_EQ(t.count(), 3);
}

TEST(CsvTeam, TextThatIsNotATeamIsRefusedNamingTheLineAndLeavesTheTeamAlone) {
  TempDir dir;
  const struct {
    std::string text;
    int line;
  } cases[] = {{"", 1},
               {"just one line\n", 2},
               {"Name\nCoach,x\n#,Name\n1,A\n", 2},
               {"Name\nManager,a,Coach,b\nnot the header\n", 3},
               {"Name\nManager,a,Coach,b\n#\n1,,SS\n", 4},
               {std::string("N\nManager\n#\n1,A\0B\n", 18), 4}};
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteTextFileAtomically(dir.Path("bad.csv"), c.text));
    Team team = testing::MakeTeam("Keep Me", 2);
    const Team before = team;
    const Status status = ImportTeamCsv(dir.Path("bad.csv"), team);
    EXPECT_EQ(std::tuple(status.ok, status.line, status.file, status.messages.size()),
              std::tuple(false, c.line, dir.Path("bad.csv"), 1u))
        << c.text;
    ASSERT_EQ(status.messages.size(), 1u);
    const std::string line = "line " + std::to_string(c.line);
    EXPECT_EQ(status.messages[0].text.rfind("Invalid CSV Format\n\n", 0), 0u);
    EXPECT_NE(status.messages[0].text.find(line), std::string::npos) << status.messages[0].text;
    EXPECT_EQ(status.messages[0].caption, "Error");
    EXPECT_EQ(team, before);
  }
  Team team;
  const Status missing = ImportTeamCsv(dir.Path("missing.csv"), team);
  EXPECT_FALSE(missing);
  EXPECT_TRUE(missing.messages.empty());
}

TEST(CsvTeam, QuotesInNamesRoundTripAndDoubledQuotesReadAsOne) {
  const struct {
    const char* field;  // as a spreadsheet writes it
    const char* name;   // as it reads
  } cases[] = {{"\"Jo \"\"Ace\"\" Smith\"", "Jo \"Ace\" Smith"},
               {"\"Oak, Lee\"", "Oak, Lee"},
               {"\"\"\"\"", "\""},
               {"Plain", "Plain"},
               // Formula characters behind an apostrophe, which reads back off.
               {"'=1+2", "=1+2"},
               {"'@SUM(A1)", "@SUM(A1)"},
               {"'-Jo", "-Jo"},
               {"'\tTab", "\tTab"},
               {"''=x", "'=x"},
               {"'Bo", "'Bo"},
               {"-12", "-12"},
               {"+1.5", "+1.5"}};
  for (const auto& c : cases) {
    Team team = Parse(std::string("T\nManager,m,Coach,c\n#,Name\n1,") + c.field + ",SS,1\n");
    ASSERT_EQ(team.count(), 1) << c.field;
    EXPECT_EQ(team.players()[0].name.str(), c.name) << c.field;
    EXPECT_NE(TeamCsvText(team).find(std::string("\n1,") + c.field + ","), std::string::npos)
        << TeamCsvText(team);
  }
  Team team = testing::MakeTeam("The \"Pikes\", Dunmore", 2);
  team.player(0).name.set("Kim \"Bat\" Ash");
  Team back = Parse(TeamCsvText(team));
  EXPECT_EQ(back.team_name.str(), team.team_name.str());
  EXPECT_EQ(back.players()[0].name.str(), "Kim \"Bat\" Ash");
}

// Every cell the program writes: numbers as they are, formulas neutralised,
// commas, quotes and line ends quoted.
TEST(CsvTeam, CellsAreNeutralisedAndQuotedAsSpreadsheetsNeedThem) {
  const struct {
    std::string text;
    std::string cell;
  } cases[] = {{"Jo", "Jo"},
               {"-3", "-3"},
               {"+0.5", "+0.5"},
               {"-", "'-"},
               {"=A1", "'=A1"},
               {"@x", "'@x"},
               {"\tx", "'\tx"},
               {"\rx", "\"'\rx\""},
               {"a,b", "\"a,b\""},
               {"a\nb", "\"a\nb\""},
               {"=\"a\"", "\"'=\"\"a\"\"\""},
               {"'=a", "''=a"},
               {"", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(CsvCell(c.text), c.cell) << c.text;
    EXPECT_EQ(QuotedCsvCell(c.text).front(), '"');
    // What the cell holds between its quotes reads back as the text.
    std::string inner = c.cell;
    if (!inner.empty() && inner.front() == '"') inner = inner.substr(1, inner.size() - 2);
    std::string unquoted;
    for (std::size_t i = 0; i < inner.size(); ++i) {
      unquoted += inner[i];
      if (inner[i] == '"') ++i;
    }
    EXPECT_EQ(CsvCellText(unquoted), c.text) << c.text;
  }
}

TEST(CsvTeam, ReadingSetsTheLineupSizeRatherThanAddingToIt) {
  Team team = testing::MakeTeam("Old", 9);
  team.lineup_size = 9;
  ASSERT_TRUE(ParseTeamCsv("T\nManager,m,Coach,c\n#\n1,A,SS,1\n2,B,C,2\n3,C,P,0\n", team));
  EXPECT_EQ(team.lineup_size, 2);
}

}  // namespace
}  // namespace scorewick
