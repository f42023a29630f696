#pragma once
// A small team for the report tests: three players, one without a uniform
// number, one whose name holds markup characters.

#include "records/codes.h"
#include "records/team.h"

namespace scorewick::testing {

inline PLAYER MakePlayer(const char* name, int number, int position, int order, int bats,
                         int throws_right) {
  PLAYER p;
  p.name.set(name);
  p.uniform_number = static_cast<std::int16_t>(number);
  p.position = position;
  p.batting_order = order;
  p.bats = static_cast<std::uint8_t>(bats);
  p.throws_right = static_cast<std::uint8_t>(throws_right);
  return p;
}

inline PLAYER_INFO MakeInfo(const char* phone, const char* address, const char* city,
                            const char* state, const char* zip, int month, int day, int year,
                            const char* email, const char* note) {
  PLAYER_INFO info;
  info.phone.set(phone);
  info.address.set(address);
  info.city.set(city);
  info.state.set(state);
  info.zip.set(zip);
  info.birth_month = static_cast<std::uint8_t>(month);
  info.birth_day = static_cast<std::uint8_t>(day);
  info.birth_year = year;
  info.email.set(email);
  info.note.set(note);
  return info;
}

inline Team SmallTeam() {
  Team team;
  team.team_name.set("Hawks");
  team.manager.set("Pat Lee");
  team.coach.set("Sam Ortiz");
  team.AddPlayer(MakePlayer("Jo Smith", 12, kPosShortStop, 3, 1, 1),
                 MakeInfo("555-0101", "12 Elm St", "Avon", "OH", "44011", 7, 4, 1990,
                          "jo@example.org", "lefty bunter"));
  team.AddPlayer(MakePlayer("Al Bo", -1, kPosPitcher, 0, 0, 0),
                 MakeInfo("", "", "", "", "", 1, 2, 2001, "", ""));
  team.AddPlayer(MakePlayer("Cy <b>Young</b> & \"Co\"", 7, kPosDesignatedHitter, 1, 2, 1),
                 MakeInfo("555-0199", "1 Main", "Lodi", "CA", "95240", 12, 31, 1985,
                          "cy@example.org", "needs, a ride"));
  return team;
}

}  // namespace scorewick::testing
