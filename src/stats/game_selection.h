#pragma once
// The choice of games for an analysis, as plain state the chooser window
// shows: the games chosen (full paths, in order), the teams they name
// ("All Teams" first), the preview of a highlighted file, and the rules of
// Add, Remove and OK.  Team names come from the two names a game file's
// header keeps for game lists.

#include <array>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "records/user_message.h"
#include "stats/game_choice.h"
#include "stats/stat.h"

namespace scorewick {

// The preview of a game file: "<name at 150>\nvs\n<name at 125>", with
// "\n(Prior Version Format)" for a file in a prior format; empty when the
// file cannot be read.
std::optional<std::string> GamePreview(const std::string& path);

class GameSelection {
 public:
  enum class AddResult { kAdded, kAlreadyChosen, kPriorFormat, kUnreadable };
  // Adds a game file: not twice (the same file under any name), not one in
  // a prior format nor one that is no game at all (records/game_intake.h);
  // there is no limit (a league season runs to thousands of games).  Its
  // two team names join the team list unless listed already.  *message,
  // when given, receives what to show for a refusal ("Incompatible Game
  // Format").
  AddResult Add(const std::string& path, UserMessage* message = nullptr);
  // Removes the chosen game at index; its team names leave the team list
  // when no remaining game names them.
  void Remove(int index);

  const std::vector<std::string>& games() const { return games_; }
  // "All Teams", then the team names in the order first met.
  const std::vector<std::string>& teams() const { return teams_; }

  enum class FinishResult { kOk, kNoGame, kNoTeam };
  // OK with the team entry at selected (-1 = none): fills the choice's
  // games, team and all-teams flag (set only for the first entry; the team
  // is then empty).  Otherwise *message receives "No Game Selected" or "No
  // Team Selected".
  FinishResult Finish(int selected, GameChoice& choice, UserMessage* message = nullptr) const;

 private:
  std::vector<std::string> games_;
  std::vector<std::string> keys_;                       // per game: its FileIdentity
  std::unordered_set<std::string> chosen_;              // keys_, for the test of a second Add
  std::vector<std::array<std::string, 2>> game_teams_;  // per game: the names at 125 and 150
  std::vector<std::string> teams_{std::string(kAllTeamsName)};
};

}  // namespace scorewick
