#pragma once
// The files an export to Retrosheet makes of many games, held in memory
// until they are written: one event file per home club and season
// (2019SEA.EVA for a park with the designated hitter, .EVN otherwise),
// each with that club's home games by day and start time, one roster file
// per club and season (SEA2019.ROS), and one team file per season
// (TEAM2019).
//
// The games are planned first, from what their headlines tell (the day,
// the start time, the two teams): that gives each its id (SEA201903280,
// the last digit 1 and 2 for the two games of one day) and its place.
// Then each game is added whole, in the planned order: it is written,
// checked as the researchers' readers would check it, and kept, or
// refused with the reason.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "intake/game_headline.h"
#include "interop/name_index.h"
#include "interop/retrosheet_export_game.h"
#include "interop/retrosheet_names.h"
#include "records/game.h"
#include "records/status.h"

namespace scorewick::interop {

class RetrosheetEventFiles {
 public:
  // Plans the games whose headlines are given (in the caller's order).
  explicit RetrosheetEventFiles(const std::vector<GameHeadline>& headlines);

  // The games' indexes in the order to add them, and a game's id and the
  // name of its event file.  A game the plan cannot place (a day that is
  // no day, a tenth game of one day in one park) has an empty id, and
  // Placed tells why.
  const std::vector<std::size_t>& order() const { return order_; }
  const std::string& GameId(std::size_t game) const { return plans_[game].id; }
  Status Placed(std::size_t game) const;
  const std::string& HomeCode(std::size_t game) const { return plans_[game].home_code; }
  const std::string& VisitorCode(std::size_t game) const { return plans_[game].visitor_code; }
  std::string EventFileOf(std::size_t game) const;

  // Writes the game planned as `game` (whose headline it must match) into
  // its event file.  A failure, with the reason, when it cannot be written
  // or its records fail the check; nothing of it is kept then.  out.lost
  // tells what the format could not carry.
  Status Add(std::size_t game, const Game& record, ExportedGame& out);

  // Add in four steps, for many games written at once on several
  // threads: Gather, on any thread, lists the players the game's records
  // name; Prepare names the game's clubs and players (in the planned
  // order: ids are given as players are first met); Write, on any thread,
  // writes and checks the records; Keep, in the planned order again, puts
  // them in their event file.
  struct PreparedGame {
    std::size_t game = 0;
    std::string id;
    int number = 0;
    ExportNames names;
    // [0] the visitors', [1] the home side's players: their roster, then
    // anyone its line-ups or boxes name who is not on it (in the game).
    std::array<std::vector<const PLAYER*>, 2> players;
    // Room Gather keeps from game to game: the names met, found by hash.
    std::vector<std::string_view> names_met;
    NameIndex met;
  };
  static void Gather(const Game& record, PreparedGame& prepared);
  Status Prepare(std::size_t game, const Game& record, PreparedGame& prepared);
  static Status Write(const Game& record, const PreparedGame& prepared, ExportedGame& out);
  void Keep(const PreparedGame& prepared, const Game& record, const ExportedGame& out);

  // The files made so far: name, text (UTF-8).  Event files of the games
  // added, the rosters of their clubs, the team file of each season.
  std::vector<std::pair<std::string, std::string>> Files() const;
  // The same files with the text of each in pieces, to be written one
  // after the other: an event file's are its games' records as this holds
  // them (views, valid while it lives and no game is added), a roster's or
  // the team file's is one text made for it (text, pieces empty).
  struct FileText {
    std::string name;
    std::vector<std::string_view> pieces;
    std::string text;
  };
  std::vector<FileText> FileTexts() const;
  // The games each event file holds (indexes as planned).
  std::vector<std::size_t> GamesOf(const std::string& event_file) const;

 private:
  struct Plan {
    std::string id;
    std::string why;
    int season = 0;
    int number = 0;
    std::string home_code;
    std::string visitor_code;
  };
  struct EventFile {
    std::string home_code;
    int season = 0;
    // Each game's records, written one after the other (or joined once
    // when the file's text is asked for): the file's text is not grown
    // (and copied) game by game.
    std::vector<std::string> texts;
    std::vector<std::size_t> games;
  };

  std::vector<Plan> plans_;
  std::vector<std::size_t> order_;
  RetrosheetNames names_;
  std::vector<EventFile> files_;
};

// The file names an export of games with these headlines would write
// (event, roster and team files), for asking before anything is written
// over.
std::vector<std::string> PlannedExportFiles(const std::vector<GameHeadline>& headlines);

}  // namespace scorewick::interop
