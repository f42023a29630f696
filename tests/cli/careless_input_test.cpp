// The commands under careless and hostile input.  First round, the report
// commands (stats, box, print, plot): nothing is written over an input, a
// folder, a device or a pipe; nothing is counted twice or under the wrong
// name; what reaches a spreadsheet or a terminal cannot act there.  Second
// round, every command, in four tables: outputs (what a command reads by
// itself is as safe from its outputs as what it is given; the names one
// run writes never meet; a file-system failure is said, not thrown), links
// (an output folder is not left through a link; the drawing program is
// the one beside scorewick), and messages (each file named once and whole,
// names shown as typed, no line split by a name).  Dates are the
// importer's, tested with it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/drawing.h"
#include "interop/retro_book.h"
#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "support/book_games.h"
#include "support/pdf_pages.h"
#include "support/run_cli.h"
#include "support/work_folder.h"

namespace scorewick::cli {
namespace {

using scorewick::testing::CliResult;
using scorewick::testing::ReadText;
using scorewick::testing::RunCli;
namespace fs = std::filesystem;
namespace book = sim::testing;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// A folder with two scored games and a team, made the current folder (the
// settings and layouts come from there).
class CarelessInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SaveGame(dir.Path("g.gam"), walk_off));
    Game changes = book::CompileBook(book::kChanges);
    ASSERT_TRUE(SaveGame(dir.Path("c.gam"), changes));
    ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), walk_off.home));
  }

  // The walk-off game with one of its names changed, saved as name.
  std::string GameNaming(const std::string& name, const std::string& player) {
    Game game = walk_off;
    for (INNING& inning : game.innings) {
      for (AT_BAT& ab : inning.bottom.at_bats) {
        if (ab.batter.name.view() == "Jo Jett") ab.batter.name.set(player);
      }
    }
    game.home.team_name.set(player);
    EXPECT_TRUE(SaveGame(dir.Path(name), game));
    return name;
  }

  testing::WorkFolder dir;
  Game walk_off = book::CompileBook(book::kWalkOff);
};

TEST_F(CarelessInputTest, AFileNameThatReadsAsAnOptionGetsAHint) {
  ASSERT_TRUE(SaveTeam(dir.Path("-x.tem"), walk_off.home));
  const struct {
    std::vector<std::string> args;
    int code;
    bool hint;
  } cases[] = {
      {{"inspect", "-x.tem"}, 2, true},   {{"convert", "-x.tem", "out.csv"}, 2, true},
      {{"inspect", "-y.tem"}, 2, true},  // no such file, but named like one
      {{"inspect", "--bogus"}, 2, false}, {{"inspect", "--", "-x.tem"}, 0, false},
  };
  for (const auto& c : cases) {
    const auto r = testing::RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.back() << r.err;
    EXPECT_EQ(Has(r.err, "to name a file that begins with '-', put -- before it"), c.hint) << r.err;
  }
}

// An output that cannot be written is said once, however many files the
// command writes.
TEST_F(CarelessInputTest, AnOutputThatCannotBeWrittenIsSaidOnce) {
  const std::string out = dir.Path("none/out");
  const std::vector<std::string> commands[] = {
      {"box", "g.gam", "--format", "html", "-o", out + ".html"},
      {"box", "g.gam", "--format", "frames", "-o", out + ".html"},
      {"stats", "g.gam", "--all-teams", "-o", out + ".csv"},
      {"convert", "t.tem", out + ".csv"},
  };
  for (const auto& args : commands) {
    const auto r = testing::RunCli(args);
    EXPECT_EQ(r.code, 1) << args[0] << r.err;
    const std::size_t first = r.err.find("cannot write");
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("cannot write", first + 1), std::string::npos) << r.err;
  }
}

// Items 1 to 3, 9 and 10: every command that writes passes one output
// check before the first byte; what it refuses is left as it was.
TEST_F(CarelessInputTest, OutputsThatAreInputsNodesOrSidePagesAreRefused) {
  ASSERT_EQ(::mkfifo("fifo", 0644), 0);
  ASSERT_EQ(::mknod("null", S_IFCHR | 0666, ::makedev(1, 3)), 0);
  ASSERT_TRUE(SaveGame(dir.Path("x_score.htm"), walk_off));  // a game under a side page's name
  ASSERT_TRUE(WriteTextFileAtomically("old.pdf", "%PDF-1.4 old"));
  const struct {
    std::vector<std::string> args;
    int code;
    std::vector<std::string> kept;  // files that must come through as they were
    std::string said;
  } cases[] = {
      {{"plot", "spray", "g.gam", "--pdf", "g.gam"}, 1, {"g.gam"}, "--force"},
      {{"plot", "pitches", "g.gam", "--png", "t.tem"}, 1, {"t.tem"}, "--force"},
      {{"plot", "spray", "g.gam", "--png", "fifo", "--force"}, 1, {}, "not a file"},
      {{"stats", "g.gam", "--all-teams", "-o", "fifo", "--force"}, 1, {}, "not a file"},
      {{"box", "g.gam", "--format", "csv", "-o", "null", "--force"}, 1, {}, "not a file"},
      {{"print", "blank", "--pdf", "null", "--force"}, 1, {}, "not a file"},
      {{"team", "export", "t.tem", "--csv", "fifo", "--force"}, 1, {}, "not a file"},
      {{"box", "g.gam", "--format", "html", "-o", "."}, 1, {}, "a folder"},
      {{"box", "g.gam", "--format", "frames", "-o", "x.htm"}, 1, {"x_score.htm"}, "x_score.htm"},
      {{"stats", "g.gam", "--all-teams", "--format", "pdf", "--append", "-o", "old.pdf"},
       2,
       {"old.pdf"},
       "cannot be appended"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> before;
    for (const std::string& f : c.kept) before.push_back(ReadText(f));
    const CliResult r = testing::RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[0] << " " << c.args.back() << r.err;
    EXPECT_TRUE(Has(r.err, c.said)) << r.err;
    for (std::size_t i = 0; i < c.kept.size(); ++i) EXPECT_EQ(ReadText(c.kept[i]), before[i]);
  }
  EXPECT_TRUE(fs::is_fifo("fifo"));
  EXPECT_TRUE(fs::is_character_file("null"));
  EXPECT_FALSE(fs::exists("x.htm"));
  EXPECT_FALSE(fs::exists("x_summary.htm"));
  // Asked for, a plot replaces a file of another kind.
  EXPECT_EQ(testing::RunCli({"plot", "pitches", "g.gam", "--png", "t.tem", "--force"}).code, 0);
}

TEST_F(CarelessInputTest, ALayoutThatHidesEveryColumnWritesNothing) {
  std::string hidden;
  for (int i = 0; i < 60; ++i) hidden += "0, 100, Center\n";
  ASSERT_TRUE(WriteTextFileAtomically("blayout.bsl", hidden));
  for (const char* format : {"csv", "text", "pdf"}) {
    const CliResult r =
        testing::RunCli({"stats", "g.gam", "--all-teams", "--format", format, "-o", "out"});
    EXPECT_EQ(r.code, 1) << format;
    EXPECT_TRUE(Has(r.err, "blayout.bsl hides every column")) << r.err;
    EXPECT_FALSE(fs::exists("out"));
  }
}

// Item 12: a pipe where the field picture should be is not waited on.
TEST_F(CarelessInputTest, AFieldPictureThatIsAPipeIsNotWaitedOn) {
  fs::create_directories("field");
  ASSERT_EQ(::mkfifo("field/FieldNoBags.bmp", 0644), 0);
  std::string ini;
  for (int line = 1; line <= 40; ++line) {
    ini += line == 35 ? "Field Image Path: " + dir.Path("field") + "\n" : "\n";
  }
  ASSERT_TRUE(WriteTextFileAtomically("scwk.ini", ini));
  const CliResult r = testing::RunCli({"plot", "spray", "g.gam", "--png", "spray.png"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_GT(fs::file_size("spray.png"), 1000u);
}

// Items 6 to 8: the games given are taken in as the chooser takes them.
TEST_F(CarelessInputTest, GameListsCountEachGameOnceAndNameWhatIsLeftOut) {
  ASSERT_TRUE(WriteTextFileAtomically("notes.txt", "my notes\n"));
  ASSERT_TRUE(WriteFileAtomically("zeros.gam", std::vector<std::uint8_t>(4096, 0)));
  ASSERT_TRUE(WriteTextFileAtomically("empty.gam", ""));
  fs::create_symlink("g.gam", "link.gam");
  const CliResult r = testing::RunCli({"stats", "g.gam", "./g.gam", "link.gam", "notes.txt",
                                       "zeros.gam", "empty.gam", "--team", "Hawks"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\nJo Jett,Hawks,1,")) << r.out;  // one game played, not three
  for (const char* said :
       {"./g.gam is g.gam again: counted once", "link.gam is g.gam again: counted once",
        "notes.txt left out: not a game file", "zeros.gam left out: not a game file",
        "empty.gam left out: the file is empty"}) {
    EXPECT_TRUE(Has(r.err, said)) << said << "\n" << r.err;
  }
  EXPECT_FALSE(Has(r.err, "\\n")) << r.err;

  const CliResult plotted = testing::RunCli({"plot", "spray", "g.gam", "./g.gam", "--points"});
  ASSERT_EQ(plotted.code, 0) << plotted.err;
  EXPECT_TRUE(Has(plotted.out, "(3 balls)")) << plotted.out;  // the game's three, once
}

TEST_F(CarelessInputTest, ATeamIsMatchedAsTheWindowsMatchItOrRefused) {
  GameNaming("accent.gam",
             "\xC9quipe Montr\xE9"
             "al");  // code page 1252
  const struct {
    std::string team;
    int code;
    std::string said;
  } cases[] = {
      {"\xC3\x89quipe Montr\xC3\xA9"
       "al",
       0, ""},  // typed in UTF-8
      {"Nobody", 1, "no team \"Nobody\" in these games"},
      {"hawks", 1, "no team \"hawks\""},
  };
  for (const auto& c : cases) {
    const CliResult r = testing::RunCli({"stats", "accent.gam", "g.gam", "--team", c.team});
    EXPECT_EQ(r.code, c.code) << c.team << r.err;
    EXPECT_TRUE(Has(r.err, c.said)) << r.err;
    if (c.code == 0) {
      EXPECT_TRUE(Has(r.out, "TEAM TOTALS,,1,")) << r.out;
    }
  }
}

// Items 4 and 5: cells a spreadsheet would run as formulas are neutralised,
// and a name holding a line feed stays in its row, in every CSV written.
TEST_F(CarelessInputTest, CommaSeparatedOutputsCarryNoFormulas) {
  const std::string game = GameNaming("formula.gam", "=HYPERLINK(\"x\")\n");
  Team team = walk_off.home;
  team.team_name.set("@SUM(A1)");
  team.player(0).name.set("-2+3");
  ASSERT_TRUE(SaveTeam("formula.tem", team));
  const struct {
    std::vector<std::string> args;
    std::string out;
    std::string want;
  } cases[] = {
      {{"stats", game, "--all-teams", "-o", "s.csv"}, "s.csv", "\"'=HYPERLINK(\"\"x\"\")\n\","},
      {{"box", game, "--format", "csv", "-o", "b.csv"}, "b.csv", "\"'=HYPERLINK(\"\"x\"\")\n"},
      {{"team", "export", "formula.tem", "--csv", "t.csv"}, "t.csv", "'@SUM(A1)\n"},
      {{"team", "addresses", "formula.tem", "--csv", "a.csv"}, "a.csv", "\n'-2+3,"},
  };
  for (const auto& c : cases) {
    const CliResult r = testing::RunCli(c.args);
    ASSERT_EQ(r.code, 0) << c.args[0] << r.err;
    const std::string text = ReadText(c.out);
    EXPECT_TRUE(Has(text, c.want)) << c.out << "\n" << text;
    EXPECT_FALSE(Has(text, "\n=")) << text;
    EXPECT_FALSE(Has(text, ",=")) << text;
  }
  // The team file's text reads back as the same team.
  Team back;
  ASSERT_TRUE(LoadTeam("t.csv", back));
  EXPECT_EQ(back.team_name.str(), "@SUM(A1)");
  EXPECT_EQ(back.player(0).name.str(), "-2+3");
}

// Item 14: text for reading is UTF-8 with every control visible, whatever
// the records hold.
TEST_F(CarelessInputTest, TextOnTheTerminalIsUtf8AndShowsItsControls) {
  const std::string game = GameNaming("odd.gam",
                                      "Caf\xE9 \x9B"
                                      "2J\\\x9D"
                                      "x\ny");
  const struct {
    std::vector<std::string> args;
  } cases[] = {{{"stats", game, "--all-teams", "--format", "text"}}, {{"box", game}}};
  for (const auto& c : cases) {
    const CliResult r = testing::RunCli(c.args);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Has(r.out,
                    "Caf\xC3\xA9 \xE2\x80\xBA"
                    "2J\\\\\\u009dx\\ny"))
        << c.args[0];
    EXPECT_FALSE(Has(r.out,
                     "\x9B"
                     "2J"))
        << c.args[0];
  }
  // Read on the terminal, a name is escaped; as a file's content piped
  // elsewhere, it is left as it is.
  const std::string escape = GameNaming("escape.gam", "Ha\x1b[2Jwks");
  for (const char* format : {"text", "csv"}) {
    const CliResult r = testing::RunCli({"stats", escape, "--all-teams", "--format", format});
    ASSERT_EQ(r.code, 0) << r.err;
    const bool to_read = std::string(format) == "text";
    EXPECT_EQ(Has(r.out, "Ha\\x1b[2Jwks"), to_read) << format;
    EXPECT_EQ(!Has(r.out, "\x1b"), to_read) << format;
  }
  const CliResult sorted = testing::RunCli({"stats", game, "--all-teams", "--sort", "\x1b[2J"});
  EXPECT_EQ(sorted.code, 2);
  EXPECT_TRUE(Has(sorted.err, "\\x1b[2J")) << sorted.err;
  const CliResult typed =
      testing::RunCli({"plot", "pitches", game, "--type", "\x1b]0;x", "--summary"});
  EXPECT_TRUE(Has(typed.err, "\\x1b]0;x")) << typed.err;
  // A file name in UTF-8 is shown once, as it is.
  ASSERT_TRUE(WriteTextFileAtomically("\xC3\xA9t\xC3\xA9.gam", ""));
  const CliResult named =
      testing::RunCli({"plot", "spray", "g.gam", "\xC3\xA9t\xC3\xA9.gam", "--points"});
  EXPECT_TRUE(Has(named.err, "\xC3\xA9t\xC3\xA9.gam left out")) << named.err;
}

// Item 15 and missing inputs: the file's name and the system's reason with
// status 1, in every command that reads a file.
TEST_F(CarelessInputTest, InputsThatCannotBeReadGiveTheSystemsReason) {
  fs::create_directories("folder.gam");
  fs::create_symlink("loop.gam", "loop.gam");
  for (const char* input : {"none.gam", "folder.gam", "loop.gam"}) {
    const std::string in = input;
    const std::vector<std::string> commands[] = {
        {"box", in},
        {"print", "game", in, "--pdf", "x.pdf"},
        {"print", "roster", in, "--pdf", "x.pdf"},
        {"print", "addresses", in, "--pdf", "x.pdf"},
        {"team", "export", in, "--csv", "x.csv"},
        {"team", "addresses", in, "--csv", "x.csv"},
        {"inspect", in},
        {"convert", in, "x.gam"},
        {"palm", "export", in, "-o", "x.pdb"},
        {"palm", "install", in},
        {"palm", "import", in},
        {"stats", in, "--all-teams"},
        {"plot", "spray", in, "--points"},
    };
    const std::string reason = in == "none.gam"     ? "No such file or directory"
                               : in == "folder.gam" ? "a folder"
                                                    : "Too many levels of symbolic links";
    for (const auto& args : commands) {
      const CliResult r = testing::RunCli(args);
      EXPECT_EQ(r.code, 1) << args[0] << " " << args[1] << " " << in;
      EXPECT_TRUE(Has(r.err, in) && Has(r.err, reason)) << args[0] << ": " << r.err;
    }
  }
  EXPECT_FALSE(fs::exists("x.pdf") || fs::exists("x.csv") || fs::exists("x.gam"));
}

TEST_F(CarelessInputTest, ACountOfInningsPerPageIsADecimalNumber) {
  for (const char* columns : {"0x0F", "4.5", "0", "16", " 3"}) {
    EXPECT_EQ(
        testing::RunCli({"print", "game", "g.gam", "--columns", columns, "--pdf", "x.pdf"}).code, 2)
        << columns;
  }
  EXPECT_FALSE(fs::exists("x.pdf"));
  EXPECT_EQ(testing::RunCli({"print", "game", "g.gam", "--columns", "15", "--pdf", "x.pdf"}).code,
            0);
}

// The first round's folder, with the home team also as a comma-separated
// roster (roster.csv) and the game again under its name (roster.gam).
class HostileInputTest : public CarelessInputTest {
 protected:
  void SetUp() override {
    CarelessInputTest::SetUp();
    ASSERT_TRUE(SaveGame(dir.Path("roster.gam"), walk_off));
    ASSERT_TRUE(WriteTextFileAtomically("roster.csv", TeamCsvText(walk_off.home)));
  }
};

// Outputs: the files a command reads by itself (settings, layouts, rules,
// lists) and a roster of any form are inputs of the output check; a file
// of the folder's own that is not there yet is not made by a report either.
TEST_F(HostileInputTest, OutputsLeaveWhatTheCommandsReadAsItWas) {
  ASSERT_TRUE(WriteTextFileAtomically("workload.txt", "1-20 0\n21+ 1\n"));
  ASSERT_TRUE(WriteTextFileAtomically("scwk.ini", "\n"));
  ASSERT_TRUE(WriteTextFileAtomically("blayout.bsl", "1, 100, Center\n"));
  ASSERT_TRUE(WriteTextFileAtomically("list.txt", "g.gam\n"));
  const struct {
    std::vector<std::string> args;
    std::string kept;  // comes through as it was (or stays away)
    std::string said;
  } cases[] = {
      {{"workload", "g.gam", "--team", "Hawks", "-o", "workload.txt"},
       "workload.txt",
       "the pitch-count rules (workload.txt)"},
      {{"stats", "g.gam", "--all-teams", "-o", "scwk.ini"}, "scwk.ini", "the settings (scwk.ini)"},
      {{"stats", "g.gam", "--all-teams", "-o", "./blayout.bsl"}, "blayout.bsl", "batting layout"},
      {{"stats", "g.gam", "--all-teams", "-o", "scwk-stats.ini"}, "scwk-stats.ini", "qualifiers"},
      {{"stats", "--games-from", "list.txt", "--all-teams", "-o", "list.txt"},
       "list.txt",
       "is the input list.txt"},
      {{"stats", "g.gam", "--all-teams", "-o", "roster.csv"},
       "roster.csv",
       "already holds a comma-separated team file"},
      {{"log", "g.gam", "--player", "Jo Jett", "--format", "csv", "-o", "roster.csv"},
       "roster.csv",
       "already holds a comma-separated team file"},
      {{"box", "roster.gam", "--format", "csv", "--out-dir", "."},
       "roster.csv",
       "already holds a comma-separated team file"},
  };
  for (const auto& c : cases) {
    const bool there = FileExists(c.kept);
    const std::string before = there ? ReadText(c.kept) : "";
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.code, 1) << c.args[0] << " -o " << c.kept << "\n" << r.err;
    EXPECT_TRUE(Has(r.err, c.said) && Has(r.err, "--force")) << r.err;
    EXPECT_EQ(FileExists(c.kept), there) << c.kept;
    if (there) {
      EXPECT_EQ(ReadText(c.kept), before) << c.kept;
    }
  }
  // A roster is replaced by a roster, and anything by --force.
  EXPECT_EQ(RunCli({"team", "export", "t.tem", "--csv", "roster.csv"}).code, 0);
  EXPECT_EQ(RunCli({"stats", "g.gam", "--all-teams", "-o", "list.txt", "--force"}).code, 0);
}

// Outputs: a side page of one game is another game's frameset page; the
// first game in the list keeps the name, however many threads write.
TEST_F(HostileInputTest, NamesWrittenInOneRunNeverMeet) {
  ASSERT_TRUE(SaveGame(dir.Path("x.gam"), walk_off));
  ASSERT_TRUE(SaveGame(dir.Path("x_score.gam"), walk_off));
  for (const char* threads : {"1", "2"}) {
    fs::remove_all("out");
    const CliResult r = RunCli({"box", "x.gam", "x_score.gam", "--format", "frames", "--out-dir",
                                "out", "--threads", threads});
    EXPECT_EQ(r.code, 1) << threads;
    EXPECT_TRUE(Has(r.err,
                    "x_score.gam left out: its box score would go to out/x_score.htm, "
                    "where that of x.gam goes"))
        << r.err;
    EXPECT_FALSE(Has(ReadText("out/x_score.htm"), "<FRAMESET")) << threads;
    EXPECT_FALSE(FileExists("out/x_score_score.htm")) << threads;
    EXPECT_TRUE(FileExists("out/x_summary.htm")) << threads;
  }
}

// Outputs: a folder that cannot be made or entered is said with the
// system's reason, in every form (a link that loops stands for a folder
// the person may not enter, which root enters anyway).
TEST_F(HostileInputTest, AFolderThatCannotBeEnteredIsSaidNotThrown) {
  fs::create_symlink("loop", "loop");
  for (const char* form : {"text", "pdf"}) {
    const CliResult r = RunCli({"box", "g.gam", "--format", form, "--out-dir", "loop/boxes"});
    EXPECT_EQ(r.code, 1) << form;
    EXPECT_TRUE(Has(r.err, "cannot make the folder loop/boxes: Too many levels of symbolic links"))
        << r.err;
  }
}

// Links: inside an output folder a link is not written through out of the
// folder, nor to a file it would make; the import counts a link that leads
// nowhere as a file already there.
TEST_F(HostileInputTest, LinksInAnOutputFolderAreNotFollowedOutOfIt) {
  fs::create_directories("elsewhere");
  fs::create_directories("out");
  ASSERT_TRUE(WriteTextFileAtomically("elsewhere/victim.htm", "<p>mine</p>\n"));
  fs::create_symlink("../elsewhere/victim.htm", "out/g.htm");
  fs::create_symlink("../elsewhere/none.htm", "out/roster.htm");
  for (const char* force : {"--threads=1", "--force"}) {
    const CliResult r =
        RunCli({"box", "g.gam", "roster.gam", "--format", "html", "--out-dir", "out", force});
    EXPECT_EQ(r.code, 1) << force;
    EXPECT_EQ(Count(r.err, "a link in it is not followed out of it"), 1) << r.err;
    EXPECT_EQ(Count(r.err, "which is not there"), 1) << r.err;
    EXPECT_EQ(ReadText("elsewhere/victim.htm"), "<p>mine</p>\n");
    EXPECT_FALSE(fs::exists("elsewhere/none.htm"));
  }

  const std::string events =
      interop::testing::BookSeason(dir, {"info,innings,1\ng1 K\ng2 K\ng3 K\nh1 X HR/8/F"});
  fs::create_symlink("../elsewhere/GUL.tem", "out/GUL.tem");
  CliResult r = RunCli({"import", "retrosheet", events, "-o", "out"});
  EXPECT_TRUE(Has(r.err, "GUL.tem is already there (a link that leads nowhere): kept as it is"))
      << r.err;
  r = RunCli({"import", "retrosheet", events, "-o", "out", "--force"});
  EXPECT_TRUE(Has(r.err, "GUL.tem is a link to ../elsewhere/GUL.tem, which is not there")) << r.err;
  EXPECT_FALSE(fs::exists("elsewhere/GUL.tem"));
  EXPECT_TRUE(FileExists("out/HAW.tem"));
}

// Links: the drawing program is the one beside the running scorewick (as
// /proc/self/exe names it), never one looked for in the current folder.
TEST_F(HostileInputTest, TheDrawingProgramIsFoundBesideTheProgramOrNotAtAll) {
  fs::create_directories("bin");
  ASSERT_TRUE(WriteTextFileAtomically("bin/scorewick", ""));
  fs::create_symlink(dir.Path("bin/scorewick"), "self");
  fs::path program;
  EXPECT_TRUE(DrawingProgramBeside(dir.Path("self"), program));
  EXPECT_EQ(program, fs::path(dir.Path("bin/scorewick-desktop")));
  const Status gone = DrawingProgramBeside(dir.Path("gone"), program);
  EXPECT_FALSE(gone);
  EXPECT_TRUE(Has(gone.reason, "No such file or directory")) << gone.reason;
  fs::create_symlink("bin/scorewick", "relative");
  EXPECT_FALSE(DrawingProgramBeside(dir.Path("relative"), program));
}

// Messages: a file is named once and whole, with the system's reason and
// status 1; a name the code page lacks is shown as typed; a file that
// holds no game is refused as a junk one is; a list naming one game a
// thousand times says so in a few lines.
TEST_F(HostileInputTest, MessagesNameEachFileOnceWholeAndAsTyped) {
  ASSERT_TRUE(WriteTextFileAtomically("big.gam", ""));
  fs::resize_file("big.gam", kMaxInputFileSize + 1);
  ASSERT_TRUE(WriteTextFileAtomically("empty.EVN", ""));
  fs::create_symlink("loop", "loop");
  const std::string eagle = "\xF0\x9F\xA6\x85";  // typed in UTF-8, with no code-page form
  const struct {
    std::vector<std::string> args;
    int code;
    std::string said;
  } cases[] = {
      {{"stats", "a", "--all-teams"}, 1, "scorewick: a left out: cannot open: No such file or"},
      {{"stats", "big.gam", "--all-teams"},
       1,
       "scorewick: big.gam left out: the file is too large (67108865 bytes)\n"},
      {{"import", "retrosheet", "loop/x.EVN"},
       1,
       "scorewick: x.EVN: cannot open: Too many levels of symbolic links\n"},
      {{"import", "retrosheet", "empty.EVN"}, 1, "scorewick: empty.EVN: no game here"},
      {{"stats", "g.gam", "--team", eagle}, 1, "no team \"" + eagle + "\""},
      {{"log", "g.gam", "--player", eagle}, 1, "no player \"" + eagle + "\""},
      {{"workload", "g.gam", "--team", eagle}, 1, "no team \"" + eagle + "\""},
      {{"box", "g.gam", "--team", eagle, "--home"}, 1, "no team \"" + eagle + "\""},
      {{"stats", "g.gam", "--all-teams", "--opponent", eagle}, 1, "no opponent \"" + eagle + "\""},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[0] << " " << c.args[1] << r.err;
    EXPECT_TRUE(Has(r.err, c.said)) << r.err;
  }

  std::string list;
  for (int i = 0; i < 1000; ++i) list += "g.gam\n";
  ASSERT_TRUE(WriteTextFileAtomically("list.txt", list));
  const CliResult r = RunCli({"stats", "--games-from", "list.txt", "--all-teams"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_LE(Count(r.err, "\n"), 12) << r.err;
  EXPECT_TRUE(Has(r.err, "and 989 more names of games named before: each counted once")) << r.err;
}

// Messages: a name holding a line feed stays on its line in every text
// file; a file name shows on a page as the system spells it.
TEST_F(HostileInputTest, NamesCannotSplitALineNorTurnIntoOtherLetters) {
  Game split = walk_off;
  split.visitor.team_name.set("Gulls\nof the Bay");
  ASSERT_TRUE(SaveGame(dir.Path("split.gam"), split));
  const std::vector<std::string> commands[] = {
      {"box", "split.gam", "-o", "box.txt"},
      {"box", "split.gam", "--out-dir", "boxes"},
      {"stats", "split.gam", "--all-teams", "--format", "text", "-o", "stats.txt"},
      {"log", "split.gam", "--player", "Jo Jett", "-o", "log.txt"},
  };
  const char* files[] = {"box.txt", "boxes/split.txt", "stats.txt", "log.txt"};
  for (std::size_t i = 0; i < std::size(files); ++i) {
    ASSERT_EQ(RunCli(commands[i]).code, 0) << files[i];
    const std::string text = ReadText(files[i]);
    EXPECT_TRUE(Has(text, "Gulls\\nof the Bay")) << files[i] << "\n" << text;
    EXPECT_FALSE(Has(text, "\nof the Bay")) << files[i] << "\n" << text;
  }

  const std::string accented = "\xC3\xA9t\xC3\xA9.gam";  // été.gam, as the system names it
  ASSERT_TRUE(SaveGame(dir.Path(accented), walk_off));
  ASSERT_EQ(RunCli({"plot", "spray", accented, "--pdf", "spray.pdf"}).code, 0);
  const std::string page = testing::PdfFirstPageText("spray.pdf");
  EXPECT_TRUE(Has(page, accented)) << page;
  EXPECT_FALSE(Has(page, "\xC3\x83\xC2\xA9")) << page;  // é read as two code-page letters
}

}  // namespace
}  // namespace scorewick::cli
