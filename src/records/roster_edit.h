#pragma once
// The rules of roster editing: the four orders a roster can be sorted by,
// and the checks and settlement when the editor's changes are accepted
// (no batting-order slot held twice, the designated hitter on the roster,
// the line-up size from the highest batting order).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/team.h"
#include "records/user_message.h"

namespace scorewick {

enum class RosterSortKey { kName = 0, kBattingOrder = 1, kUniformNumber = 2, kPosition = 3 };

// Compares two names: negative, zero or positive.  The desktop passes the
// locale's own comparison; the default compares with the C++ global
// locale's collation.
using NameCompare = std::function<int(std::string_view a, std::string_view b)>;
int CollateNames(std::string_view a, std::string_view b);

// Sorts the roster itself, each player keeping his personal information;
// players that compare equal keep their order.  forward is each key's
// first direction, ascending for every key: name, batting order, uniform
// number (as a signed number, so none, stored as -1, comes first) and
// position code.  Players with batting order 0 come after those with one
// in both directions.
void SortRoster(Roster& roster, RosterSortKey key, bool forward,
                const NameCompare& compare = CollateNames);

// Each key's direction flips after every use, starting forward.
class RosterSorter {
 public:
  void Sort(Roster& roster, RosterSortKey key, const NameCompare& compare = CollateNames);
  bool next_forward(RosterSortKey key) const { return forward_[static_cast<int>(key)]; }

 private:
  bool forward_[4] = {true, true, true, true};
};

// The highest batting order of the roster (0 when nobody bats).
int HighestBattingOrder(const Roster& roster);
// The first slot from 1 to the highest batting order that more than one
// player holds, or 0.
int DuplicatedBattingSlot(const Roster& roster);

// "Can't save lineup.  3rd position in batting order is duplicated."
UserMessage DuplicateBattingOrderMessage(int slot);
UserMessage DhNotInRosterMessage();

// What to ask before candidate is stored at index (-1: a new player), as
// Yes/No questions, each of which the person may answer Yes to go on:
//   - another player already has the name (players are told apart by name
//     in line-ups, games and statistics);
//   - with ask_slot, another player already holds the batting slot (the
//     line-up would show the slot twice until one of them moves; the
//     editor's OK refuses it then).
// A stored player is asked about only what changes: a roster read with
// two equal names does not ask again at every update.
UserMessages RosterClashQuestions(const Roster& roster, const PLAYER& candidate, int index,
                                  bool ask_slot = true);

// The designated-hitter choice of the editor: no value = "No DH".
struct DhChoice {
  std::optional<std::string> designated_hitter;  // the DH's name
  PLAYER bats_for;                               // the player the DH bats for
};

// Accepts the edited team: refuses (returning the message, team
// unchanged) when a batting slot is held twice or the designated hitter is
// not a roster player; otherwise stores the DH settings (without a DH,
// both DH records get empty names and position 0) and the line-up size.
std::optional<UserMessage> AcceptRosterEdit(Team& team, const DhChoice& dh);

}  // namespace scorewick
