#include "records/roster_edit.h"

#include <algorithm>
#include <locale>
#include <numeric>
#include <vector>

#include "records/codes.h"
#include "records/cp1252.h"
#include "records/format_text.h"

namespace scorewick {

int CollateNames(std::string_view a, std::string_view b) {
  const auto& collate = std::use_facet<std::collate<char>>(std::locale());
  return collate.compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size());
}

void SortRoster(Roster& roster, RosterSortKey key, bool forward, const NameCompare& compare) {
  const std::vector<PLAYER>& players = roster.players();
  std::vector<int> order(players.size());
  std::iota(order.begin(), order.end(), 0);
  // "a comes before b" in the key's first direction, as a three-way result.
  auto three_way = [&](const PLAYER& a, const PLAYER& b) -> int {
    switch (key) {
      case RosterSortKey::kName:
        return compare(a.name.view(), b.name.view());
      case RosterSortKey::kBattingOrder:
        return a.batting_order < b.batting_order ? -1 : a.batting_order > b.batting_order;
      case RosterSortKey::kUniformNumber:
        return a.uniform_number < b.uniform_number ? -1 : a.uniform_number > b.uniform_number;
      case RosterSortKey::kPosition:
        return a.position < b.position ? -1 : a.position > b.position;
    }
    return 0;
  };
  std::stable_sort(order.begin(), order.end(), [&](int ia, int ib) {
    const PLAYER& a = players[static_cast<std::size_t>(ia)];
    const PLAYER& b = players[static_cast<std::size_t>(ib)];
    if (key == RosterSortKey::kBattingOrder && (a.batting_order == 0) != (b.batting_order == 0)) {
      return b.batting_order == 0;  // not batting: always last
    }
    const int c = three_way(a, b);
    return forward ? c < 0 : c > 0;
  });
  roster.Reorder(order);
}

void RosterSorter::Sort(Roster& roster, RosterSortKey key, const NameCompare& compare) {
  bool& forward = forward_[static_cast<int>(key)];
  SortRoster(roster, key, forward, compare);
  forward = !forward;
}

int HighestBattingOrder(const Roster& roster) {
  int highest = 0;
  for (const PLAYER& p : roster.players()) highest = std::max(highest, int{p.batting_order});
  return highest;
}

int DuplicatedBattingSlot(const Roster& roster) {
  std::vector<int> orders;
  for (const PLAYER& p : roster.players()) {
    if (p.batting_order > 0) orders.push_back(int{p.batting_order});
  }
  std::sort(orders.begin(), orders.end());
  auto twice = std::adjacent_find(orders.begin(), orders.end());
  return twice == orders.end() ? 0 : *twice;
}

UserMessage DuplicateBattingOrderMessage(int slot) {
  return {Format("Can't save lineup.  %d%s position in batting order is duplicated.", slot,
                 std::string(OrdinalSuffix(slot)).c_str()),
          "Duplicate Batting Orders Assigned", MessageIcon::kExclamation};
}

UserMessage DhNotInRosterMessage() {
  return {"DH not in Roster. Reselect DH or select No DH", "Problem with DH",
          MessageIcon::kExclamation};
}

UserMessages RosterClashQuestions(const Roster& roster, const PLAYER& candidate, int index,
                                  bool ask_slot) {
  const std::vector<PLAYER>& players = roster.players();
  const PLAYER* stored = index >= 0 && index < static_cast<int>(players.size())
                             ? &players[static_cast<std::size_t>(index)]
                             : nullptr;
  auto other = [&](auto&& same) {
    for (std::size_t i = 0; i < players.size(); ++i) {
      if (static_cast<int>(i) != index && same(players[i])) return &players[i];
    }
    return static_cast<const PLAYER*>(nullptr);
  };
  UserMessages questions;
  const std::string name = Cp1252ToUtf8(candidate.name.view());
  if ((stored == nullptr || stored->name != candidate.name) &&
      other([&](const PLAYER& p) { return p.name == candidate.name.view(); })) {
    questions.push_back({name + " is already on the roster.  Players are told apart by their "
                                "names, so the two would be mixed up in line-ups and "
                                "statistics.\n\nUse the name twice?",
                         "Duplicate Player Name", MessageIcon::kQuestion});
  }
  const int slot = candidate.batting_order;
  const bool slot_changes = stored == nullptr || stored->batting_order != slot;
  if (const PLAYER* holder = ask_slot && slot_changes && slot > 0
                                 ? other([&](const PLAYER& p) { return p.batting_order == slot; })
                                 : nullptr) {
    const std::string ordinal = std::to_string(slot) + std::string(OrdinalSuffix(slot));
    questions.push_back({Cp1252ToUtf8(holder->name.view()) + " already bats " + ordinal +
                             ".  The line-up would show the " + ordinal +
                             " slot twice, and OK takes the line-up only when each slot is "
                             "held once.\n\nPut both players in that slot for now?",
                         "Duplicate Batting Orders Assigned", MessageIcon::kQuestion});
  }
  return questions;
}

std::optional<UserMessage> AcceptRosterEdit(Team& team, const DhChoice& dh) {
  if (const int slot = DuplicatedBattingSlot(team)) return DuplicateBattingOrderMessage(slot);
  if (dh.designated_hitter) {
    if (team.IndexOfPlayer(*dh.designated_hitter) < 0) return DhNotInRosterMessage();
    team.uses_designated_hitter = 1;
    team.designated_hitter.name.set(*dh.designated_hitter);
    team.dh_bats_for = dh.bats_for;
  } else {
    team.uses_designated_hitter = 0;
    for (PLAYER* p : {&team.designated_hitter, &team.dh_bats_for}) {
      p->name.clear();
      p->position = 0;
    }
  }
  team.lineup_size = HighestBattingOrder(team);
  return std::nullopt;
}

}  // namespace scorewick
