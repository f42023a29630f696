// The commands under careless and hostile input, second round, in four
// tables: outputs (what a command reads by itself is as safe from its
// outputs as what it is given; the names one run writes never meet; a
// file-system failure is said, not thrown), links (an output folder is not
// left through a link; the drawing program is the one beside scorewick),
// and messages (each file named once and whole, names shown as typed, no
// line split by a name).  Dates are the importer's, tested with it.

#include <gtest/gtest.h>

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

// The current folder holds a game (g.gam), its home team as a team file
// (t.tem) and as a comma-separated roster (roster.csv), and the game again
// under the roster's name (roster.gam).
class HostileInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SaveGame(dir.Path("g.gam"), walk_off));
    ASSERT_TRUE(SaveGame(dir.Path("roster.gam"), walk_off));
    ASSERT_TRUE(SaveTeam(dir.Path("t.tem"), walk_off.home));
    ASSERT_TRUE(WriteTextFileAtomically("roster.csv", TeamCsvText(walk_off.home)));
  }

  testing::WorkFolder dir;
  Game walk_off = book::CompileBook(book::kWalkOff);
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
