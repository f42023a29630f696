#include "reports/play_by_play.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "records/codes.h"
#include "reports/half_inning_totals.h"
#include "reports/wrapped_lines.h"

namespace scorewick::reports {
namespace {

// Appends phrase to out with its "%s" (if any) replaced by value.
void AppendFilled(std::string& out, std::string_view phrase, std::string_view value) {
  const std::size_t at = phrase.find('%');
  if (at == std::string_view::npos) {
    out += phrase;
    return;
  }
  out += phrase.substr(0, at);
  out += value;
  out += phrase.substr(at + 2);
}

// The home-run phrase for an RBI count; nothing for a count outside 1..4.
// kind is "" or " inside park".
void AppendHomeRun(std::string& out, std::string_view kind, int rbi) {
  static constexpr std::array<std::string_view, 5> kHitBy = {"", " hit solo", " hit 2-run",
                                                             " hit 3-run", " hit"};
  if (rbi < 1 || rbi > 4) return;
  out += kHitBy[static_cast<std::size_t>(rbi)];
  out += kind;
  out += rbi == 4 ? " grand slam" : " home run";
}

// The phrase of each way of reaching, by ReachResult; "%s" takes the
// error's bases (" 2-base").  Home runs are told by AppendHomeRun.
constexpr std::array<std::string_view, kReachResultCount> kReachPhrases = {
    " reached first base",  // on base
    " singled",
    " doubled",
    " tripled",
    "",  // home run
    " walked",
    " intentionally walked",
    " hit by pitch",
    " awarded first base",
    " reached on interference",
    " reached on fielder's choice",
    " reached on%s error",
    " reached on%s error",  // assist with error
    " reached on%s error",  // sacrifice with error
    " reached on dropped 3rd strike WP",
    " reached on dropped 3rd strike PB",
    " reached first base",  // bunt single
    "",                     // inside-the-park home run
    " ground rule doubled",
    " tie breaker rule, awarded second base",
    " reached on sacrifice fielder's choice",
    " reached on sac hit with%s error",
    " reached on sac fly with%s error",
    " reached on dropped 3rd strike w/error",
    " reached on fielder's choice, DP",
};

// The bases an error gave, as the reach phrase tells them (1 base: none).
constexpr std::array<std::string_view, 5> kErrorBases = {"", "", " 2-base", " 3-base", " 4-base"};

void AppendReach(std::string& out, const AT_BAT& ab) {
  const std::int32_t how = ab.how_reached;
  if (how == kReachHomeRun || how == kReachInsideParkHR) {
    AppendHomeRun(out, how == kReachHomeRun ? "" : " inside park", ab.rbi);
    return;
  }
  const std::int32_t error_bases = ab.error_bases[0];
  const std::string_view err = error_bases >= 2 && error_bases <= 4
                                   ? kErrorBases[static_cast<std::size_t>(error_bases)]
                                   : "";
  const bool known = how >= 0 && how < kReachResultCount;
  AppendFilled(out, known ? kReachPhrases[static_cast<std::size_t>(how)] : kReachPhrases[0], err);
}

struct AdvancePhrase {
  std::string_view phrase;        // "" = told by nothing
  std::int32_t merged_with = -1;  // when the next slot holds this code, told there
};

// The phrase of each way of advancing, by AdvanceType; "%s" takes the base
// reached.  A run of the same wild pitch, passed ball, error or balk over
// two bases, and two bases batted forward, are told once, at the second.
constexpr std::array<AdvancePhrase, kAdvanceTypeCount> kAdvancePhrases = {{
    {},
    {", stole %s"},
    {", batted forward to %s", kAdvBatted},
    {", awarded %s"},
    {", advanced to %s on wild pitch", kAdvWildPitchContinued},
    {", advanced to %s on passed ball", kAdvPassedBallContinued},
    {", advanced to %s on balk"},
    {", advanced to %s on error", kAdvErrorContinued},
    {", advanced to %s on error", kAdvErrorContinued},  // error, continued
    {", advanced to %s on wild pitch", kAdvWildPitchContinued},
    {", advanced to %s on passed ball", kAdvPassedBallContinued},
    {", advanced to %s on balk", kAdvBalkContinued},
    {", walked forward to %s"},  // home: ", walked %s"
    {", additional base to %s"},
    {", advanced on FC to %s"},
    {", advanced to %s on error", kAdvErrorContinued},  // assist with error
    {", advanced to %s on error", kAdvErrorContinued},  // caught stealing, error
    {", advanced to %s on defensive indifference"},
    {", advanced to %s on throw"},
    {", stole %s (double steal)"},
    {", stole %s (triple steal)"},
    {", advanced to %s on interference"},
}};

AdvancePhrase AdvancePhraseOf(std::int32_t code, int slot) {
  if (code == kAdvForcedByWalk && slot == 2) return {", walked %s"};
  if (code < 0 || code >= kAdvanceTypeCount) return {};
  return kAdvancePhrases[static_cast<std::size_t>(code)];
}

std::string_view OutPhrase(std::int32_t code) {
  static constexpr std::array<std::string_view, kOutTypeCount> kPhrases = {
      "",
      " struck out swinging",
      " struck out looking",
      " grounded out",
      " flied out",
      " flied out foul",
      " hit into double play",
      " hit into triple play",
      " sacrifice flied",
      " sacrifice bunted",
      " called out by interference",
      " struck out",
      " bunted foul on 2nd strike",
      ", forced out at %s",
      ", tagged out going to %s",
      ", caught trying to steal %s",
      ", left base early, called out",
      ", did not tag, called out",
      ", picked off",
      ", left base path, called out",
      " missed base, called out",
      " called out by illegally batted ball",
      " batted out of turn, called out",
      ", hit by fair ball, called out",
      ", touched by own batted ball, called out",
      " lined out",
      " called out",
      ", called out for circle violation",
      ", called out for leading off violation",
      ", called out for head first slide",
      " sacrificed",
      " grounded into double play",
      " out by infield fly rule",
      " called out for thrown bat",
      " bunted out",
      ", tagged out after over running base",
      " non-forced grounded into dp",
      ", caught trying to steal %s, dp",
      " sac flied into dp",
      " base line violation to %s",
      " popped out",
  };
  if (code < 0 || code >= kOutTypeCount) return "";
  return kPhrases[static_cast<std::size_t>(code)];
}

// "2nd", "3rd", "home": the base reached by the advance of slot s.
std::string AdvanceBase(int slot) {
  if (slot == 2) return "home";
  return std::to_string(slot + 2) + std::string(OrdinalSuffix(slot + 2));
}

PlayByPlayHalf HalfOf(const Game& game, int inning, bool top) {
  const HALF_INNING& half = game.innings[static_cast<std::size_t>(inning)].half(top);
  const int number = inning + 1;
  PlayByPlayHalf told;
  told.heading = game.batting_team(top).team_name.str();
  told.heading += top ? " - Top of the " : " - Bottom of the ";
  told.heading += std::to_string(number);
  told.heading += OrdinalSuffix(number);
  told.heading += ':';
  for (std::size_t j = 0; j < half.at_bats.size(); ++j) {
    std::string sentence = NarrateAtBat(half.at_bats[j]);
    if (!sentence.empty()) told.entries.push_back({std::move(sentence), false});
    const auto note = std::find_if(game.notes.begin(), game.notes.end(), [&](const GAME_NOTE& n) {
      return n.inning == inning && n.at_bat == static_cast<std::int32_t>(j) && (n.half != 0) == top;
    });
    if (note != game.notes.end() && !note->text.empty()) {
      told.entries.push_back({std::string(note->text.view()), true});
    }
  }
  const HalfInningTotals t = TallyHalfInning(half);
  // "%d run%s, %d hit%s, %d error%s, %d LOB."
  auto count = [&told](int n, std::string_view what) {
    told.totals += std::to_string(n);
    told.totals += what;
    told.totals += PluralSuffix(n);
    told.totals += ", ";
  };
  count(t.runs, " run");
  count(t.hits, " hit");
  count(t.errors, " error");
  told.totals += std::to_string(t.left_on_base);
  told.totals += " LOB.";
  return told;
}

void AddHalf(std::vector<std::string>& lines, PlayByPlayHalf half) {
  lines.push_back(std::move(half.heading));
  for (PlayByPlayHalf::Entry& entry : half.entries) {
    if (entry.note) {
      AddWrappedLine(lines, entry.text, kNarrativeWidth);
    } else if (FitsOneLine(entry.text, kNarrativeWidth, LineBreaks::kInText)) {
      // The sentence is made of names: a line break in one is no paragraph.
      lines.push_back(std::move(entry.text));
    } else {
      AddWrappedLine(lines, entry.text, kNarrativeWidth, LineBreaks::kInText);
    }
  }
  lines.push_back(std::move(half.totals));
  lines.emplace_back();
}

}  // namespace

std::string NarrateAtBat(const AT_BAT& ab) {
  if (!ab.reached && !ab.out) return {};
  std::string s;
  s.reserve(96);
  s += ab.batter.name.view();
  const int hit_bases = ab.reached ? ReachBases(ab.how_reached) : 1;
  if (ab.reached) AppendReach(s, ab);
  if (!ab.pinch_runner.name.empty() && ab.pinch_runner.name.view() != ab.batter.name.view()) {
    s += ", ";
    s += ab.pinch_runner.name.view();
    s += " ran for batter";
  }
  // A damaged record may claim more than home; only the three slots exist.
  const int last_slot = std::min(ab.bases_reached - 2, 2);
  for (int slot = std::max(hit_bases - 1, 0); slot <= last_slot; ++slot) {
    const AdvancePhrase a = AdvancePhraseOf(ab.advances[slot], slot);
    if (a.phrase.empty()) continue;
    if (slot < 2 && a.merged_with >= 0 && ab.advances[slot + 1] == a.merged_with) continue;
    AppendFilled(s, a.phrase, AdvanceBase(slot));
  }
  if (ab.out) {
    const int b = ab.bases_reached;
    const std::string base =
        b == 3 ? "home" : std::to_string(b + 1) + std::string(OrdinalSuffix(b + 1));
    AppendFilled(s, OutPhrase(ab.how_out), base);
  }
  if (ab.rbi > 0) s += ", " + std::to_string(ab.rbi) + " RBI";
  s += '.';
  return s;
}

std::vector<PlayByPlayHalf> PlayByPlayHalves(const Game& game, int innings_shown) {
  std::vector<PlayByPlayHalf> halves;
  if (game.innings[0].top.at_bats.empty()) return halves;
  const int shown = std::min(innings_shown, kInnings);
  for (int i = 0; i < shown; ++i) {
    halves.push_back(HalfOf(game, i, true));
    if (!game.innings[static_cast<std::size_t>(i)].bottom.at_bats.empty())
      halves.push_back(HalfOf(game, i, false));
  }
  return halves;
}

void AddPlayByPlay(std::vector<std::string>& lines, const Game& game, int innings_shown) {
  for (PlayByPlayHalf& half : PlayByPlayHalves(game, innings_shown))
    AddHalf(lines, std::move(half));
}

}  // namespace scorewick::reports
