#include "reports/site/renamed_game.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "reports/site/player_names.h"

namespace scorewick::site {
namespace {

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
  if (game.notes.empty()) return;
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

// Each name asked for once: a game names its few dozen players thousands
// of times (each pitch names its pitcher), and each is found again by its
// text among the few of its side.
class Renamer {
 public:
  explicit Renamer(const ShownName& given) : given_(given) {}

  void operator()(NameText& text, bool home) {
    if (text.empty()) return;
    auto& side = memo_[home ? 1 : 0];
    std::size_t& hit = last_[home ? 1 : 0];
    if (hit < side.size() && side[hit].first.bytes == text.bytes) {
      text = side[hit].second;
      return;
    }
    const std::string_view name = text.view();
    for (std::size_t i = 0; i < side.size(); ++i) {
      if (side[i].first.view() == name) {
        hit = i;
        text = side[i].second;
        return;
      }
    }
    NameText to(given_(home, name));
    hit = side.size();
    side.emplace_back(text, to);
    text = to;
  }

 private:
  const ShownName& given_;
  std::vector<std::pair<NameText, NameText>> memo_[2];
  std::size_t last_[2] = {0, 0};  // the name found last: the pitches of a turn name one pitcher
};

void RenameAtBat(AT_BAT& ab, bool batting_home, Renamer& rename) {
  for (PITCHER_SLOT& slot : ab.pitchers) rename(slot.pitcher.name, !batting_home);
  for (PITCH_DATA& detail : ab.pitch_details) rename(detail.pitcher.name, !batting_home);
  for (PITCH& pitch : ab.pitches) rename(pitch.detail.pitcher.name, !batting_home);
  rename(ab.responsible_pitcher.name, !batting_home);
  rename(ab.batter.name, batting_home);
  rename(ab.pinch_runner.name, batting_home);
  for (auto* credits : {&ab.out_credits, &ab.reach_credits}) {
    for (FIELDER_CREDIT& c : *credits) rename(c.name, !batting_home);
  }
  for (auto* credits : {&ab.error_credits, &ab.second_error_credits}) {
    for (FIELDER_CREDIT& c : *credits) rename(c.name, !batting_home);
  }
}

void RenameHalf(HALF_INNING& half, bool batting_home, Renamer& rename) {
  for (PLAYER& p : half.offense) rename(p.name, batting_home);
  for (PLAYER& p : half.defense) rename(p.name, !batting_home);
  for (AT_BAT& ab : half.at_bats) RenameAtBat(ab, batting_home, rename);
}

// The pitchers of record, each on the side the rosters tell before they change.
void RenameDecisions(Game& game, Renamer& rename) {
  PLAYER* decisions[] = {&game.winning_pitcher, &game.saving_pitcher, &game.losing_pitcher};
  bool decision_home[3];
  for (int i = 0; i < 3; ++i) {
    const std::string_view name = decisions[i]->name.view();
    decision_home[i] = OnSide(game, true, name) || !OnSide(game, false, name);
  }
  for (int i = 0; i < 3; ++i) rename(decisions[i]->name, decision_home[i]);
}

}  // namespace

void RenamePlayers(Game& game, const ShownName& given) {
  Renamer rename(given);
  const ShownName shown = [&](bool home, std::string_view name) {
    NameText text(name);
    rename(text, home);
    return text.str();
  };
  RenameInNotes(game, shown);
  RenameDecisions(game, rename);
  for (const bool home : {true, false}) {
    Team& team = home ? game.home : game.visitor;
    for (int i = 0; i < team.count(); ++i) rename(team.player(i).name, home);
    rename(team.designated_hitter.name, home);
    rename(team.dh_bats_for.name, home);
    team.coach = NameText();
    team.manager = NameText();
  }
  for (INNING& inning : game.innings) {
    for (const bool top : {true, false}) RenameHalf(inning.half(top), !top, rename);
  }
}

}  // namespace scorewick::site
