#pragma once
// The program's preferences and the settings file "scwk.ini" that keeps
// them between runs.
//
// The file is not a keyed INI file: it is forty lines, each a label and a
// value, always written and read in the same order.  Besides what this
// program uses (league rules, line-up, pitch and plot colours, HTML
// styling, the field picture folder) it carries settings of the handheld
// product family (sound, recording switches, an upload server), so that
// they survive a round trip.
//
// Colours are 0x00BBGGRR (red in the low byte).  A colour whose top byte
// is 0x80 refers to a system colour (index in the low 16 bits); it is
// written as its present RGB value.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "records/status.h"

namespace scorewick::app {

inline constexpr std::string_view kSettingsFileName = "scwk.ini";
inline constexpr std::string_view kFixedWidthFace = "Fixed Width";
inline constexpr std::string_view kVariableWidthFace = "Variable Width";

// The main window's outer rectangle in screen pixels.
struct WindowRect {
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t bottom = 0;
  std::int32_t right = 0;

  std::int32_t width() const { return right - left; }
  std::int32_t height() const { return bottom - top; }
  bool operator==(const WindowRect&) const = default;
};

// The default main window: 602 by 520 pixels in the middle of a desktop of
// the given size (halves rounded toward zero).
WindowRect DefaultWindowRect(std::int32_t desktop_width, std::int32_t desktop_height);

struct Settings {
  WindowRect window;                            // lines 1, 2
  bool sound_on = true;                         // 3
  bool record_pitch_data = true;                // 4
  bool record_hit_to_data = true;               // 5
  bool prompt_inning_advance = false;           // 6
  std::int32_t strikes_per_out = 3;             // 7
  std::int32_t balls_per_walk = 4;              // 8
  std::int32_t outs_per_inning = 3;             // 9
  std::int32_t innings_per_game = 9;            // 10
  std::uint32_t lineup_first_color = 0xC0C0C0;  // 11
  std::uint32_t lineup_highlight_color = 0xFFFF00;
  std::uint32_t lineup_second_color = 0xFFFFFF;
  std::uint32_t lineup_text_color = 0;
  std::uint32_t hit_to_line_color = 0xFF0000;  // 15
  std::uint32_t pitch_current_ball_color = 0x9696FF;
  std::uint32_t pitch_strike_ball_color = 0x80FFFF;
  std::uint32_t pitch_not_strike_ball_color = 0xFFFF80;
  std::uint32_t pitch_hit_ball_color = 0x0000FF;  // 19
  std::uint32_t html_page_bg_color = 0xDFFFFD;    // 20
  std::uint32_t html_header_color = 0x804000;
  std::uint32_t html_primary_row_color = 0xFFFFFF;
  std::uint32_t html_alternate_row_color = 0xEEEEEE;
  std::uint32_t html_font_color = 0;
  std::uint32_t html_header_font_color = 0xFFFFFF;  // 25
  std::string html_font_face{kFixedWidthFace};      // 26
  std::int32_t html_body_font_size = 3;             // 27
  std::int32_t html_header_font_size = 4;           // 28
  std::string server_name;                          // 29
  std::string user_name;                            // 30
  std::string password;                             // 31, held in clear
  std::string upload_dir;                           // 32
  std::int32_t time_delay = 60;                     // 33, seconds
  bool boxscore_frames = false;                     // 34
  std::string field_image_path;                     // 35
  bool ll_pitching_rules = false;                   // 36
  std::uint32_t display_fielders_color = 0;         // 37
  std::uint32_t display_runners_color = 0;          // 38
  bool html_use_bkground = false;                   // 39
  std::string html_bkground_image;                  // 40

  bool operator==(const Settings&) const = default;
};

// The ranges the Options dialog offers for the figures it edits; a settings
// file is held to them as it is read.
struct SettingRange {
  std::int32_t low;
  std::int32_t high;
};
struct SettingRanges {
  SettingRange strikes{1, 3};
  SettingRange balls{1, 4};
  SettingRange outs{1, 10};
  SettingRange innings{1, 9};
  SettingRange font_size{1, 20};
};
inline constexpr SettingRanges kSettingRanges;

// The six HTML colours in the order the Options dialog lists them, and
// their defaults.
inline constexpr int kHtmlColorCount = 6;
inline constexpr std::uint32_t kDefaultHtmlColors[kHtmlColorCount] = {0xDFFFFD, 0x804000, 0xFFFFFF,
                                                                      0xEEEEEE, 0x000000, 0xFFFFFF};
std::uint32_t* HtmlColor(Settings& settings, int index);

// Settings as the program starts: every default, with the window centred
// on the desktop and the field picture folder "lightfield" under
// field_folder_parent (the start folder, or where the program lies when
// the start folder has none).
Settings DefaultSettings(std::int32_t desktop_width, std::int32_t desktop_height,
                         const std::string& field_folder_parent);

// Maps a system colour index to its present 0x00BBGGRR value.
using SystemColorResolver = std::function<std::uint32_t(int index)>;
// The classic desktop palette; the desktop program passes its own.
std::uint32_t ClassicSystemColor(int index);
// A plain colour as it is; a system colour reference as its RGB value.
std::uint32_t ResolveColor(std::uint32_t color, const SystemColorResolver& resolve);

// The file's text: forty lines, each ended by a line feed, the password
// scrambled.
std::string SettingsText(const Settings& settings,
                         const SystemColorResolver& resolve = ClassicSystemColor);

// Reads a settings text over settings (which holds the defaults).  Every
// line is read whole and matched against its label: a line that does not
// match leaves its setting as it was; lines missing at the end keep their
// defaults, except the four newest lines, which take the values older
// files imply.  The league rules and font sizes are held to kSettingRanges.
// Never fails.
void ReadSettingsText(std::string_view text, Settings& settings);

// Reads <folder>/scwk.ini over settings; a missing or unreadable file
// leaves them as they are.  Only the first 1 MiB is looked at.
void LoadSettings(const std::string& folder, Settings& settings);
// Writes <folder>/scwk.ini through a temporary file and a rename, so that
// a failure never leaves half a file.  The file holds the upload password,
// so only its owner may read it.  When it cannot be written the Status
// says so ("The settings of this run could not be saved.") with the file
// and the reason; the program shows it as it ends.
Status SaveSettings(const std::string& folder, const Settings& settings,
                    const SystemColorResolver& resolve = ClassicSystemColor);

}  // namespace scorewick::app
