#include "records/csv_team.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <vector>

#include "records/codes.h"
#include "records/csv_cell.h"
#include "records/file_io.h"

namespace scorewick {
namespace {

constexpr std::size_t kMaxFieldLength = 99;
// Far more than any team carries; a file with more player lines is not a team.
constexpr int kMaxCsvPlayers = 1000;

std::string_view BatsText(std::uint8_t bats) {
  if (bats == 0) return "LH";
  if (bats == 1) return "RH";
  return "SH";
}

// Splits a line into fields: a field runs to the next comma outside double
// quotes; quote characters are then removed, except that two quotes in a
// row inside quotes stand for one quote of the text.  A field longer than 99
// characters is cut there (the rest up to its comma is skipped).
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i == line.size() || (line[i] == ',' && !quoted)) {
      fields.push_back(std::move(field));
      field.clear();
      continue;
    }
    char c = line[i];
    if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        ++i;
      } else {
        quoted = !quoted;
        continue;
      }
    }
    if (field.size() < kMaxFieldLength) field += c;
  }
  return fields;
}

std::string Field(const std::vector<std::string>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

// Leading whitespace, an optional sign and decimal digits; anything else
// reads as 0.  Values beyond the 32-bit range are clamped.
std::int64_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 32);
  }
  value = negative ? -value : value;
  return std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string TrimWhitespace(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
  return std::string(text.substr(b, e - b));
}

// The lines of the text, without their line feeds (and carriage returns,
// for files saved on Windows).
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The line (2 or 3) where the lines stop reading as the head of a team:
// the name line, a line beginning with "Manager", the column line
// beginning with "#"; 0 when they read as one.
int HeadFault(const std::vector<std::string_view>& lines) {
  if (!EqualsIgnoringCase(TrimWhitespace(Field(SplitFields(lines[1]), 0)), "Manager")) return 2;
  if (TrimWhitespace(Field(SplitFields(lines[2]), 0)) != "#") return 3;
  return 0;
}

}  // namespace

bool LooksLikeTeamCsv(std::string_view head) {
  if (head.find('\0') != std::string_view::npos) return false;
  const std::vector<std::string_view> lines = Lines(head);
  return lines.size() >= 3 && HeadFault(lines) == 0;
}

UserMessage InvalidCsvMessage() { return {"Invalid CSV Format", "Error", MessageIcon::kError}; }

std::string TeamCsvText(const Team& team) {
  std::string out;
  out += CsvCell(team.team_name.view()) + "\n";
  out += "Manager," + CsvCell(team.manager.view()) + ",Coach," + CsvCell(team.coach.view()) + "\n";
  out += "#,Name,Pos,BO,Bats,Throws,Key\n";
  for (const PLAYER& p : team.players()) {
    out += std::to_string(p.uniform_number) + "," + CsvCell(p.name.view()) + "," +
           std::string(PositionName(p.position)) + "," + std::to_string(p.batting_order) + "," +
           std::string(BatsText(p.bats)) + "," + (p.throws_right == 1 ? "RH" : "LH") + "," +
           std::to_string(p.key) + "\n";
  }
  return out;
}

Status ParseTeamCsv(std::string_view text, Team& team) {
  auto fail = [](std::size_t line, const std::string& why) {
    Status s = Status::Failed("", why);
    s.line = static_cast<int>(line);
    return s;
  };
  if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    const auto line = 1 + std::count(text.begin(), text.begin() + nul, '\n');
    return fail(line, "line " + std::to_string(line) + " holds binary data");
  }
  std::vector<std::string_view> lines = Lines(text);
  if (lines.size() < 3) {
    return fail(lines.size() + 1,
                "the text ends at line " + std::to_string(lines.size() + 1) +
                    ": a team needs a name line, a manager line and a column line");
  }

  // The team name line: its first field, at most 29 characters of the line
  // being considered.
  std::string name = CsvCellText(Field(SplitFields(lines[0].substr(0, 29)), 0));
  std::vector<std::string> staff = SplitFields(lines[1]);
  if (const int fault = HeadFault(lines); fault == 2) {
    return fail(2, "line 2 does not begin with \"Manager\"");
  } else if (fault == 3) {
    return fail(3, "line 3 is not the column line \"#,Name,Pos,BO,Bats,Throws,Key\"");
  }

  std::vector<PLAYER> players;
  std::int32_t lineup_size = 0;
  for (std::size_t i = 3; i < lines.size(); ++i) {
    // A blank line ends the team: an appended export starts its next block
    // after one.
    if (TrimWhitespace(lines[i]).empty()) break;
    if (static_cast<int>(players.size()) >= kMaxCsvPlayers) {
      return fail(i + 1, "line " + std::to_string(i + 1) + " is a player beyond the " +
                             std::to_string(kMaxCsvPlayers) + " a team may hold");
    }
    std::vector<std::string> f = SplitFields(lines[i]);
    PLAYER p;
    std::int64_t number = LeadingInteger(Field(f, 0));
    p.uniform_number = static_cast<std::int16_t>(number > 99 || number < -1 ? -1 : number);
    p.name.set(CsvCellText(Field(f, 1)));
    if (p.name.empty()) return fail(i + 1, "line " + std::to_string(i + 1) + " has no player name");
    p.position = ParsePosition(Field(f, 2));
    p.batting_order = static_cast<std::int32_t>(LeadingInteger(Field(f, 3)));
    std::string bats = TrimWhitespace(Field(f, 4));
    p.bats = EqualsIgnoringCase(bats, "LH") ? 0 : EqualsIgnoringCase(bats, "SH") ? 2 : 1;
    p.throws_right = EqualsIgnoringCase(TrimWhitespace(Field(f, 5)), "RH") ? 1 : 0;
    std::int64_t key = f.size() > 6 ? LeadingInteger(f[6]) : 0;
    p.key = static_cast<std::int16_t>(std::clamp<std::int64_t>(key, INT16_MIN, INT16_MAX));
    if (p.batting_order > 0 && std::none_of(players.begin(), players.end(), [&](const PLAYER& q) {
          return q.batting_order == p.batting_order;
        })) {
      ++lineup_size;
    }
    players.push_back(p);
  }

  team.file_path.clear();
  team.team_name.set(name);
  team.manager.set(CsvCellText(Field(staff, 1)));
  team.coach.set(CsvCellText(Field(staff, 3)));
  team.lineup_size = lineup_size;
  std::vector<PLAYER_INFO> info(players.size(), NewPlayerInfo());
  team.ClearRoster();
  for (std::size_t i = 0; i < players.size(); ++i) team.AddPlayer(players[i], info[i]);
  return {};
}

Status ImportTeamCsv(const std::string& path, Team& team) {
  std::string text;
  if (Status read = ReadWholeTextFile(path, text); !read) return read;
  Status status = ParseTeamCsv(text, team);
  if (!status) {
    status.file = path;
    status.reason = path + ": " + status.reason;
    UserMessage m = InvalidCsvMessage();
    m.text += "\n\n" + status.reason;
    status.messages.push_back(m);
  }
  return status;
}

}  // namespace scorewick
