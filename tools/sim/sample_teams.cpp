#include "sim/sample_teams.h"

#include <array>
#include <cstdio>
#include <set>

#include "records/codes.h"

namespace scorewick::sim {
namespace {

struct Club {
  const char* name;
  const char* city;
  const char* zip;
  const char* park;
  const char* manager;
  const char* coach;
  const char* logo;
  bool dh;
};

// Four clubs of an invented town league.
constexpr std::array<Club, 4> kClubs = {{
    {"Ashford Millers", "Ashford", "43521", "Miller Memorial Park", "Dale Pruitt", "Ron Okafor",
     "millers.bmp", true},
    {"Bramble Creek Otters", "Bramble Creek", "43608", "Otter Creek Fields", "Lena Marsh",
     "Hector Quill", "otters.bmp", false},
    {"Cinder Hill Foxes", "Cinder Hill", "43715", "Foxhollow Diamond", "Walt Brennan",
     "Sam Ishikawa", "foxes.bmp", false},
    {"Dunmore Lanterns", "Dunmore", "43822", "Lantern Grove Field", "Gus Delacroix", "Tina Varga",
     "lanterns.bmp", true},
}};

constexpr std::array<const char*, 48> kFirst = {
    "Abe",  "Cal",  "Dex",   "Eli",  "Finn", "Gabe", "Hank", "Ike",   "Jules", "Kip",
    "Lou",  "Milo", "Ned",   "Oren", "Pete", "Quin", "Rudy", "Silas", "Tate",  "Umar",
    "Vic",  "Wes",  "Xavi",  "Yuri", "Zeke", "Arlo", "Bram", "Cody",  "Drew",  "Emil",
    "Ford", "Glen", "Hugo",  "Ivan", "Jace", "Knox", "Lyle", "Moe",   "Nico",  "Otis",
    "Pax",  "Reed", "Sully", "Theo", "Ulis", "Vern", "Wade", "Zane"};
constexpr std::array<const char*, 60> kLast = {
    "Abernathy", "Barlow",    "Castellan",   "Dorsey",     "Eckhart",   "Fairweather", "Galloway",
    "Hollister", "Ibarra",    "Jessup",      "Kettering",  "Lindqvist", "Mabry",       "Nakamura",
    "Oakhurst",  "Pembrook",  "Quarles",     "Rutledge",   "Sandoval",  "Thackeray",   "Underhill",
    "Vasquez",   "Whitcombe", "Yardley",     "Zeller",     "Ashdown",   "Birchall",    "Corrigan",
    "Delgado",   "Ellery",    "Fenwick",     "Grisham",    "Halvorsen", "Inglewood",   "Jarrett",
    "Kowalczyk", "Larkspur",  "Merriwether", "Northcott",  "Osgood",    "Prescott",    "Radcliffe",
    "Stroud",    "Tolliver",  "Upton",       "Vandermeer", "Winslow",   "Yancey",      "Aldridge",
    "Bellamy",   "Crandall",  "Dunleavy",    "Easterly",   "Fitzroy",   "Gantry",      "Hargrove",
    "Kimball",   "Lockhart",  "Moncrief",    "Pettibone"};
constexpr std::array<const char*, 12> kStreets = {"Elm",   "Maple",   "Harbor",  "Quarry",
                                                  "Mill",  "Orchard", "Juniper", "Ridge",
                                                  "Canal", "Sparrow", "Willow",  "Foundry"};
constexpr std::array<const char*, 5> kStreetKinds = {"Street", "Avenue", "Road", "Lane", "Court"};

struct Spot {
  int position;
  int order;     // batting order without a designated hitter
  int dh_order;  // with one
};

// Nine regulars, five reserves, seven pitchers, and a designated hitter for
// the clubs that use one.
constexpr std::array<Spot, 21> kRoster = {{
    {kPosShortStop, 1, 1},  {kPosSecond, 2, 2},    {kPosCenterField, 3, 3},
    {kPosFirst, 4, 4},      {kPosThird, 5, 6},     {kPosLeftField, 6, 7},
    {kPosRightField, 7, 8}, {kPosCatcher, 8, 9},   {kPosCatcher, 0, 0},
    {kPosSecond, 0, 0},     {kPosShortStop, 0, 0}, {kPosCenterField, 0, 0},
    {kPosThird, 0, 0},      {kPosPitcher, 0, 0},   {kPosPitcher, 0, 0},
    {kPosPitcher, 0, 0},    {kPosPitcher, 0, 0},   {kPosPitcher, 0, 0},
    {kPosPitcher, 0, 0},    {kPosPitcher, 0, 0},   {kPosDesignatedHitter, 0, 5},
}};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

}  // namespace

std::vector<Team> SampleTeams() {
  std::vector<Team> teams;
  std::set<std::string> names;
  int serial = 0;
  for (std::size_t t = 0; t < kClubs.size(); ++t) {
    const Club& club = kClubs[t];
    Team team;
    team.team_name.set(club.name);
    team.manager.set(club.manager);
    team.coach.set(club.coach);
    team.logo_file.set(club.logo);
    team.lineup_size = 9;
    const std::size_t count = club.dh ? kRoster.size() : kRoster.size() - 1;
    std::set<int> numbers;
    for (std::size_t i = 0; i < count; ++i) {
      const Spot& spot = kRoster[i];
      std::string first, last, name;
      do {
        ++serial;
        first = kFirst[static_cast<std::size_t>(serial * 7 + 3) % kFirst.size()];
        last = kLast[static_cast<std::size_t>(serial * 13 + t) % kLast.size()];
        name = first + " " + last;
      } while (!names.insert(name).second);
      PLAYER p;
      p.name.set(name);
      int number = 1 + (serial * 17) % 58;
      while (!numbers.insert(number).second) number = number % 58 + 1;
      p.uniform_number = static_cast<std::int16_t>(number);
      p.key = static_cast<std::int16_t>(i + 1);
      p.position = spot.position;
      p.batting_order = club.dh ? spot.dh_order : spot.order;
      p.bats = static_cast<std::uint8_t>(serial % 10 < 3 ? 0 : serial % 10 == 9 ? 2 : 1);
      p.throws_right =
          static_cast<std::uint8_t>(spot.position == kPosPitcher && serial % 3 == 0 ? 0 : 1);
      PLAYER_INFO info;
      char text[64];
      std::snprintf(text, sizeof text, "(419) 555-01%02d", (serial * 7) % 100);
      info.phone.set(text);
      std::snprintf(text, sizeof text, "%d %s %s", 100 + (serial * 379) % 9800,
                    kStreets[static_cast<std::size_t>(serial) % kStreets.size()],
                    kStreetKinds[static_cast<std::size_t>(serial / 3) % kStreetKinds.size()]);
      info.address.set(text);
      info.city.set(club.city);
      info.state.set("OH");
      info.zip.set(club.zip);
      info.birth_year = 1986 + (serial * 5) % 19;
      info.birth_month = static_cast<std::uint8_t>(1 + (serial * 7) % 12);
      info.birth_day = static_cast<std::uint8_t>(1 + (serial * 11) % 28);
      info.email.set(Lower(first) + "." + Lower(last) + "@example.org");
      if (i == 0) info.note.set("Team captain");
      if (spot.position == kPosPitcher && i == 13) info.note.set("Opening day starter");
      team.AddPlayer(p, info);
    }
    if (club.dh) {
      team.uses_designated_hitter = 1;
      team.designated_hitter = team.player(static_cast<int>(count - 1));
      team.dh_bats_for = team.player(13);
    }
    teams.push_back(team);
  }
  return teams;
}

std::string HomeField(const Team& team) {
  for (const Club& club : kClubs) {
    if (team.team_name.view() == club.name) return club.park;
  }
  std::string name = team.team_name.str();
  const std::size_t space = name.find(' ');
  return (space == std::string::npos ? name : name.substr(0, space)) + " Park";
}

std::vector<std::string> UmpirePool() {
  return {"Marty Quayle", "Bev Sorensen", "Otto Lindgren", "Frank Abelard", "Gil Pomeroy",
          "Rosa Teague",  "Hal Cutler",   "June Ostrow",   "Carl Wexley",   "Nell Dabney"};
}

std::string TeamFileName(const Team& team) {
  std::string out;
  for (char c : Lower(team.team_name.str())) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      out += c;
    } else if (!out.empty() && out.back() != '-') {
      out += '-';
    }
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return (out.empty() ? std::string("team") : out) + ".tem";
}

}  // namespace scorewick::sim
