#pragma once
// The names an export to Retrosheet's files gives: club codes made from
// team names ("Seattle Mariners" SEA, "Gulls" GUL), player ids made from
// player names the way Retrosheet makes them (four letters of the last
// name, one of the first, three digits: "Marco Gonzales" gonzm001), both
// kept for the whole export so that a club or player has one name in every
// game, and the roster and team files that list them.
//
// A player's name is one text ("Marco Gonzales"); the files want it as a
// last and a first name.  The last name is the last word with the words
// before it that belong to it (Del Pozo, De Los Santos, St. John, van der
// Meer, Ponce de Leon); written back first and last with a blank between
// them, it gives the same name.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interop/name_index.h"
#include "records/player.h"
#include "records/team.h"

namespace scorewick::interop {

struct SplitName {
  std::string first;  // empty for a one-word name
  std::string last;
};
SplitName SplitPlayerName(std::string_view name);

// A club of the export: its code, its name cut into city and nickname, and
// whether it plays with a designated hitter at home.
struct ExportClub {
  std::string code;
  std::string city;
  std::string nickname;
  bool designated_hitter = false;
};

// The players of a club in a season, in the order first met.
struct ExportRosterEntry {
  std::string id;
  PLAYER player;  // name (code page 1252), bats, throws, position
};

class RetrosheetNames {
 public:
  // The code of a team name (code page 1252), made when first asked:
  // three letters or digits, those of its first word, else the initials
  // of its first three words, else two of its letters and a digit, so
  // that no two teams share one.
  const std::string& ClubCode(std::string_view team_name);
  // Notes a club's team (its name must have a code) as playing a game of
  // season at home or away: a home game with a designated hitter makes its
  // park one.
  void NoteClubGame(std::string_view team_name, int season, bool home, bool designated_hitter);
  // The id of a player of a club in a season, made when first asked and
  // kept for the club; the player is added to the club's roster of the
  // season.
  const std::string& PlayerId(std::string_view code, int season, const PLAYER& player);
  // The same for many players of one club and season, in their order: their
  // ids replace the content of ids.
  void PlayerIds(std::string_view code, int season, const std::vector<const PLAYER*>& players,
                 std::vector<std::string>& ids);

  // The clubs of a season, by code, and a club's players in that season.
  std::vector<ExportClub> ClubsOf(int season) const;
  const std::vector<ExportRosterEntry>* RosterOf(std::string_view code, int season) const;
  std::vector<int> Seasons() const;

  // The text of a season's team file (TEAM2019: code, league, city,
  // nickname) and of a club's roster file (SEA2019.ROS: id, last name,
  // first name, bats, throws, club, position), UTF-8, a line feed after
  // every line.
  std::string TeamFileText(int season) const;
  std::string RosterFileText(std::string_view code, int season) const;

 private:
  struct Club {
    std::string name;  // code page 1252
    std::string code;
    std::map<int, bool> home_dh;  // season -> plays at home with a DH
    std::map<int, bool> seasons;  // seasons it played in (value unused)
  };
  // A club's players of a season with their ids, found by name.
  struct Roster {
    std::vector<ExportRosterEntry> players;
    NameIndex by_name;  // positions in players
    std::string_view NameAt(std::uint32_t i) const { return players[i].player.name.view(); }
    const ExportRosterEntry* Find(std::string_view name) const {
      const std::uint32_t at = by_name.Find(name, [this](std::uint32_t i) { return NameAt(i); });
      return at == NameIndex::kNone ? nullptr : &players[at];
    }
  };
  const std::string& IdIn(Roster& roster, std::string_view code, const PLAYER& player);

  std::vector<Club> clubs_;
  std::map<std::string, std::size_t, std::less<>> club_of_name_;
  std::map<std::string, std::size_t, std::less<>> club_of_code_;
  std::map<std::pair<std::string, int>, Roster> rosters_;
  std::map<std::string, int, std::less<>> id_numbers_;  // "gonzm" -> last number given
};

// A text as a field of a record: UTF-8, with double quotes turned into
// single ones (a quoted field cannot hold one) and line breaks and other
// control characters into blanks.
std::string FieldText(std::string_view record_text);
// The same, quoted when it holds a comma (or always, when asked).
std::string QuotedField(std::string_view record_text, bool always = false);
// QuotedField's text added to the end of out.
void AppendQuotedField(std::string& out, std::string_view record_text, bool always = false);

}  // namespace scorewick::interop
