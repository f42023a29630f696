#include "stats/entries.h"

#include "records/codes.h"

namespace scorewick {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

const HALF_INNING& Half(const Game& game, int inning, bool top) {
  return game.innings[static_cast<std::size_t>(inning)].half(top);
}

// Innings are walked while their top half has plate appearances.
bool Played(const Game& game, int inning) {
  return inning < kInnings && !Half(game, inning, true).at_bats.empty();
}

}  // namespace

bool SameNameIgnoringCase(const NameText& field, std::string_view name) {
  // Compares the field's bytes in place: most names differ in their first
  // letters.
  if (name.size() > NameText::kCapacity) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = field.bytes[i];
    if (c == '\0' || AsciiLower(c) != AsciiLower(name[i])) return false;
  }
  return name.size() == NameText::kCapacity || field.bytes[name.size()] == '\0';
}

std::optional<Arrival> ArrivalIn(const Game& game, int inning, bool visitors,
                                 std::string_view name) {
  const HALF_INNING& top = Half(game, inning, true);
  const HALF_INNING& bottom = Half(game, inning, false);
  for (const std::vector<PLAYER>* lineup :
       {visitors ? &top.offense : &top.defense, visitors ? &bottom.defense : &bottom.offense}) {
    for (const PLAYER& p : *lineup) {
      if (SameNameIgnoringCase(p.name, name))
        return Arrival{p.batting_order, p.entered_inning, p.entry_value, p.entry_flag != 0};
    }
  }
  const std::vector<AT_BAT>& at_bats = (visitors ? top : bottom).at_bats;
  for (bool runner : {false, true}) {
    for (std::size_t j = 0; j < at_bats.size(); ++j) {
      const PLAYER& who = runner ? at_bats[j].pinch_runner : at_bats[j].batter;
      if (SameNameIgnoringCase(who.name, name))
        return Arrival{who.batting_order, inning + 1, static_cast<int>(j), visitors};
    }
  }
  return std::nullopt;
}

std::optional<Arrival> FirstPinchTurn(const Game& game, bool visitors, std::string_view name) {
  for (int i = 0; Played(game, i); ++i) {
    const std::vector<AT_BAT>& at_bats = Half(game, i, visitors).at_bats;
    for (std::size_t j = 0; j < at_bats.size(); ++j) {
      const AT_BAT& ab = at_bats[j];
      const bool hit = ab.batter.position == kPosPinchHitter && ab.batter.name.view() == name;
      const bool ran =
          ab.pinch_runner.position == kPosPinchRunner && ab.pinch_runner.name.view() == name;
      if (hit || ran) return Arrival{ab.batter.batting_order, i + 1, static_cast<int>(j), visitors};
    }
  }
  return std::nullopt;
}

}  // namespace scorewick
