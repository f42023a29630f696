#include "app/core/live_situation.h"

#include "records/codes.h"
#include "stats/accumulate.h"

namespace scorewick::app {
namespace {

std::string Ordinal(int n) { return std::to_string(n) + std::string(OrdinalSuffix(n)); }

std::string Score(const Game& game) {
  return game.visitor.team_name.str() + " " + std::to_string(game.visitor_runs) + ", " +
         game.home.team_name.str() + " " + std::to_string(game.home_runs);
}

// Before the first pitch: what the line-ups still need.
std::string BeforeTheGame(const scoring::LiveBook::LineUps& l) {
  if (l.names[0].empty() && l.names[1].empty()) {
    return "The game has not begun: name the teams (visitors \"Name\", then its players; home "
           "\"Name\", then its players), or start with --visitor TEAM.tem --home TEAM.tem.\n";
  }
  std::string text = "The game has not begun.\n";
  if (l.listing >= 0) {
    const int k = l.listing;
    const int n = l.batters[k];
    text += "The line-up of " + l.names[k] + ": " +
            (n == 0 ? std::string("no batter yet")
                    : std::to_string(n) + (n == 1 ? " batter" : " batters")) +
            (l.pitcher[k] ? "" : ", no pitcher") + " (" + std::to_string(n + 1) +
            " \"Name\" SS ...; P \"Name\" P for a pitcher who does not bat).\n";
  }
  const int other = l.listing == 0 ? 1 : 0;
  if (l.names[other].empty()) {
    text +=
        std::string("Then ") + (other == 0 ? "visitors" : "home") + " \"Name\" and its line-up.\n";
  } else if (l.batters[other] == 0) {
    text += std::string("Then ") + (other == 0 ? "visitors" : "home") + " \"" + l.names[other] +
            "\" and its line-up.\n";
  }
  return text + "Then the first pitch.\n";
}

}  // namespace

// "1 for 2, BB, 2 RBI": the batter's line of the day so far.
std::string LineOfTheDay(const Game& game, bool home, std::string_view name) {
  Stat stat;
  stat.team_name = (home ? game.home : game.visitor).team_name.str();
  Accumulate(stat, game, Split::kAll, Split::kAll, false);
  for (const BattingStat& b : stat.batting) {
    if (b.name != name) continue;
    if (b.plate_appearances == 0) return "first time up";
    std::string line = std::to_string(b.hits) + " for " + std::to_string(b.at_bats);
    const auto add = [&line](int n, const char* what) {
      if (n == 1) line += std::string(", ") + what;
      if (n > 1) line += ", " + std::to_string(n) + " " + what;
    };
    add(b.home_runs, "HR");
    add(b.walks, "BB");
    add(b.hit_by_pitch, "HBP");
    add(b.strikeouts(), "SO");
    add(b.rbi, "RBI");
    add(b.stolen_bases, "SB");
    return line;
  }
  return "first time up";
}

// "Rex Roe, 52 pitches (2 days of rest; 33 more to the day's most of 85)".
std::string PitcherLine(const scoring::Scorer& s, const PLAYER& pitcher,
                        const WorkloadRules& rules) {
  const int pitches = s.PitcherPitches(pitcher.name.view());
  std::string line =
      pitcher.name.str() + ", " + std::to_string(pitches) + " pitch" + (pitches == 1 ? "" : "es");
  std::string rest;
  const int days = RestDaysAfter(rules, pitches);
  if (days > 0) rest = std::to_string(days) + " day" + (days == 1 ? "" : "s") + " of rest";
  if (rules.daily_max > 0) {
    const int left = rules.daily_max - pitches;
    if (!rest.empty()) rest += "; ";
    rest += left > 0 ? std::to_string(left) + " more to the day's most of " +
                           std::to_string(rules.daily_max)
                     : "WARNING: the day's most of " + std::to_string(rules.daily_max) +
                           " pitches is reached";
  }
  return rest.empty() ? line : line + " (" + rest + ")";
}

std::string Situation(const scoring::LiveBook& book, const WorkloadRules& workload) {
  const scoring::Scorer* s = book.scorer();
  const Game& game = book.game();
  if (!s) return BeforeTheGame(book.Listed());
  if (book.Over()) {
    std::string text = "Final: " + Score(game) + ".";
    if (!game.winning_pitcher.name.empty()) text += " W " + game.winning_pitcher.name.str();
    if (!game.losing_pitcher.name.empty()) text += ", L " + game.losing_pitcher.name.str();
    if (!game.saving_pitcher.name.empty()) text += ", S " + game.saving_pitcher.name.str();
    return text + "\n";
  }
  const bool top = s->half_open() ? s->top() : s->halves_played() % 2 == 0;
  const int inning = s->half_open() ? s->inning() + 1 : s->halves_played() / 2 + 1;
  std::string text;
  if (!s->half_open() && s->halves_played() > 0) {
    const int h = s->halves_played() - 1;
    text += "End of the " + std::string(h % 2 == 0 ? "top" : "bottom") + " of the " +
            Ordinal(h / 2 + 1) + ". ";
  }
  text += std::string(top ? "Top" : "Bottom") + " of the " + Ordinal(inning);
  if (s->half_open()) {
    text += ", " + std::to_string(s->outs()) + " out" + std::string(PluralSuffix(s->outs()));
    if (s->turn_open())
      text += ", " + std::to_string(s->balls()) + "-" + std::to_string(s->strikes());
  }
  text += ". " + Score(game) + ".\n";
  std::string runners;
  for (int base = 1; base <= 3; ++base) {
    if (!s->occupied(base)) continue;
    runners += (runners.empty() ? "" : ", ") + Ordinal(base) + " " + s->runner(base).name.str();
  }
  if (!runners.empty()) text += "Runners: " + runners + ".\n";
  const bool home_bats = !top;
  const PLAYER batter = s->InSlot(home_bats, s->DueUp(home_bats));
  text += std::string(s->turn_open() ? "At bat: " : "Up: ") + batter.name.str() + " (" +
          LineOfTheDay(game, home_bats, batter.name.view()) + ").\n";
  text += "Pitching: " + PitcherLine(*s, s->AtPosition(!home_bats, kPosPitcher), workload) + ".\n";
  return text;
}

std::string ScoringHelp() {
  return "Words of the scorebook, one or several a line:\n"
         "  pitches      b ball, c called strike, s swinging, f foul, i intentional ball,\n"
         "               p pitch-out, m missed bunt, l foul bunt (bsf; c/SL/84/60,100 with "
         "details)\n"
         "  between      SB2 SB3 SBH, CS2(2-6), PO1(1-3), POA1, CPA2, WP, PB, BK, DI2\n"
         "  results      K KL, BB IBB HBP CI, 1B7 2B8 3B9 HR7 (1B7@120,40), E6, FC6, 6-3,\n"
         "               F8 P4 L6 FF2, SF8, SH1-3, 6-4-3DP, K2-3 KWP KPB KE2\n"
         "  runners      after the result: 1-3 2-H B-2, 1X2(6-4), 3-H(E7)(UR), 2-3(WP)\n"
         "  changes      PH \"Name\", PR1 \"Name\", P \"Name\", D6 \"Name\", M8 \"Name\"\n"
         "  notes        ; text after a play, or alone for the last play\n"
         "  the end      called (a game ended early)\n"
         "Commands: undo [N], book, fix N WORDS, insert N WORDS, delete N, box, help, quit.\n";
}

}  // namespace scorewick::app
