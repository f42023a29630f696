#include "cli/record_summary.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "records/codes.h"
#include "records/cp1252.h"
#include "records/format_text.h"
#include "records/path_names.h"

namespace scorewick::cli {
namespace {

std::string_view HandText(std::uint8_t bats) {
  if (bats == 0) return "L";
  if (bats == 1) return "R";
  return "S";
}

std::string NumberText(std::int16_t number) {
  return number < 0 ? std::string("00") : std::to_string(number);
}

}  // namespace

bool IsGamePath(const std::string& path) { return ExtensionOf(path) == "gam"; }

std::string TeamSummary(const Team& team) {
  std::string out;
  out += "Team:      " + team.team_name.str() + "\n";
  out += "Manager:   " + team.manager.str() + "\n";
  out += "Coach:     " + team.coach.str() + "\n";
  out += "Logo:      " + team.logo_file.str() + "\n";
  out += Format("Line-up:   %d batters", team.lineup_size);
  if (team.uses_designated_hitter) {
    out += ", designated hitter " + team.designated_hitter.name.str() + " bats for " +
           team.dh_bats_for.name.str();
  }
  out += "\n";
  out += Format("Players:   %d\n\n", team.count());
  out += Format("%-3s %-24s %-18s %3s %-5s %-6s %4s\n", "#", "Name", "Position", "BO", "Bats",
                "Throws", "Key");
  for (const PLAYER& p : team.players()) {
    out += Format("%-3s %-24s %-18s %3d %-5s %-6s %4d\n", NumberText(p.uniform_number).c_str(),
                  p.name.c_str(), std::string(PositionName(p.position)).c_str(), p.batting_order,
                  std::string(HandText(p.bats)).c_str(), p.throws_right ? "R" : "L", p.key);
  }
  bool any_info = false;
  for (int i = 0; i < team.count(); ++i) {
    const PLAYER_INFO& info = team.info(i);
    if (info.phone.empty() && info.address.empty() && info.email.empty()) continue;
    if (!any_info) out += "\nPersonal information:\n";
    any_info = true;
    out += "  " + team.player(i).name.str() + ": " + info.phone.str() + ", " + info.address.str() +
           ", " + info.city.str() + " " + info.state.str() + " " + info.zip.str() + ", " +
           info.email.str() + "\n";
  }
  return Cp1252ToUtf8(out);
}

std::string GameSummary(const Game& game) {
  const GameHeader& h = game.header;
  std::string out;
  out += Format("Date:       %d/%d/%d  %d:%02d\n", h.month, h.day, h.year, h.start_hour,
                h.start_minute);
  out += "Field:      " + h.field.str() + "\n";
  out += "Umpires:    " + h.umpires[0].str() + ", " + h.umpires[1].str() + ", " +
         h.umpires[2].str() + ", " + h.umpires[3].str() + "\n";
  out += Format("Duration:   %d:%02d   Attendance: %d\n", h.duration_hours, h.duration_minutes,
                h.attendance);
  out += "Visitors:   " + game.visitor.team_name.str() +
         Format(" (%d players)\n", game.visitor.count());
  out +=
      "Home:       " + game.home.team_name.str() + Format(" (%d players)\n\n", game.home.count());

  Game copy = game;
  auto [home_runs, visitor_runs] = copy.ComputeRunTotals();
  int last = game.LastInning();
  int columns = std::max(last + 1, 9);
  std::string line = Format("%-24s", "");
  for (int i = 0; i < columns; ++i) line += Format("%3d", i + 1);
  out += line + "     R   H   E\n";
  for (bool top : {true, false}) {
    const Team& team = top ? game.visitor : game.home;
    int hits = 0, errors = 0;
    std::string row = Format("%-24s", team.team_name.c_str());
    for (int i = 0; i < columns; ++i) {
      const HALF_INNING& half = game.innings[i].half(top);
      bool played = i <= last && (!half.offense.empty() || !half.at_bats.empty());
      row += played ? Format("%3d", half.runs) : std::string("  -");
      hits += half.hits;
      errors += game.innings[i].half(!top).errors;
    }
    out += row + Format("   %3d %3d %3d\n", top ? visitor_runs : home_runs, hits, errors);
  }

  int visitor_at_bats = 0, home_at_bats = 0;
  for (const INNING& inning : game.innings) {
    visitor_at_bats += static_cast<int>(inning.top.at_bats.size());
    home_at_bats += static_cast<int>(inning.bottom.at_bats.size());
  }
  out += Format("\nPlate appearances: %d visitors, %d home\n", visitor_at_bats, home_at_bats);
  if (!game.winning_pitcher.name.empty())
    out += "Winning pitcher: " + game.winning_pitcher.name.str() + "\n";
  if (!game.losing_pitcher.name.empty())
    out += "Losing pitcher:  " + game.losing_pitcher.name.str() + "\n";
  if (!game.saving_pitcher.name.empty())
    out += "Save:            " + game.saving_pitcher.name.str() + "\n";
  if (!game.notes.empty()) {
    out += "\nNotes:\n";
    for (const GAME_NOTE& note : game.notes) {
      out += Format("  %d%s inning, %s, at-bat %d: ", note.inning + 1,
                    std::string(OrdinalSuffix(note.inning + 1)).c_str(),
                    note.half ? "top" : "bottom", note.at_bat + 1) +
             note.text.str() + "\n";
    }
  }
  return Cp1252ToUtf8(out);
}

}  // namespace scorewick::cli
