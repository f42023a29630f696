#include "stats/game_choice.h"

#include <charconv>
#include <filesystem>

#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/game_list_file.h"

namespace scorewick {
namespace {

constexpr std::string_view kMark = "#: ";

bool Keepable(const std::string& name) { return name.find_first_of("\r\n") == std::string::npos; }

void Line(std::string& out, std::string_view key, const std::string& value) {
  if (value.empty() || !Keepable(value)) return;
  out += kMark;
  out += key;
  out += ' ';
  out += value;
  out += '\n';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string GameChoiceLines(const GameChoice& choice) {
  std::string out;
  if (choice.all_teams) {
    out += std::string(kMark) + "all-teams\n";
  } else {
    Line(out, "team", choice.team);
  }
  const GameFilter& filter = choice.filter;
  if (filter.from) Line(out, "from", CalendarDayText(*filter.from));
  if (filter.to) Line(out, "to", CalendarDayText(*filter.to));
  Line(out, "filter-team", filter.team);
  if (filter.ground != Ground::kAny)
    Line(out, "ground", filter.ground == Ground::kHome ? "home" : "away");
  Line(out, "opponent", filter.opponent);
  if (filter.last > 0) Line(out, "last", std::to_string(filter.last));
  return out;
}

void ReadGameChoiceLines(std::string_view text, GameChoice& choice) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.starts_with(kMark)) continue;
    line = Trimmed(line.substr(kMark.size()));
    const std::size_t gap = line.find(' ');
    const std::string_view key = line.substr(0, gap);
    const std::string value(gap == std::string_view::npos ? "" : Trimmed(line.substr(gap + 1)));
    GameFilter& filter = choice.filter;
    if (key == "all-teams") {
      choice.all_teams = true;
      choice.team.clear();
    } else if (key == "team" && !value.empty()) {
      choice.team = value;
      choice.all_teams = false;
    } else if (key == "from" || key == "to") {
      if (const auto day = ParseCalendarDay(value)) (key == "from" ? filter.from : filter.to) = day;
    } else if (key == "filter-team") {
      filter.team = value;
    } else if (key == "ground" && (value == "home" || value == "away")) {
      filter.ground = value == "home" ? Ground::kHome : Ground::kAway;
    } else if (key == "opponent") {
      filter.opponent = value;
    } else if (key == "last") {
      int last = 0;
      const auto [at, ec] = std::from_chars(value.data(), value.data() + value.size(), last);
      if (ec == std::errc() && at == value.data() + value.size() && last > 0) filter.last = last;
    }
  }
}

Status WriteGameChoice(const std::string& path, const GameChoice& choice) {
  std::string text;
  if (Status listed = GameListText(choice.games, path, text); !listed) return listed;
  // After the list's own first comment line.
  const std::size_t first = text.find('\n') + 1;
  text.insert(first, GameChoiceLines(choice));
  return WriteTextFileAtomically(path, text);
}

Status ReadGameChoice(const std::string& path, GameChoice& choice) {
  std::string text;
  if (Status read = ReadWholeTextFile(path, text); !read) return read;
  GameChoice read;
  Status parsed =
      ParseGameList(text, std::filesystem::path(path).parent_path().string(), read.games);
  if (!parsed) {
    parsed.file = path;
    parsed.reason = path + ": " + parsed.reason;
    return parsed;
  }
  ReadGameChoiceLines(text, read);
  choice = std::move(read);
  return {};
}

std::string DescribeFilter(const GameFilter& filter) {
  std::string out;
  const auto part = [&out](const std::string& text) {
    if (!out.empty()) out += ", ";
    out += text;
  };
  if (filter.last > 0) {
    part(filter.last == 1 ? "last game of " + filter.team
                          : "last " + std::to_string(filter.last) + " games of " + filter.team);
  } else if (!filter.team.empty()) {
    part("games of " + filter.team);
  }
  if (filter.ground != Ground::kAny) part(filter.ground == Ground::kHome ? "home" : "away");
  if (!filter.opponent.empty()) part("against " + filter.opponent);
  if (filter.from && filter.to) {
    part(CalendarDayText(*filter.from) + " to " + CalendarDayText(*filter.to));
  } else if (filter.from) {
    part("from " + CalendarDayText(*filter.from));
  } else if (filter.to) {
    part("to " + CalendarDayText(*filter.to));
  }
  return out;
}

}  // namespace scorewick
