#include "app/core/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <tuple>

#include "app/core/password_scramble.h"
#include "app/core/remembered_folders.h"
#include "app/core/session.h"
#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "support/data_file.h"
#include "support/packed_fields.h"
#include "support/temp_dir.h"

namespace scorewick::app {
namespace {

// A start folder without a settings file has the defaults, which are the
// forty labelled lines of the golden file.
TEST(SettingsFile, DefaultsWithoutAFileAreTheFortyLinesOfTheGoldenFile) {
  TempDir temp;
  Settings s = DefaultSettings(1024, 768, "/start");
  LoadSettings(temp.path().string(), s);
  EXPECT_EQ(s, DefaultSettings(1024, 768, "/start"));
  testing::ExpectGolden(SettingsText(s), "default_scwk.ini");
  Settings read = DefaultSettings(640, 480, "/elsewhere");
  ReadSettingsText(SettingsText(s), read);
  EXPECT_EQ(read, s);
  // The window opens in the middle of the desktop; odd sizes round toward zero.
  EXPECT_EQ(Fields(s.window.width(), s.window.height()), std::tuple(602, 520));
  EXPECT_EQ(DefaultWindowRect(1023, 767), (WindowRect{123, 210, 643, 812}));
}

TEST(SettingsFile, OlderFileThatStopsAfterLine36) {
  Settings written = DefaultSettings(800, 600, "/start");
  written.display_fielders_color = 0x123456;
  written.display_runners_color = 0x654321;
  written.html_use_bkground = true;
  written.html_bkground_image = "grass.jpg";
  written.ll_pitching_rules = true;
  std::string text = SettingsText(written);
  std::size_t end = 0;
  for (int i = 0; i < 36; ++i) end = text.find('\n', end) + 1;
  text.resize(end);

  Settings s = written;  // whatever was held before is overruled
  ReadSettingsText(text, s);
  EXPECT_EQ(std::tuple(s.ll_pitching_rules, s.display_fielders_color, s.display_runners_color,
                       s.html_use_bkground, s.html_bkground_image),
            std::tuple(true, 0x404080u, 0u, false, std::string()));

  // A present but empty file takes the same values for the newest lines
  // and keeps every other default.
  Settings empty = DefaultSettings(800, 600, "/start");
  ReadSettingsText("", empty);
  EXPECT_EQ(empty.display_fielders_color, 0x404080u);
  EXPECT_EQ(empty.strikes_per_out, 3);
}

TEST(SettingsFile, WordSettingsKeepTheirFirstWord) {
  Settings written = DefaultSettings(800, 600, "/start");
  written.server_name = "scores example.org";
  Settings s = DefaultSettings(800, 600, "/start");
  ReadSettingsText(SettingsText(written), s);
  EXPECT_EQ(s.server_name, "scores");
  EXPECT_EQ(s.user_name, "");  // an empty word leaves the default
}

TEST(SettingsFile, SaveThenLoadKeepsEveryValue) {
  TempDir temp;
  const auto dir = temp.path();
  Settings s = DefaultSettings(800, 600, "/start");
  s.window = {-10, 20, 700, 1300};
  s.sound_on = false;
  s.record_pitch_data = false;
  s.record_hit_to_data = false;
  s.prompt_inning_advance = true;
  s.strikes_per_out = 2;
  s.balls_per_walk = 3;
  s.outs_per_inning = 7;
  s.innings_per_game = 6;
  std::uint32_t color = 0x010203;
  for (std::uint32_t* c :
       {&s.lineup_first_color, &s.lineup_highlight_color, &s.lineup_second_color,
        &s.lineup_text_color, &s.hit_to_line_color, &s.pitch_current_ball_color,
        &s.pitch_strike_ball_color, &s.pitch_not_strike_ball_color, &s.pitch_hit_ball_color,
        &s.html_page_bg_color, &s.html_header_color, &s.html_primary_row_color,
        &s.html_alternate_row_color, &s.html_font_color, &s.html_header_font_color,
        &s.display_fielders_color, &s.display_runners_color}) {
    *c = color;
    color += 0x0F0E0D;
  }
  s.html_font_face = "Liberation Sans Narrow";
  s.html_body_font_size = 12;
  s.html_header_font_size = 20;
  s.server_name = "upload.example.org";
  s.user_name = "scorer";
  // Every character of the substitution table, both halves of each pair: a
  // pair sharing a character with another would not come back.  No blank is
  // written, which would end the word when read.
  s.password.clear();
  for (const ScramblePair& pair : kScrambleTable) {
    s.password += pair.first;
    s.password += pair.second;
    EXPECT_GT(static_cast<unsigned char>(pair.first), 0x20);
    EXPECT_GT(static_cast<unsigned char>(pair.second), 0x20);
  }
  s.upload_dir = "/season/2004";
  s.time_delay = 300;
  s.boxscore_frames = true;
  s.field_image_path = "/home/scorer/a folder with blanks/" + std::string(80, 'f');
  s.ll_pitching_rules = true;
  s.html_use_bkground = true;
  s.html_bkground_image = "/pictures/infield dirt.png";
  ASSERT_TRUE(SaveSettings(dir.string(), s));

  std::string text;
  ASSERT_TRUE(ReadWholeTextFile((dir / "scwk.ini").string(), text));
  EXPECT_EQ(text.find(s.password), std::string::npos) << "the password is stored scrambled";

  Settings loaded = DefaultSettings(1600, 1200, "/elsewhere");
  LoadSettings(dir.string(), loaded);
  EXPECT_EQ(loaded, s);
}

TEST(SettingsFile, SystemColoursAreWrittenAsTheirPresentValue) {
  Settings s = DefaultSettings(800, 600, "/start");
  s.html_header_color = 0x80000005;  // the window colour
  const std::string text = SettingsText(s, [](int index) { return index == 5 ? 0x00ABCDEFu : 0u; });
  EXPECT_NE(text.find("HTML Header Color: 11259375\n"), std::string::npos);
  Settings loaded = DefaultSettings(800, 600, "/start");
  ReadSettingsText(text, loaded);
  EXPECT_EQ(loaded.html_header_color, 0x00ABCDEFu);
}

TEST(SettingsFile, DamagedFilesLoadWhatTheyCan) {
  const Settings defaults = DefaultSettings(800, 600, "/start");
  std::string text = SettingsText(defaults);
  // Line 7 from another program, line 8 overlong, line 9 with a number too
  // large for its setting, binary bytes in line 10, and line 26 too short.
  auto replace_line = [&text](int line, const std::string& with) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = text.find('\n', start) + 1;
    text.replace(start, text.find('\n', start) - start, with);
  };
  replace_line(7, "Strikes: 2");
  replace_line(8, "Balls Per Walk: 2" + std::string(5000, ' ') + "junk");
  replace_line(9, "Outs Per Inning: 99999999999");
  replace_line(10, std::string("Innings\0\xff\x01 Per Game: 7", 22));
  replace_line(26, "HTML Font");
  replace_line(35, "Field Image Path: /fields/" + std::string(300, 'x'));
  Settings s = defaults;
  ReadSettingsText(text, s);
  // The long path is kept whole and the lines after it are still in place.
  EXPECT_EQ(std::tuple(s.strikes_per_out, s.balls_per_walk, s.outs_per_inning, s.innings_per_game,
                       s.html_font_face, s.field_image_path, s.display_fielders_color,
                       s.html_use_bkground),
            std::tuple(3, 2, 3, 9, std::string("Fixed Width"), "/fields/" + std::string(300, 'x'),
                       0u, false));

  // Pure garbage: nothing matches, nothing breaks.
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  Settings g = defaults;
  ReadSettingsText(garbage, g);
  EXPECT_EQ(g.strikes_per_out, 3);
  EXPECT_EQ(g.window, defaults.window);
}

// A hand-edited file holds the league rules and font sizes to the ranges
// the Options dialog offers: innings pitched divide by the outs per inning.
TEST(SettingsFile, FiguresAreHeldToTheRangesTheDialogOffers) {
  const struct {
    const char* line;
    std::int32_t Settings::*field;
    std::int32_t read;
  } cases[] = {
      {"Outs Per Inning: 1073741824", &Settings::outs_per_inning, 10},
      {"Outs Per Inning: 0", &Settings::outs_per_inning, 1},
      {"Strikes Per Out: -4", &Settings::strikes_per_out, 1},
      {"Balls Per Walk: 9", &Settings::balls_per_walk, 4},
      {"Innings Per Game: 12", &Settings::innings_per_game, 9},
      {"HTML Body Font Size: 2000", &Settings::html_body_font_size, 20},
      {"Outs Per Inning: 5", &Settings::outs_per_inning, 5},
  };
  for (const auto& c : cases) {
    const Settings defaults;
    std::string text = SettingsText(defaults);
    const std::string label = std::string(c.line).substr(0, std::string(c.line).find(':'));
    const std::size_t at = text.find(label);
    text.replace(at, text.find('\n', at) - at, c.line);
    Settings s = defaults;
    ReadSettingsText(text, s);
    EXPECT_EQ(s.*c.field, c.read) << c.line;
  }
}

TEST(SettingsFile, AFailedSaveSaysWhereAndWhy) {
  const Status status = SaveSettings("/nonexistent/folder/for/scorewick", Settings{});
  ASSERT_EQ(status.messages.size(), 1u);
  EXPECT_NE(status.messages[0].text.find("/nonexistent/folder/for/scorewick/scwk.ini"),
            std::string::npos)
      << status.messages[0].text;
  EXPECT_NE(status.messages[0].text.find("No such file or directory"), std::string::npos);
}

TEST(SettingsFile, AFifoInPlaceOfTheFileIsNotWaitedOn) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.Path("scwk.ini").c_str(), 0600), 0);
  Settings s;
  s.strikes_per_out = 2;
  LoadSettings(dir.path().string(), s);  // returns at once, the defaults kept
  EXPECT_EQ(s.strikes_per_out, 2);
}

TEST(SettingsFile, TheFileHoldingThePasswordIsReadableByItsOwnerOnly) {
  TempDir dir;
  const mode_t old_mask = ::umask(022);
  ASSERT_TRUE(SaveSettings(dir.path().string(), Settings{}));
  ::umask(old_mask);
  EXPECT_EQ(std::filesystem::status(dir.Path("scwk.ini")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// The folders the file dialogs start in: by kind, across runs through the
// file beside the settings, and the start folder for one that has gone.
TEST(RememberedFolders, KeptByKindAcrossRuns) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("teams"));
  std::filesystem::create_directories(dir.Path("gone"));
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
  ASSERT_TRUE(ReadWholeTextFile(dir.Path("scwk-folders.ini"), text));
  EXPECT_EQ(text, "team=" + dir.Path("teams") + "\nexport=" + dir.Path("gone") + "\n");

  // The next run: a folder that has vanished falls back to the start folder.
  std::filesystem::remove(dir.Path("gone"));
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

// The list of games last saved or opened in the game chooser is kept with
// the folders.
TEST(RememberedFolders, TheLastGameListIsKeptWithThem) {
  RememberedFolders folders;
  folders.RememberFolder(FileKind::kGame, "/season");
  folders.RememberGameList("/season/home games.txt");
  folders.RememberGameList("/season/a\nb.txt");  // no line can hold it: the last one stays
  const RememberedFolders read = RememberedFolders::Parse(folders.Text());
  EXPECT_EQ(read.last_game_list(), "/season/home games.txt");
  EXPECT_EQ(read.Text(), folders.Text());
  EXPECT_TRUE(RememberedFolders::Parse("game=/season\n").last_game_list().empty());
}

}  // namespace
}  // namespace scorewick::app
