#include "reports/site/renamed_game.h"

#include <algorithm>
#include <vector>

#include "reports/site/player_names.h"

namespace scorewick::site {
namespace {

void Rename(NameText& text, bool home, const ShownName& shown) {
  if (text.empty()) return;
  text.set(shown(home, text.view()));
}

void Rename(PLAYER& player, bool home, const ShownName& shown) { Rename(player.name, home, shown); }

// Whether the side named the player anywhere the engine looks for him.
bool OnSide(const Game& game, bool home, std::string_view name) {
  return (home ? game.home : game.visitor).IndexOfPlayer(name) >= 0;
}

// Whether text[at, at + size) is a whole word: no letter on either side.
bool WholeWord(std::string_view text, std::size_t at, std::size_t size) {
  const auto letter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           static_cast<unsigned char>(c) >= 0x80;
  };
  return (at == 0 || !letter(text[at - 1])) &&
         (at + size >= text.size() || !letter(text[at + size]));
}

// Replaces every whole-word `from` in text with `to`.
void ReplaceWords(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || from == to) return;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    if (!WholeWord(text, at, from.size())) {
      ++at;
      continue;
    }
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// The scorer's notes name players in his own words: each full name of the
// rosters becomes the shown name, and a last name standing alone its
// initial, so that a note hides what the names hide.
void RenameInNotes(Game& game, const ShownName& shown) {
  std::vector<std::pair<std::string, std::string>> names;       // full, shown
  std::vector<std::pair<std::string, std::string>> last_names;  // last, its initial
  for (const bool home : {true, false}) {
    for (const PLAYER& p : (home ? game.home : game.visitor).players()) {
      if (p.name.empty()) continue;
      const std::string full(p.name.view());
      const std::string to = shown(home, full);
      if (to == full) continue;
      names.emplace_back(full, to);
      const std::string last = SplitName(full).last;
      if (last.size() > 1) last_names.emplace_back(last, last.substr(0, 1) + ".");
    }
  }
  const auto longest_first = [](const auto& a, const auto& b) {
    return a.first.size() > b.first.size();
  };
  std::stable_sort(names.begin(), names.end(), longest_first);
  std::stable_sort(last_names.begin(), last_names.end(), longest_first);
  for (GAME_NOTE& note : game.notes) {
    std::string text(note.text.view());
    for (const auto& [from, to] : names) ReplaceWords(text, from, to);
    for (const auto& [from, to] : last_names) ReplaceWords(text, from, to);
    note.text.set(text);
  }
}

}  // namespace

void RenamePlayers(Game& game, const ShownName& shown) {
  RenameInNotes(game, shown);
  // The side of each pitcher of record, told by the rosters before they change.
  PLAYER* decisions[] = {&game.winning_pitcher, &game.saving_pitcher, &game.losing_pitcher};
  bool decision_home[3];
  for (int i = 0; i < 3; ++i) {
    const std::string_view name = decisions[i]->name.view();
    decision_home[i] = OnSide(game, true, name) || !OnSide(game, false, name);
  }
  for (int i = 0; i < 3; ++i) Rename(*decisions[i], decision_home[i], shown);
  for (const bool home : {true, false}) {
    Team& team = home ? game.home : game.visitor;
    for (int i = 0; i < team.count(); ++i) Rename(team.player(i), home, shown);
    Rename(team.designated_hitter, home, shown);
    Rename(team.dh_bats_for, home, shown);
    team.coach = NameText();
    team.manager = NameText();
  }
  for (INNING& inning : game.innings) {
    for (const bool top : {true, false}) {
      HALF_INNING& half = inning.half(top);
      const bool batting_home = !top;
      for (PLAYER& p : half.offense) Rename(p, batting_home, shown);
      for (PLAYER& p : half.defense) Rename(p, !batting_home, shown);
      for (AT_BAT& ab : half.at_bats) {
        for (PITCHER_SLOT& slot : ab.pitchers) Rename(slot.pitcher, !batting_home, shown);
        for (PITCH_DATA& detail : ab.pitch_details) Rename(detail.pitcher, !batting_home, shown);
        for (PITCH& pitch : ab.pitches) Rename(pitch.detail.pitcher, !batting_home, shown);
        Rename(ab.responsible_pitcher, !batting_home, shown);
        Rename(ab.batter, batting_home, shown);
        Rename(ab.pinch_runner, batting_home, shown);
        for (auto* credits : {&ab.out_credits, &ab.reach_credits}) {
          for (FIELDER_CREDIT& c : *credits) Rename(c.name, !batting_home, shown);
        }
        for (auto* credits : {&ab.error_credits, &ab.second_error_credits}) {
          for (FIELDER_CREDIT& c : *credits) Rename(c.name, !batting_home, shown);
        }
      }
    }
  }
}

}  // namespace scorewick::site
