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
void AppendHomeRun(std::string& out, std::string_view kind, int rbi) {
  // kind is "" or " inside park".
  switch (rbi) {
    case 1:
      out += " hit solo";
      break;
    case 2:
      out += " hit 2-run";
      break;
    case 3:
      out += " hit 3-run";
      break;
    case 4:
      out += " hit";
      out += kind;
      out += " grand slam";
      return;
    default:
      return;
  }
  out += kind;
  out += " home run";
}

void AppendReach(std::string& out, const AT_BAT& ab) {
  std::string_view err;
  switch (ab.error_bases[0]) {
    case 2:
      err = " 2-base";
      break;
    case 3:
      err = " 3-base";
      break;
    case 4:
      err = " 4-base";
      break;
    default:
      break;
  }
  std::string_view phrase;
  switch (ab.how_reached) {
    case kReachSingle:
      phrase = " singled";
      break;
    case kReachDouble:
      phrase = " doubled";
      break;
    case kReachTriple:
      phrase = " tripled";
      break;
    case kReachHomeRun:
      AppendHomeRun(out, "", ab.rbi);
      return;
    case kReachWalk:
      phrase = " walked";
      break;
    case kReachIntentionalWalk:
      phrase = " intentionally walked";
      break;
    case kReachHitByPitch:
      phrase = " hit by pitch";
      break;
    case kReachAwardedBase:
      phrase = " awarded first base";
      break;
    case kReachInterference:
      phrase = " reached on interference";
      break;
    case kReachFieldersChoice:
      phrase = " reached on fielder's choice";
      break;
    case kReachError:
    case kReachAssistWithError:
    case kReachSacrificeWithError:
      phrase = " reached on%s error";
      break;
    case kReachDroppedThirdWP:
      phrase = " reached on dropped 3rd strike WP";
      break;
    case kReachDroppedThirdPB:
      phrase = " reached on dropped 3rd strike PB";
      break;
    case kReachInsideParkHR:
      AppendHomeRun(out, " inside park", ab.rbi);
      return;
    case kReachGroundRuleDouble:
      phrase = " ground rule doubled";
      break;
    case kReachTieBreaker:
      phrase = " tie breaker rule, awarded second base";
      break;
    case kReachSacrificeFC:
      phrase = " reached on sacrifice fielder's choice";
      break;
    case kReachSacHitWithError:
      phrase = " reached on sac hit with%s error";
      break;
    case kReachSacFlyWithError:
      phrase = " reached on sac fly with%s error";
      break;
    case kReachDroppedThirdError:
      phrase = " reached on dropped 3rd strike w/error";
      break;
    case kReachFieldersChoiceDP:
      phrase = " reached on fielder's choice, DP";
      break;
    default:
      phrase = " reached first base";
      break;  // 0, 16 and unknown codes
  }
  AppendFilled(out, phrase, err);
}

struct AdvancePhrase {
  std::string_view phrase;        // "" = told by nothing
  std::int32_t merged_with = -1;  // when the next slot holds this code, told there
};

AdvancePhrase AdvancePhraseOf(std::int32_t code, int slot) {
  switch (code) {
    case kAdvStolenBase:
      return {", stole %s"};
    case kAdvBatted:
      return {", batted forward to %s", kAdvBatted};
    case kAdvAwarded:
      return {", awarded %s"};
    case kAdvWildPitch:
      return {", advanced to %s on wild pitch", kAdvWildPitchContinued};
    case kAdvPassedBall:
      return {", advanced to %s on passed ball", kAdvPassedBallContinued};
    case kAdvBalk:
      return {", advanced to %s on balk"};
    case kAdvError:
    case kAdvErrorContinued:
    case kAdvAssistWithError:
    case kAdvCaughtStealingError:
      return {", advanced to %s on error", kAdvErrorContinued};
    case kAdvWildPitchContinued:
      return {", advanced to %s on wild pitch", kAdvWildPitchContinued};
    case kAdvPassedBallContinued:
      return {", advanced to %s on passed ball", kAdvPassedBallContinued};
    case kAdvBalkContinued:
      return {", advanced to %s on balk", kAdvBalkContinued};
    case kAdvForcedByWalk:
      return {slot == 2 ? ", walked %s" : ", walked forward to %s"};
    case kAdvAdditionalBase:
      return {", additional base to %s"};
    case kAdvFieldersChoice:
      return {", advanced on FC to %s"};
    case kAdvDefensiveIndifference:
      return {", advanced to %s on defensive indifference"};
    case kAdvOnThrow:
      return {", advanced to %s on throw"};
    case kAdvDoubleSteal:
      return {", stole %s (double steal)"};
    case kAdvTripleSteal:
      return {", stole %s (triple steal)"};
    case kAdvInterference:
      return {", advanced to %s on interference"};
    default:
      return {};
  }
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

void AddHalf(std::vector<std::string>& lines, const Game& game, int inning, bool top) {
  const HALF_INNING& half = game.innings[static_cast<std::size_t>(inning)].half(top);
  const int number = inning + 1;
  std::string header = game.batting_team(top).team_name.str();
  header += top ? " - Top of the " : " - Bottom of the ";
  header += std::to_string(number);
  header += OrdinalSuffix(number);
  header += ':';
  lines.push_back(std::move(header));
  for (std::size_t j = 0; j < half.at_bats.size(); ++j) {
    std::string sentence = NarrateAtBat(half.at_bats[j]);
    if (FitsOneLine(sentence, kNarrativeWidth)) {
      if (!sentence.empty()) lines.push_back(std::move(sentence));
    } else {
      AddWrappedLine(lines, sentence, kNarrativeWidth);
    }
    const auto note = std::find_if(game.notes.begin(), game.notes.end(), [&](const GAME_NOTE& n) {
      return n.inning == inning && n.at_bat == static_cast<std::int32_t>(j) && (n.half != 0) == top;
    });
    if (note != game.notes.end() && !note->text.empty()) {
      AddWrappedLine(lines, note->text.view(), kNarrativeWidth);
    }
  }
  const HalfInningTotals t = TallyHalfInning(half);
  // "%d run%s, %d hit%s, %d error%s, %d LOB."
  std::string totals;
  auto count = [&totals](int n, std::string_view what) {
    totals += std::to_string(n);
    totals += what;
    totals += PluralSuffix(n);
    totals += ", ";
  };
  count(t.runs, " run");
  count(t.hits, " hit");
  count(t.errors, " error");
  totals += std::to_string(t.left_on_base);
  totals += " LOB.";
  lines.push_back(std::move(totals));
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

void AddPlayByPlay(std::vector<std::string>& lines, const Game& game, int innings_shown) {
  if (game.innings[0].top.at_bats.empty()) return;
  const int shown = std::min(innings_shown, kInnings);
  for (int i = 0; i < shown; ++i) {
    AddHalf(lines, game, i, true);
    if (!game.innings[static_cast<std::size_t>(i)].bottom.at_bats.empty())
      AddHalf(lines, game, i, false);
  }
}

}  // namespace scorewick::reports
