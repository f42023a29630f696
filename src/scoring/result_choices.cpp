#include "scoring/result_choices.h"

#include <algorithm>

namespace scorewick::scoring {

namespace {

using F = FieldersTaken;

// The results in the order they are offered.
const ResultKind kKinds[] = {
    {"Single", "1B", "", F::kOptional, 1},
    {"Double", "2B", "", F::kOptional, 1},
    {"Triple", "3B", "", F::kOptional, 1},
    {"Home run", "HR", "", F::kOptional, 1},
    {"Ground-rule 2B", "GRD", "", F::kOptional, 1},
    {"Inside-park HR", "IHR", "", F::kOptional, 1},
    {"Ground out", "", "", F::kChain, 1},
    {"Fly out", "F", "", F::kOne, 1},
    {"Line out", "L", "", F::kOne, 1},
    {"Pop out", "P", "", F::kOne, 1},
    {"Foul out", "FF", "", F::kOne, 1},
    {"Double play", "", "DP", F::kChain, 2},
    {"Triple play", "", "TP", F::kChain, 2},
    {"Sacrifice fly", "SF", "", F::kOne, 1},
    {"Sacrifice bunt", "SH", "", F::kChain, 1},
    {"Infield fly", "IF", "", F::kOne, 1},
    {"Fielder's choice", "FC", "", F::kOne, 1},
    {"Error", "E", "", F::kOne, 1},
    {"Interference", "CI", "", F::kNone, 1},
    {"Dropped 3rd, WP", "KWP", "", F::kNone, 1},
    {"Dropped 3rd, PB", "KPB", "", F::kNone, 1},
    {"Dropped 3rd, E2", "KE2", "", F::kNone, 1},
    {"Dropped 3rd, out", "K", "", F::kChain, 1},
};

bool DroppedThird(std::string_view prefix) { return prefix.size() >= 1 && prefix[0] == 'K'; }

// What the situation says of a result: empty when it allows it.
// The runners and outs left a result needs in the situation: bases by bit
// (first 1, second 2, third 4), all of them or any.
constexpr int kFirst = 1, kSecond = 2, kThird = 4;

struct SituationRule {
  bool of_suffix;  // the rule is the kind's suffix's (DP), else its prefix's (SF)
  std::string_view code;
  int bases;
  bool any_runner;
  const char* runners_reason;
  int outs_left;
  const char* outs_reason;
};

constexpr SituationRule kSituationRules[] = {
    {true, "DP", kFirst, false, "a double play needs a runner on first to force", 2,
     "a double play needs two outs left"},
    {true, "TP", kFirst | kSecond, false, "a triple play needs runners on first and second", 3,
     "a triple play needs three outs left"},
    {false, "SF", kThird, false, "a sacrifice fly needs a runner on third", 2,
     "a sacrifice fly needs fewer than two outs"},
    {false, "SH", kFirst | kSecond | kThird, true, "a sacrifice bunt needs a runner", 2,
     "a sacrifice bunt needs fewer than two outs"},
    {false, "IF", kFirst | kSecond, false, "an infield fly needs runners on first and second", 2,
     "an infield fly needs fewer than two outs"},
    {false, "FC", kFirst | kSecond | kThird, true, "a fielder's choice needs a runner", 0, ""},
};

std::string WhyNot(const Scorer& s, const ResultKind& k) {
  const LeagueRules& r = s.rules();
  const bool r1 = s.occupied(1), r2 = s.occupied(2), r3 = s.occupied(3);
  const int outs_left = r.outs_per_inning - s.outs();
  const std::string_view p = k.prefix;
  if (!s.half_open()) return "no half-inning is being played";
  // Between two turns the count is the next batter's, 0-0.
  const int balls = s.turn_open() ? s.balls() : 0;
  const int strikes = s.turn_open() ? s.strikes() : 0;
  if (balls >= r.balls_per_walk || strikes >= r.strikes_per_out)
    return "the count has ended the turn";
  if (DroppedThird(p)) {
    if (strikes != r.strikes_per_out - 1) return "a dropped third strike needs two strikes";
    if (r1 && outs_left > 1)
      return "with first base taken and fewer than two outs the batter is out";
    return {};
  }
  const int on = (r1 ? kFirst : 0) | (r2 ? kSecond : 0) | (r3 ? kThird : 0);
  for (const SituationRule& rule : kSituationRules) {
    if ((rule.of_suffix ? k.suffix : p) != rule.code) continue;
    const bool runners = rule.any_runner ? (on & rule.bases) != 0 : (on & rule.bases) == rule.bases;
    if (!runners) return rule.runners_reason;
    if (outs_left < rule.outs_left) return rule.outs_reason;
  }
  return {};
}

std::string Chain(const std::vector<int>& fielders) {
  std::string text;
  for (int f : fielders) text += (text.empty() ? "" : "-") + std::to_string(f);
  return text;
}

}  // namespace

std::vector<ResultChoice> ResultChoices(const Scorer& s) {
  std::vector<ResultChoice> choices;
  for (const ResultKind& k : kKinds) choices.push_back({k, WhyNot(s, k)});
  return choices;
}

std::vector<ResultChoice> ResultChoices(const LiveBook& book) {
  if (!book.scorer()) return {};
  std::vector<ResultChoice> choices = ResultChoices(*book.scorer());
  for (ResultChoice& c : choices) {
    if (!c.why_not.empty()) continue;
    const ResultKind& k = c.kind;
    std::vector<int> fielders;
    if (k.fielders == F::kOne) fielders = {6};
    if (k.fielders == F::kChain) {
      fielders = k.prefix == "K"    ? std::vector<int>{2, 3}
                 : k.prefix == "SH" ? std::vector<int>{1, 3}
                 : k.min_chain >= 2 ? std::vector<int>{6, 4, 3}
                                    : std::vector<int>{6, 3};
    }
    if (Status tried = book.Check({ResultWord(k, fielders)}); !tried) c.why_not = tried.reason;
  }
  return choices;
}

std::string ResultWord(const ResultKind& kind, const std::vector<int>& fielders) {
  for (int f : fielders) {
    if (f < 1 || f > 9) return {};
  }
  const std::string prefix(kind.prefix), suffix(kind.suffix);
  switch (kind.fielders) {
    case F::kNone:
      return prefix;
    case F::kOptional:
      return fielders.empty() ? prefix : prefix + std::to_string(fielders.front());
    case F::kOne:
      return fielders.size() == 1 ? prefix + std::to_string(fielders.front()) : std::string();
    case F::kChain:
      if (static_cast<int>(fielders.size()) < kind.min_chain) return {};
      // A ground ball one fielder handled alone is his, unassisted.
      if (prefix.empty() && suffix.empty() && fielders.size() == 1)
        return std::to_string(fielders.front()) + "U";
      return prefix + Chain(fielders) + suffix;
  }
  return {};
}

std::vector<RunnerEnd> RunnerEnds(const Scorer& s, const Play& play) {
  std::vector<RunnerEnd> ends;
  for (int base = 1; base <= 3; ++base) {
    if (!s.occupied(base)) continue;
    RunnerEnd e{base, base, false, {}, {}};
    for (const RunnerMove& m : play.runners) {
      if (m.from != base) continue;
      e.out = m.out;
      e.to = m.out ? m.to + 1 : m.to;  // an out is where he was going
      for (const Fielded& f : m.chain) e.fielders.push_back(f.position);
    }
    ends.push_back(e);
  }
  const BatterPart& b = play.batter;
  if (b.present && b.reached) {
    RunnerEnd e{0, b.to, b.out, {}, {}};
    if (b.out) {
      e.to = b.to + 1;
      for (const Fielded& f : b.chain) e.fielders.push_back(f.position);
    }
    ends.push_back(e);
  }
  return ends;
}

std::vector<std::string> RunnerWords(const std::vector<RunnerEnd>& proposed,
                                     const std::vector<RunnerEnd>& chosen) {
  const auto same_as_proposed = [&proposed](const RunnerEnd& c) {
    const auto p = std::find_if(proposed.begin(), proposed.end(),
                                [&c](const RunnerEnd& e) { return e.from == c.from; });
    return p != proposed.end() && p->to == c.to && p->out == c.out &&
           (!c.out || p->fielders == c.fielders) && c.reason.empty();
  };
  // Once one runner goes elsewhere, every runner who moves is written: the
  // defaults of the others would follow the change, not what was shown.
  if (std::all_of(chosen.begin(), chosen.end(), same_as_proposed)) return {};
  std::vector<std::string> words;
  for (const RunnerEnd& c : chosen) {
    const bool same = same_as_proposed(c);
    // The batter's own bases, and the outs of the result itself (the
    // runner forced on a double play), are the result's.
    if (same && (c.from == 0 || c.out)) continue;
    if (!c.out && c.to <= c.from) continue;  // he stays
    std::string word;
    word += c.from == 0 ? 'B' : static_cast<char>('0' + c.from);
    word += c.out ? 'X' : '-';
    word += c.to >= 4 ? 'H' : static_cast<char>('0' + c.to);
    if (c.out) {
      word += "(" + Chain(c.fielders) + ")";
    } else if (!c.reason.empty()) {
      word += "(" + c.reason + ")";
    }
    words.push_back(word);
  }
  return words;
}

}  // namespace scorewick::scoring
