// Feeds arbitrary text to the Retrosheet event file reader and scores every
// game in it.  The clubs are made on the spot with every player id the text
// names on their rosters, so that the plays themselves are exercised.  A
// game the importer accepts must agree with itself.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "interop/retrosheet_game.h"
#include "interop/retrosheet_records.h"
#include "interop/retrosheet_roster.h"
#include "scoring/consistency.h"

using namespace scorewick;
using namespace scorewick::interop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  EventFileGames split = SplitGames(ReadRecords(text));
  for (const std::vector<RetroRecord>& records : split.games) {
    std::map<std::string, Club, std::less<>> clubs;
    std::vector<RosterEntry> roster;
    for (const RetroRecord& r : records) {
      if ((r.type() == "start" || r.type() == "sub" || r.type() == "play") && r.fields.size() > 3) {
        const std::string id(r.type() == "play" ? r.at(3) : r.at(1));
        roster.push_back({id, id, "", 'R', 'R', "", "P"});
      }
    }
    const ClubFinder finder = [&](std::string_view code, int, const Club*& found) -> Status {
      auto it = clubs.find(code);
      if (it == clubs.end()) {
        Club club;
        club.code = std::string(code);
        club.team = MakeClubTeam({club.code, "A", "City", club.code}, roster, club.names);
        it = clubs.emplace(club.code, std::move(club)).first;
      }
      found = &it->second;
      return {};
    };
    Game game;
    GameOrigin origin;
    EventRefusal refusal;
    std::vector<ImportNote> notes;
    if (BuildRetrosheetGame(records, finder, game, origin, refusal, notes) &&
        !scoring::CheckGame(game, {}).empty()) {
      __builtin_trap();
    }
  }
  return 0;
}
