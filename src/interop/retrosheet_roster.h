#pragma once
// The clubs and rosters that come with Retrosheet's event files, and the
// team files made from them.
//
//   TEAM2019       SEA,A,Seattle,Mariners          code, league, city, nickname
//   SEA2019.ROS    gonzm005,Gonzales,Marco,L,L,SEA,P
//                  id, last name, first name, bats (L, R, B both), throws, club, position

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "interop/retrosheet_records.h"
#include "records/team.h"

namespace scorewick::interop {

struct ClubEntry {
  std::string code;
  std::string league;
  std::string city;
  std::string nickname;
};

struct RosterEntry {
  std::string id;
  std::string last;
  std::string first;
  char bats = 'R';
  char throws = 'R';
  std::string club;
  std::string position;
};

// Reads the clubs of a team file.  Fails, with the reason and its line,
// for a record that is not code, league, city, nickname.
Status ReadClubs(const std::vector<RetroRecord>& records, std::vector<ClubEntry>& clubs);
// Reads the players of a roster file.  Fails, with the reason and its
// line, for a record without an id and a name, or with a hand that is not
// L, R or B.
Status ReadRoster(const std::vector<RetroRecord>& records, std::vector<RosterEntry>& players);

// A club as a team of ours: its name "City Nickname", its players "First
// Last" with how they bat and throw and their roster position (a generic
// outfielder plays centre field, a generic infielder short stop), numbered
// by roster order, without uniform numbers.  An American League club uses
// the designated hitter.  ids receives the name each player id was given
// (names are made unique within the club).  A name longer than a record
// holds (24 characters) is cut to fit; cut, when given, receives each such
// name whole (the club's first).
Team MakeClubTeam(const ClubEntry& club, const std::vector<RosterEntry>& roster,
                  std::map<std::string, std::string, std::less<>>& ids,
                  std::vector<std::string>* cut = nullptr);

// The position code of a roster position ("P", "SS", "OF" ...).
std::int32_t RosterPosition(std::string_view text);

}  // namespace scorewick::interop
