#include "app/core/settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <vector>

#include "app/core/password_scramble.h"
#include "records/file_io.h"

namespace scorewick::app {
namespace {

constexpr std::size_t kMaxSettingsBytes = std::size_t{1} << 20;
constexpr std::uint32_t kOldFileFieldersColor = 0x404080;

// How one line's value is written and read.
enum class Kind {
  kTopLeft,      // "%d,%d": top, left
  kBottomRight,  // "%d,%d": bottom, right
  kFlag,         // "%d", any non-zero value is on
  kInt,          // "%d"
  kColor,        // "%u"
  kWord,         // "%s": one word
  kRest,         // the rest of the line after the label
};

struct Line {
  std::string_view label;
  Kind kind;
  bool Settings::*flag = nullptr;
  std::int32_t Settings::*integer = nullptr;
  std::uint32_t Settings::*color = nullptr;
  std::string Settings::*text = nullptr;
};

constexpr Line Flag(std::string_view label, bool Settings::*m) {
  return {label, Kind::kFlag, m, nullptr, nullptr, nullptr};
}
constexpr Line Int(std::string_view label, std::int32_t Settings::*m) {
  return {label, Kind::kInt, nullptr, m, nullptr, nullptr};
}
constexpr Line Color(std::string_view label, std::uint32_t Settings::*m) {
  return {label, Kind::kColor, nullptr, nullptr, m, nullptr};
}
constexpr Line Text(std::string_view label, Kind kind, std::string Settings::*m) {
  return {label, kind, nullptr, nullptr, nullptr, m};
}

// The forty lines in file order.  The label spacing of the first two lines
// is part of the format.
const std::array<Line, 40> kLines = {{
    {"Top, Left       : ", Kind::kTopLeft},
    {"Bottom, Right   : ", Kind::kBottomRight},
    Flag("Sound Is On: ", &Settings::sound_on),
    Flag("Record Pitch Data: ", &Settings::record_pitch_data),
    Flag("Record 'Hit To' Data: ", &Settings::record_hit_to_data),
    Flag("Prompt for Inning Advance: ", &Settings::prompt_inning_advance),
    Int("Strikes Per Out: ", &Settings::strikes_per_out),
    Int("Balls Per Walk: ", &Settings::balls_per_walk),
    Int("Outs Per Inning: ", &Settings::outs_per_inning),
    Int("Innings Per Game: ", &Settings::innings_per_game),
    Color("Lineup 1st Player Bkgd Color: ", &Settings::lineup_first_color),
    Color("Lineup Highlight Color: ", &Settings::lineup_highlight_color),
    Color("Lineup 2nd Player Bkgd Color: ", &Settings::lineup_second_color),
    Color("Lineup Text Color: ", &Settings::lineup_text_color),
    Color("Hit To Line Color: ", &Settings::hit_to_line_color),
    Color("Pitch Data Current Ball Color: ", &Settings::pitch_current_ball_color),
    Color("Pitch Data Strike Ball Color: ", &Settings::pitch_strike_ball_color),
    Color("Pitch Data Not Strike Ball Color: ", &Settings::pitch_not_strike_ball_color),
    Color("Pitch Data Hit Ball Color: ", &Settings::pitch_hit_ball_color),
    Color("HTML Page BG Color: ", &Settings::html_page_bg_color),
    Color("HTML Header Color: ", &Settings::html_header_color),
    Color("HTML Primary Row Color: ", &Settings::html_primary_row_color),
    Color("HTML Alternate Row Color: ", &Settings::html_alternate_row_color),
    Color("HTML Font Color: ", &Settings::html_font_color),
    Color("HTML Header Font Color: ", &Settings::html_header_font_color),
    Text("HTML Font Face Name: ", Kind::kRest, &Settings::html_font_face),
    Int("HTML Body Font Size: ", &Settings::html_body_font_size),
    Int("HTML Header Font Size: ", &Settings::html_header_font_size),
    Text("Server Name: ", Kind::kWord, &Settings::server_name),
    Text("User Name: ", Kind::kWord, &Settings::user_name),
    Text("Password: ", Kind::kWord, &Settings::password),
    Text("Upload Dir: ", Kind::kWord, &Settings::upload_dir),
    Int("Time Delay: ", &Settings::time_delay),
    Flag("Boxscore Frames: ", &Settings::boxscore_frames),
    Text("Field Image Path: ", Kind::kRest, &Settings::field_image_path),
    Flag("LL Pitching Rules: ", &Settings::ll_pitching_rules),
    Color("Display Fielders Color: ", &Settings::display_fielders_color),
    Color("Display Runners Color: ", &Settings::display_runners_color),
    Flag("HTML Use Bkground: ", &Settings::html_use_bkground),
    Text("HTML Bkground Image: ", Kind::kRest, &Settings::html_bkground_image),
}};

constexpr std::size_t kPasswordLine = 30;  // 0-based index of "Password: "

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A line scanned the way a formatted scan reads it: a blank in the label
// matches any run of blanks (or none), every other character itself.
class LineScanner {
 public:
  explicit LineScanner(std::string_view line) : line_(line) {}

  bool Label(std::string_view label) {
    for (char c : label) {
      if (IsBlank(c)) {
        SkipBlanks();
      } else if (pos_ < line_.size() && line_[pos_] == c) {
        ++pos_;
      } else {
        return false;
      }
    }
    return true;
  }

  bool Literal(char c) {
    if (pos_ >= line_.size() || line_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // A signed decimal that fits 32 bits; out of range is no match.
  bool Int(std::int32_t& value) {
    std::int64_t v = 0;
    if (!Number(v) || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
      return false;
    }
    value = static_cast<std::int32_t>(v);
    return true;
  }

  // An unsigned decimal; like the C scan, a minus sign wraps around.
  bool Unsigned(std::uint32_t& value) {
    std::int64_t v = 0;
    if (!Number(v) || v > std::numeric_limits<std::uint32_t>::max() ||
        v < -static_cast<std::int64_t>(std::numeric_limits<std::uint32_t>::max())) {
      return false;
    }
    value = static_cast<std::uint32_t>(v);
    return true;
  }

  bool Word(std::string& value) {
    SkipBlanks();
    std::size_t start = pos_;
    while (pos_ < line_.size() && !IsBlank(line_[pos_])) ++pos_;
    if (pos_ == start) return false;
    value.assign(line_.substr(start, pos_ - start));
    return true;
  }

 private:
  void SkipBlanks() {
    while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
  }

  bool Number(std::int64_t& value) {
    SkipBlanks();
    bool negative = false;
    if (pos_ < line_.size() && (line_[pos_] == '+' || line_[pos_] == '-')) {
      negative = line_[pos_] == '-';
      ++pos_;
    }
    std::size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] >= '0' && line_[pos_] <= '9') ++pos_;
    if (pos_ == start || pos_ - start > 12) return false;
    std::int64_t v = 0;
    std::from_chars(line_.data() + start, line_.data() + pos_, v);
    value = negative ? -v : v;
    return true;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
};

// Splits text into lines at line feeds; a carriage return before the line
// feed (a file edited elsewhere) is dropped.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < kLines.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

// Text values are C strings in the file's world: a stray zero byte ends them.
std::string UpToZero(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

void ReadLine(const Line& row, std::string_view line, Settings& s) {
  if (row.kind == Kind::kRest) {
    // The rest of the line after the exact label, as typed.
    if (line.substr(0, row.label.size()) == row.label) {
      s.*row.text = UpToZero(line.substr(row.label.size()));
    }
    return;
  }
  LineScanner scan(line);
  if (!scan.Label(row.label)) return;
  switch (row.kind) {
    case Kind::kTopLeft:
    case Kind::kBottomRight: {
      std::int32_t a = 0, b = 0;
      if (!scan.Int(a) || !scan.Literal(',') || !scan.Int(b)) return;
      if (row.kind == Kind::kTopLeft) {
        s.window.top = a;
        s.window.left = b;
      } else {
        s.window.bottom = a;
        s.window.right = b;
      }
      return;
    }
    case Kind::kFlag: {
      std::int32_t v = 0;
      if (scan.Int(v)) s.*row.flag = v != 0;
      return;
    }
    case Kind::kInt:
      scan.Int(s.*row.integer);
      return;
    case Kind::kColor:
      scan.Unsigned(s.*row.color);
      return;
    case Kind::kWord: {
      std::string word;
      if (scan.Word(word)) s.*row.text = UpToZero(word);
      return;
    }
    case Kind::kRest:
      return;
  }
}

// A line break inside a text value would shift every later line.
std::string OneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return out;
}

}  // namespace

WindowRect DefaultWindowRect(std::int32_t desktop_width, std::int32_t desktop_height) {
  const std::int32_t half_width = desktop_width / 2;
  const std::int32_t half_height = desktop_height / 2;
  return {half_height - 260, half_width - 301, half_height + 260, half_width + 301};
}

std::uint32_t* HtmlColor(Settings& s, int index) {
  switch (index) {
    case 0:
      return &s.html_page_bg_color;
    case 1:
      return &s.html_header_color;
    case 2:
      return &s.html_primary_row_color;
    case 3:
      return &s.html_alternate_row_color;
    case 4:
      return &s.html_font_color;
    case 5:
      return &s.html_header_font_color;
    default:
      return nullptr;
  }
}

Settings DefaultSettings(std::int32_t desktop_width, std::int32_t desktop_height,
                         const std::string& field_folder_parent) {
  Settings s;
  s.window = DefaultWindowRect(desktop_width, desktop_height);
  s.field_image_path = field_folder_parent + "/lightfield";
  return s;
}

std::uint32_t ClassicSystemColor(int index) {
  // The classic three-dimensional desktop palette, 0x00BBGGRR.
  static constexpr std::uint32_t kPalette[] = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xF0F0F0};
  if (index < 0 || index >= static_cast<int>(std::size(kPalette))) return 0;
  return kPalette[index];
}

std::uint32_t ResolveColor(std::uint32_t color, const SystemColorResolver& resolve) {
  if ((color >> 24) == 0x80) return resolve(static_cast<int>(color & 0xFFFF)) & 0xFFFFFF;
  return color;
}

std::string SettingsText(const Settings& s, const SystemColorResolver& resolve) {
  std::string out;
  out.reserve(1500);
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    const Line& row = kLines[i];
    out += row.label;
    switch (row.kind) {
      case Kind::kTopLeft:
        out += std::to_string(s.window.top) + "," + std::to_string(s.window.left);
        break;
      case Kind::kBottomRight:
        out += std::to_string(s.window.bottom) + "," + std::to_string(s.window.right);
        break;
      case Kind::kFlag:
        out += (s.*row.flag) ? '1' : '0';
        break;
      case Kind::kInt:
        out += std::to_string(s.*row.integer);
        break;
      case Kind::kColor:
        out += std::to_string(ResolveColor(s.*row.color, resolve));
        break;
      case Kind::kWord:
      case Kind::kRest: {
        std::string value = OneLine(s.*row.text);
        if (i == kPasswordLine) ScramblePassword(value);
        out += value;
        break;
      }
    }
    out += '\n';
  }
  return out;
}

void ReadSettingsText(std::string_view text, Settings& s) {
  s.html_font_face = std::string(kFixedWidthFace);
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ReadLine(kLines[i], lines[i], s);
    if (i == kPasswordLine) ScramblePassword(s.password);
  }
  // Held to what the Options dialog allows: a hand-edited 0 or a huge
  // figure would otherwise reach every division and product of the counts.
  s.strikes_per_out =
      std::clamp(s.strikes_per_out, kSettingRanges.strikes.low, kSettingRanges.strikes.high);
  s.balls_per_walk =
      std::clamp(s.balls_per_walk, kSettingRanges.balls.low, kSettingRanges.balls.high);
  s.outs_per_inning =
      std::clamp(s.outs_per_inning, kSettingRanges.outs.low, kSettingRanges.outs.high);
  s.innings_per_game =
      std::clamp(s.innings_per_game, kSettingRanges.innings.low, kSettingRanges.innings.high);
  s.html_body_font_size = std::clamp(s.html_body_font_size, kSettingRanges.font_size.low,
                                     kSettingRanges.font_size.high);
  s.html_header_font_size = std::clamp(s.html_header_font_size, kSettingRanges.font_size.low,
                                       kSettingRanges.font_size.high);
  // Lines that older versions did not write.
  if (lines.size() < 37) s.display_fielders_color = kOldFileFieldersColor;
  if (lines.size() < 38) s.display_runners_color = 0;
  if (lines.size() < 39) s.html_use_bkground = false;
  if (lines.size() < 40) s.html_bkground_image.clear();
}

void LoadSettings(const std::string& folder, Settings& s) {
  std::vector<std::uint8_t> bytes;
  const std::string path = folder + "/" + std::string(kSettingsFileName);
  if (!FileExists(path) || !ReadFilePrefix(path, kMaxSettingsBytes, bytes)) return;
  ReadSettingsText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), s);
}

Status SaveSettings(const std::string& folder, const Settings& s,
                    const SystemColorResolver& resolve) {
  const std::string path = folder + "/" + std::string(kSettingsFileName);
  Status saved = WriteTextFileAtomically(path, SettingsText(s, resolve), FileAccess::kOwnerOnly);
  if (saved) return saved;
  return Status::Refused(path,
                         {"The settings of this run could not be saved.\n\n" + saved.reason,
                          "Scorewick", MessageIcon::kExclamation},
                         saved.reason);
}

}  // namespace scorewick::app
