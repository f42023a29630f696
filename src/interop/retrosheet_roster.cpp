#include "interop/retrosheet_roster.h"

#include <algorithm>
#include <set>
#include <utility>

#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::interop {
namespace {

// Record texts are code page 1252; Retrosheet's files are ASCII, but a
// hand-made file may be UTF-8 or already code page 1252.
std::string RecordText(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) {
      const std::string converted = Utf8ToCp1252(text);
      return converted.find('?') == std::string::npos || text.find('?') != std::string_view::npos
                 ? converted
                 : std::string(text);
    }
  }
  return std::string(text);
}

bool Hand(std::string_view text, bool allow_both, char* hand) {
  if (text == "L" || text == "R" || (allow_both && text == "B")) {
    *hand = text[0];
    return true;
  }
  return text.empty() || text == "?";  // not known: right, the handheld's default
}

// A record refused, with its line.
Status RefusedAt(const RetroRecord& r, std::string why) {
  Status refused = Status::Failed({}, std::move(why));
  refused.line = r.line;
  return refused;
}

}  // namespace

Status ReadClubs(const std::vector<RetroRecord>& records, std::vector<ClubEntry>& clubs) {
  for (const RetroRecord& r : records) {
    if (!r.broken.empty()) return RefusedAt(r, r.broken);
    if (r.fields.size() < 4 || r.at(0).empty()) {
      return RefusedAt(
          r, "a club is written as code, league, city, nickname (SEA,A,Seattle,Mariners)");
    }
    clubs.push_back({r.fields[0], r.fields[1], r.fields[2], r.fields[3]});
  }
  return {};
}

Status ReadRoster(const std::vector<RetroRecord>& records, std::vector<RosterEntry>& players) {
  for (const RetroRecord& r : records) {
    if (!r.broken.empty()) return RefusedAt(r, r.broken);
    if (r.fields.size() < 3 || r.at(0).empty() || (r.at(1).empty() && r.at(2).empty())) {
      return RefusedAt(
          r,
          "a player is written as id, last name, first name, bats, throws, club, position "
          "(gonzm005,Gonzales,Marco,L,L,SEA,P)");
    }
    RosterEntry p;
    p.id = r.fields[0];
    p.last = r.fields[1];
    p.first = r.fields[2];
    if (!Hand(r.at(3), true, &p.bats)) {
      return RefusedAt(r, "bats is L, R or B (both), not \"" + std::string(r.at(3)) + "\"");
    }
    if (!Hand(r.at(4), false, &p.throws)) {
      return RefusedAt(r, "throws is L or R, not \"" + std::string(r.at(4)) + "\"");
    }
    p.club = r.at(5);
    p.position = r.at(6);
    players.push_back(std::move(p));
  }
  return {};
}

std::int32_t RosterPosition(std::string_view text) {
  static const std::pair<std::string_view, std::int32_t> kPositions[] = {
      {"P", kPosPitcher},      {"C", kPosCatcher},      {"1B", kPosFirst},
      {"2B", kPosSecond},      {"3B", kPosThird},       {"SS", kPosShortStop},
      {"LF", kPosLeftField},   {"CF", kPosCenterField}, {"RF", kPosRightField},
      {"OF", kPosCenterField}, {"IF", kPosShortStop},   {"DH", kPosDesignatedHitter},
      {"PH", kPosPinchHitter}, {"PR", kPosPinchRunner}};
  for (const auto& [name, code] : kPositions) {
    if (text == name) return code;
  }
  return kPosBench;
}

Team MakeClubTeam(const ClubEntry& club, const std::vector<RosterEntry>& roster,
                  std::map<std::string, std::string, std::less<>>& ids,
                  std::vector<std::string>* cut) {
  const auto fit = [cut](std::string name) {
    if (name.size() > NameText::kCapacity && cut) cut->push_back(name);
    return name.substr(0, NameText::kCapacity);
  };
  Team team;
  std::string name = club.city;
  if (!club.nickname.empty()) name += (name.empty() ? "" : " ") + club.nickname;
  team.team_name.set(fit(RecordText(name.empty() ? club.code : name)));
  team.lineup_size = 9;
  team.uses_designated_hitter = club.league == "A" ? 1 : 0;
  team.no_personal_info = 1;
  std::set<std::string, std::less<>> taken;
  std::vector<PLAYER> players;
  for (const RosterEntry& r : roster) {
    if (ids.count(r.id)) continue;  // listed twice: the first line holds
    std::string full = fit(RecordText(r.first.empty() ? r.last : r.first + " " + r.last));
    // Players are told apart by name: a second "Will Smith" of the same
    // club becomes "Will Smith 2".
    for (int n = 2; taken.count(full); ++n) {
      const std::string suffix = " " + std::to_string(n);
      full = full.substr(0, std::min(full.size(), NameText::kCapacity - suffix.size())) + suffix;
    }
    taken.insert(full);
    ids.emplace(r.id, full);
    PLAYER p;
    p.name.set(full);
    p.key = static_cast<std::int16_t>(players.size() + 1);
    p.position = RosterPosition(r.position);
    p.bats = static_cast<std::uint8_t>(r.bats == 'L' ? 0 : r.bats == 'B' ? 2 : 1);
    p.throws_right = r.throws == 'L' ? 0 : 1;
    players.push_back(p);
  }
  team.SetRoster(players, std::vector<PLAYER_INFO>(players.size()));
  return team;
}

}  // namespace scorewick::interop
