// The play lines of a scorebook: pitches, runner events between pitches,
// substitutions, the batter's result and where the runners went.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <optional>

#include "records/codes.h"
#include "scoring/book_compiler.h"
#include "scoring/book_exact.h"
#include "scoring/play_builders.h"

namespace scorewick::scoring::book {

namespace {

// A point of the field picture for a ball handled by a fielder: where he
// stands; for a hit to an outfielder, nearer the plate for a single and at
// the fence for a home run.
void PlaceBall(BatterPart& b, int fielder, int bases) {
  static const int kX[10] = {83, 83, 83, 106, 97, 58, 66, 37, 83, 128};
  static const int kY[10] = {117, 90, 124, 83, 68, 85, 72, 44, 16, 41};
  if (fielder < 1 || fielder > 9) return;
  int x = kX[fielder], y = kY[fielder];
  if (fielder >= kPosLeftField && bases > 0) {
    const int scale = bases == 1 ? 75 : bases == 2 ? 100 : bases == 3 ? 110 : 115;
    x = 83 + (x - 83) * scale / 100;
    y = std::max(0, 117 + (y - 117) * scale / 100);
  }
  b.hit_x = x;
  b.hit_y = y;
}

// The fielders of a chain such as "6-4-3".
bool ParseChain(const std::string& text, std::vector<int>& fielders) {
  fielders.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] < '1' || text[i] > '9') return false;
    fielders.push_back(text[i] - '0');
    if (++i < text.size()) {
      if (text[i] != '-' || ++i == text.size()) return false;
    }
  }
  return !fielders.empty();
}

// Assists, then the put-out.
std::vector<Fielded> Credited(const std::vector<int>& fielders) {
  std::vector<Fielded> chain;
  for (int f : fielders) chain.push_back({f, kCreditAssist});
  chain.back().credit = kCreditPutOut;
  return chain;
}

int BaseOf(char c) {
  if (c == 'B') return 0;
  if (c == 'H') return 4;
  if (c >= '1' && c <= '3') return c - '0';
  return -1;
}

bool StartsWith(const std::string& s, const char* prefix, std::string& rest) {
  const std::string p = prefix;
  if (s.compare(0, p.size(), p) != 0) return false;
  rest = s.substr(p.size());
  return true;
}

bool IsDigit(const std::string& s) { return s.size() == 1 && s[0] >= '1' && s[0] <= '9'; }

PitchSpec ScorebookPitch(bool strike) {
  PitchSpec spec;
  if (!strike) spec.x = 20;
  return spec;
}

// The pitch types a pitch's details name, in the order of their codes.
constexpr const char* kPitchTypes[] = {"FB", "SF", "FK", "SI", "CB", "SC",
                                       "KN", "SL", "CH", "BO", "BR", "OT"};

// "x,y": a point of a picture.
bool ParsePoint(const std::string& text, std::int32_t& x, std::int32_t& y) {
  const std::size_t comma = text.find(',');
  int a = 0, b = 0;
  if (comma == std::string::npos || !ParseInt(text.substr(0, comma), a) ||
      !ParseInt(text.substr(comma + 1), b) || a < 0 || b < 0 || a > 999 || b > 999) {
    return false;
  }
  x = a;
  y = b;
  return true;
}

// The details after a pitch's letter: "/FB", "/92.5" (miles an hour),
// "/60,100" (where it crossed, in the strike zone's picture), in any order.
bool ParsePitchDetails(const std::string& text, PitchSpec& spec) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] != '/') return false;
    const std::size_t next = text.find('/', at + 1);
    const std::string part = text.substr(at + 1, next == std::string::npos ? next : next - at - 1);
    at = next == std::string::npos ? text.size() : next;
    const auto type = std::find(std::begin(kPitchTypes), std::end(kPitchTypes), part);
    if (type != std::end(kPitchTypes)) {
      spec.type = static_cast<std::int32_t>(type - std::begin(kPitchTypes));
    } else if (part.find(',') != std::string::npos) {
      if (!ParsePoint(part, spec.x, spec.y)) return false;
    } else {
      char* end = nullptr;
      const float speed = std::strtof(part.c_str(), &end);
      if (part.empty() || end != part.c_str() + part.size() || !(speed > 0 && speed < 200))
        return false;
      spec.speed = speed;
    }
  }
  return true;
}

}  // namespace

bool Compiler::Substitution(const std::vector<Token>& t, std::size_t& i, bool& handled) {
  handled = false;
  const std::string& word = t[i].text;
  const bool known =
      word == "PH" || word == "P" || (word.size() == 3 && word.compare(0, 2, "PR") == 0) ||
      (word.size() == 2 && (word[0] == 'D' || word[0] == 'M') && IsDigit(word.substr(1))) ||
      word == "MDH";
  if (!known || i + 1 >= t.size() || !t[i + 1].quoted) {
    // D or M and a number with a name: a position there is not.
    if (i + 1 < t.size() && t[i + 1].quoted && word.size() > 1 &&
        (word[0] == 'D' || word[0] == 'M') &&
        word.find_first_not_of("0123456789", 1) == std::string::npos) {
      handled = true;
      return Fail(word + ": there is no position " + word.substr(1) +
                  " (1 pitcher to 9 right field, DH)");
    }
    return true;
  }
  handled = true;
  const std::string& name = t[i + 1].text;
  i += 2;
  // A place in the batting order may follow the name (a pitcher who takes
  // the designated hitter's, a double switch).
  int slot = 0;
  if (i < t.size() && !t[i].quoted && ParseInt(t[i].text, slot)) {
    if (slot < 1 || slot > 20) return Fail("a batting slot is 1 to the last of the order");
    ++i;
  }
  // A player comes from the roster of his side.
  const bool batting_side = word == "PH" || word.compare(0, 2, "PR") == 0;
  bool home = scorer_->half_open() ? (batting_side ? !scorer_->top() : scorer_->top())
                                   : (batting_side ? scorer_->halves_played() % 2 == 1
                                                   : scorer_->halves_played() % 2 == 0);
  // A player moved is found on either side (between halves, the side
  // that bats next may put its pitcher in a batting slot).
  if (word[0] == 'M' && !scorer_->HasPlayed(home, name) && scorer_->HasPlayed(!home, name))
    home = !home;
  const Team& team = home ? game_.home : game_.visitor;
  if (word[0] != 'M') {
    if (team.IndexOfPlayer(name) < 0)
      return Fail(name + " is not on the roster of " + team.team_name.str());
  }
  PLAYER p = word[0] == 'M' ? PLAYER{} : *team.FindPlayer(name);
  Status ok;
  if (word == "PH") {
    ok = scorer_->PinchHit(p);
  } else if (word == "P") {
    ok = scorer_->ChangePitcher(p, slot);
  } else if (word[0] == 'P') {
    const int base = word[2] - '0';
    if (base < 1 || base > 3) return Fail("a pinch runner is PR1, PR2 or PR3");
    ok = scorer_->PinchRun(base, p);
  } else if (word[0] == 'D') {
    ok = scorer_->SubstituteFielder(word[1] - '0', p, slot);
  } else {
    ok = scorer_->MoveFielder(name, word == "MDH" ? kPosDesignatedHitter : word[1] - '0', home,
                              slot);
  }
  return Scored(ok);
}

namespace {

int BaseOfTarget(char c) { return c == 'H' ? 4 : c - '0'; }

}  // namespace

// SB2, SB3, SBH, DI2 ...: a steal or defensive indifference.
Compiler::WordFit Compiler::StealWord(const std::string& word, Play& play) {
  std::string rest;
  if (!(StartsWith(word, "SB", rest) || StartsWith(word, "DI", rest)) || rest.size() != 1 ||
      !(rest[0] == '2' || rest[0] == '3' || rest[0] == 'H')) {
    return WordFit::kOther;
  }
  const int to = BaseOfTarget(rest[0]);
  play.runners.push_back(
      Advance(to - 1, to, word[0] == 'S' ? kAdvStolenBase : kAdvDefensiveIndifference));
  return WordFit::kRead;
}

// CS2(E6): caught stealing, but safe on the fielder's error: he takes the
// base.
Compiler::WordFit Compiler::CaughtStealingErrorWord(const std::string& word, Play& play) {
  std::string rest;
  if (!StartsWith(word, "CS", rest) || rest.size() != 5 || rest[1] != '(' || rest[2] != 'E' ||
      rest[3] < '1' || rest[3] > '9' || rest[4] != ')') {
    return WordFit::kOther;
  }
  const int to = BaseOfTarget(rest[0]);
  if (to < 2 || to > 4) return Refuse("cannot read the base of " + word);
  RunnerMove m = Advance(to - 1, to, kAdvCaughtStealingError);
  m.errors = {{to, rest[3] - '0', kErrFielding, 1, false}};
  play.runners.push_back(m);
  return WordFit::kRead;
}

// CS2(2-6), PO1(1-3): caught stealing or picked off, by the fielders.
Compiler::WordFit Compiler::CaughtOrPickedOffWord(const std::string& word, Play& play) {
  std::string rest;
  if (!(StartsWith(word, "CS", rest) || StartsWith(word, "PO", rest)) || rest.size() < 4 ||
      rest[1] != '(' || rest.back() != ')') {
    return WordFit::kOther;
  }
  std::vector<int> fielders;
  if (!ParseChain(rest.substr(2, rest.size() - 3), fielders)) {
    return Refuse("cannot read the fielders of " + word);
  }
  const bool cs = word[0] == 'C';
  const int base = cs ? (rest[0] == 'H' ? 3 : rest[0] - '1') : rest[0] - '0';
  if (base < 1 || base > 3) return Refuse("cannot read the base of " + word);
  play.runners.push_back(
      RunnerOut(base, base, cs ? kOutCaughtStealing : kOutPickedOff, Credited(fielders)));
  return WordFit::kRead;
}

// WP, PB, BK: every runner on a base.
Compiler::WordFit Compiler::BatteryWord(const std::string& word, Play& play) {
  if (word != "WP" && word != "PB" && word != "BK") return WordFit::kOther;
  const std::int32_t code = word == "WP" ? kAdvWildPitch : word == "PB" ? kAdvPassedBall : kAdvBalk;
  for (int base = 3; base >= 1; --base) {
    if (!scorer_->occupied(base)) continue;
    RunnerMove m = Advance(base, base + 1, code);
    if (code == kAdvPassedBall) m.errors = {{base + 1, kPosCatcher, kErrPassedBall, 1, false}};
    play.runners.push_back(m);
  }
  if (play.runners.empty()) return Refuse(word + " with nobody on base");
  return WordFit::kRead;
}

bool Compiler::Event(const std::string& word, bool& handled) {
  handled = true;
  std::string rest;
  Play play;
  WordFit fit = StealWord(word, play);
  if (fit == WordFit::kOther) fit = CaughtStealingErrorWord(word, play);
  if (fit == WordFit::kOther) fit = CaughtOrPickedOffWord(word, play);
  if (fit == WordFit::kOther && StartsWith(word, "FLE", rest) && IsDigit(rest)) {
    // A foul fly dropped: an error that gives nobody a base.
    if (!Begin()) return false;
    return Scored(scorer_->ErrorOnBatter({1, rest[0] - '0', kErrPopFoul, 0, false}));
  }
  if (fit == WordFit::kOther && (word == "POA1" || word == "POA2" || word == "POA3" ||
                                 word == "CPA1" || word == "CPA2" || word == "CPA3")) {
    if (!Begin()) return false;
    return Scored(scorer_->PickoffAttempt(word[3] - '0', word[0] == 'C'));
  }
  if (fit == WordFit::kOther) fit = BatteryWord(word, play);
  if (fit == WordFit::kOther) {
    handled = false;
    return true;
  }
  if (fit == WordFit::kRefused || !Begin()) return false;
  return Scored(scorer_->Record(play));
}

namespace {

void Reach(BatterPart& b, std::int32_t how) {
  b.reached = true;
  b.how_reached = how;
  b.to = ReachBases(how);
}

void Out(BatterPart& b, std::int32_t how, std::vector<Fielded> credits) {
  b.out = true;
  b.how_out = how;
  b.chain = std::move(credits);
}

// A hit: 1B, 2B7, HR, IHR8, GRD, BNT5 (a bunt single), with the fielder
// the ball went to.  False for another word.
bool HitResult(const std::string& word, BatterPart& b) {
  static const std::pair<const char*, std::int32_t> kHits[] = {
      {"IHR", kReachInsideParkHR}, {"GRD", kReachGroundRuleDouble},
      {"BNT", kReachOnBaseSingle}, {"1B", kReachSingle},
      {"2B", kReachDouble},        {"3B", kReachTriple},
      {"HR", kReachHomeRun}};
  std::string rest;
  for (const auto& [prefix, how] : kHits) {
    if (StartsWith(word, prefix, rest) && (rest.empty() || IsDigit(rest))) {
      Reach(b, how);
      b.pitch.strike_type = kStrikeSwinging;
      if (!rest.empty()) PlaceBall(b, rest[0] - '0', b.to);
      return true;
    }
  }
  return false;
}

// The outs at the plate written as a word of their own: the strikeouts, a
// batter out of turn, called out, out for interference.
constexpr std::pair<const char*, std::int32_t> kPlateOuts[] = {
    {"K", kOutStrikeSwinging}, {"KL", kOutStrikeLooking}, {"BOT", kOutBattedOutOfTurn},
    {"CO", kOutCalledOut},     {"BI", kOutInterference},
};

// The bases awarded: a walk, an intentional walk, hit by pitch, awarded.
constexpr std::pair<const char*, std::int32_t> kAwardedBases[] = {
    {"BB", kReachWalk},
    {"IBB", kReachIntentionalWalk},
    {"HBP", kReachHitByPitch},
    {"AB", kReachAwardedBase},
};

// Safe at first on the battery: a dropped third strike on a wild pitch, a
// passed ball or the catcher's throwing error, or the catcher's
// interference; the error charged and whether the catcher is
// credited with the reach.
struct BatteryReach {
  const char* word;
  std::int32_t how;
  std::int32_t error;
  bool catcher_credited;
};

constexpr BatteryReach kBatteryReaches[] = {
    {"KWP", kReachDroppedThirdWP, kErrNone, false},
    {"KPB", kReachDroppedThirdPB, kErrPassedBall, false},
    {"KE2", kReachDroppedThirdError, kErrThrowing, true},
    {"CI", kReachInterference, kErrFielding, true},
};

// A result written as a word of its own.  False for another word.
bool WordOfItsOwn(const std::string& word, BatterPart& b) {
  for (const auto& [w, how] : kPlateOuts) {
    if (word != w) continue;
    Out(b, how, {{kPosCatcher, kCreditNone}});
    return true;
  }
  for (const auto& [w, how] : kAwardedBases) {
    if (word != w) continue;
    Reach(b, how);
    b.pitch = ScorebookPitch(false);
    return true;
  }
  for (const BatteryReach& r : kBatteryReaches) {
    if (word != r.word) continue;
    Reach(b, r.how);
    if (r.catcher_credited) b.reach_fielders = {kPosCatcher};
    if (r.error != kErrNone) b.errors = {{1, kPosCatcher, r.error, 1, false}};
    return true;
  }
  return false;
}

// A ball caught or handled by one fielder for the out: SF8, FF2, IF6, BO1,
// F8, P4, L7; the batter's out comes first in the play.
bool CaughtResult(const std::string& word, Play& play) {
  BatterPart& b = play.batter;
  std::string rest;
  std::int32_t how = 0;
  int fielder = 0;
  if ((StartsWith(word, "SF", rest) || StartsWith(word, "FF", rest) ||
       StartsWith(word, "IF", rest) || StartsWith(word, "BO", rest)) &&
      IsDigit(rest)) {
    how = word[0] == 'S'   ? kOutSacFly
          : word[0] == 'F' ? kOutFoul
          : word[0] == 'I' ? kOutInfieldFly
                           : kOutBuntOut;
    fielder = rest[0] - '0';
  } else if ((word[0] == 'F' || word[0] == 'P' || word[0] == 'L') && IsDigit(word.substr(1))) {
    how = word[0] == 'F' ? kOutFly : word[0] == 'P' ? kOutPopOut : kOutLineDrive;
    fielder = word[1] - '0';
  } else {
    return false;
  }
  Out(b, how, {{fielder, kCreditPutOut}});
  PlaceBall(b, fielder, 0);
  play.batter_out_first = true;
  return true;
}

// A result of one fielder or a chain after its letters: K2-3 (the third
// strike dropped, the batter thrown out), E6, E6T, FC5, SH1-4, SF8, FF2,
// IF6, BO1, F8, P4, L7.  False for another word.
bool FielderResult(const std::string& word, Play& play) {
  BatterPart& b = play.batter;
  std::string rest;
  std::vector<int> chain;
  if (StartsWith(word, "K", rest) && ParseChain(rest, chain)) {
    Out(b, kOutDroppedThird, Credited(chain));
  } else if (StartsWith(word, "E", rest) &&
             (IsDigit(rest) ||
              (rest.size() == 2 && IsDigit(rest.substr(0, 1)) && rest[1] == 'T'))) {
    Reach(b, kReachError);
    const int f = rest[0] - '0';
    b.reach_fielders = {f};
    b.errors = {{1, f, rest.size() == 2 ? kErrThrowing : kErrFielding, 1, false}};
    PlaceBall(b, f, 1);
  } else if (StartsWith(word, "FC", rest) && IsDigit(rest)) {
    Reach(b, kReachFieldersChoice);
    b.reach_fielders = {rest[0] - '0'};
    PlaceBall(b, rest[0] - '0', 0);
  } else if (StartsWith(word, "SH", rest) && ParseChain(rest, chain)) {
    Out(b, kOutSacBunt, Credited(chain));
    PlaceBall(b, chain[0], 0);
  } else {
    return CaughtResult(word, play);
  }
  return true;
}

}  // namespace

// A ground out by a chain of fielders (6-3, 4U), or a double or triple play
// turned by it (6-4-3DP, 5-4-3TP), with the runners forced out on it.
bool Compiler::GroundResult(const std::string& word, Play& play) {
  BatterPart& b = play.batter;
  std::string text = word;
  std::vector<int> chain;
  const bool dp = text.size() > 2 && text.compare(text.size() - 2, 2, "DP") == 0;
  const bool tp = text.size() > 2 && text.compare(text.size() - 2, 2, "TP") == 0;
  if (dp || tp) text.resize(text.size() - 2);
  if (text.size() == 2 && text[1] == 'U') text.resize(1);
  if (!ParseChain(text, chain)) return Fail("cannot read the result \"" + word + "\"");
  PlaceBall(b, chain[0], 0);
  if (!dp && !tp) {
    Out(b, kOutGround, Credited(chain));
    return true;
  }
  if (chain.size() < 2) return Fail("a double or triple play needs the fielders who turned it");
  // The batter's box carries the whole play's credits; the runners' boxes
  // name the fielders without credit.
  std::vector<Fielded> credits = Credited(chain);
  for (std::size_t k = 1; k + 1 < credits.size(); ++k) credits[k].credit = kCreditPutOutAndAssist;
  if (tp) credits[0].credit = kCreditPutOutAndAssist;
  Out(b, dp ? kOutGroundDoublePlay : kOutTriplePlay, credits);
  if (tp) play.runners.push_back(RunnerOut(2, 2, kOutForced, {{chain[0], kCreditNone}}));
  play.runners.push_back(RunnerOut(1, 1, kOutForced, Uncredited(Credited({chain[0], chain[1]}))));
  return true;
}

bool Compiler::Result(const std::string& written, Play& play) {
  BatterPart& b = play.batter;
  b.present = true;
  // "1B7@120,40": where the ball went, on the field picture.
  const std::size_t at = written.find('@');
  const std::string word = written.substr(0, at);
  if (at != std::string::npos) {
    if (!Result(word, play)) return false;
    if (!ParsePoint(written.substr(at + 1), b.hit_x, b.hit_y))
      return Fail("cannot read where the ball went in \"" + written +
                  "\" (a point of the field like 1B7@120,40)");
    return true;
  }
  if (HitResult(word, b) || WordOfItsOwn(word, b) || FielderResult(word, play)) return true;
  return GroundResult(word, play);
}

namespace {

// A reason written after a runner who was not put out, and the codes of
// the first base he gained by it and of the bases after.
struct AdvanceReason {
  const char* reason;
  std::int32_t code;
  std::int32_t more;
};

constexpr AdvanceReason kAdvanceReasons[] = {
    {"WP", kAdvWildPitch, kAdvWildPitchContinued},
    {"PB", kAdvPassedBall, kAdvPassedBallContinued},
    {"T", kAdvOnThrow, kAdvOnThrow},
    {"FC", kAdvFieldersChoice, kAdvFieldersChoice},
    {"SB", kAdvStolenBase, kAdvStolenBase},
};

// (E6), (E6T): an error let him advance.
bool IsErrorReason(const std::string& mod) {
  return mod.size() >= 2 && mod[0] == 'E' && mod[1] >= '1' && mod[1] <= '9';
}

// The batter running on after his result: the bases he gained, the errors
// on his way, his run's mark, an out on the bases.
void BatterRunsOn(BatterPart& b, int held, const RunnerGain& gain, const RunnerWord& r) {
  b.codes.insert(b.codes.end(), gain.codes.begin(), gain.codes.end());
  b.to = held;
  b.errors.insert(b.errors.end(), gain.errors.begin(), gain.errors.end());
  if (r.earned) b.earned = r.earned;
  if (r.out) {
    b.out = true;
    b.how_out = kOutTagged;
    b.chain = Credited(gain.chain);
  }
}

}  // namespace

// A runner's word read into its parts: 1-3, 2-H(WP), B-2(E6T), 1X2(6-4)(UR).
// What follows in parentheses: a reason or the fielders, then (UR) or (ER)
// where the official scorer calls his run otherwise than the scorer's own
// rule would.
bool Compiler::ReadRunnerWord(const std::string& word, RunnerWord& r) {
  if (word.size() < 3 || (word[1] != '-' && word[1] != 'X'))
    return Fail("cannot read \"" + word +
                "\" (runners are written like 1-3, 2-H, B-2 or 1X2(6-4))");
  r.from = BaseOf(word[0]);
  r.target = BaseOf(word[2]);
  r.out = word[1] == 'X';
  for (std::size_t at = 3; at < word.size();) {
    const std::size_t close = word.find(')', at);
    if (word[at] != '(' || close == std::string::npos) return Fail("cannot read \"" + word + "\"");
    const std::string part = word.substr(at + 1, close - at - 1);
    if (part == "UR" || part == "ER") {
      r.earned = part == "ER";
    } else if (r.mod.empty()) {
      r.mod = part;
    } else {
      return Fail("cannot read \"" + word + "\"");
    }
    at = close + 1;
  }
  if (r.from < 0 || r.from > 3 || r.target < 1 || r.target <= r.from)
    return Fail("cannot read the bases of \"" + word + "\"");
  return true;
}

// How a runner who was not put out gained the bases from start to held by
// the reason written (code the first, more those after), with the error
// that let him advance.
bool Compiler::ReadAdvanceReason(const std::string& word, const RunnerWord& r, int start, int held,
                                 RunnerGain& gain) {
  for (const AdvanceReason& a : kAdvanceReasons) {
    if (r.mod != a.reason) continue;
    gain.code = a.code;
    gain.more = a.more;
    return true;
  }
  if (!IsErrorReason(r.mod)) return Fail("unknown reason \"" + r.mod + "\" in \"" + word + "\"");
  gain.code = kAdvError;
  gain.more = kAdvErrorContinued;
  const int f = r.mod[1] - '0';
  gain.errors.push_back({start + 1, f,
                         r.mod.size() == 3 && r.mod[2] == 'T' ? kErrThrowing : kErrFielding,
                         held - start, false});
  for (int base = start + 2; base <= held && base <= 3; ++base)
    gain.errors.push_back({base, f, kErrPrevious, 1, false});
  return true;
}

bool Compiler::RunnerToken(const std::string& word, Play& play, std::int32_t default_code) {
  RunnerWord r;
  if (!ReadRunnerWord(word, r)) return false;
  BatterPart& b = play.batter;
  const int start = r.from == 0 ? b.to : r.from;
  if (r.from == 0 && (!b.reached || b.out)) return Fail("the batter did not reach base to run on");
  const int held = r.out ? r.target - 1 : r.target;
  if (held < start) return Fail("\"" + word + "\" moves the runner backwards");
  // How each base was gained, and any error on the way.
  RunnerGain gain;
  gain.code = gain.more = r.from == 0 ? kAdvOnThrow : default_code;
  if (!r.mod.empty() && !r.out) {
    if (!ReadAdvanceReason(word, r, start, held, gain)) return false;
  } else if (!r.mod.empty() && !ParseChain(r.mod, gain.chain)) {
    return Fail("cannot read the fielders in \"" + word + "\"");
  }
  for (int base = start; base < held; ++base)
    gain.codes.push_back(base == start ? gain.code : gain.more);
  if (r.out && gain.chain.empty())
    return Fail("an out on the bases needs its fielders, like 1X2(6-4)");
  if (r.from == 0) {
    BatterRunsOn(b, held, gain, r);
    return true;
  }
  RunnerMove m;
  m.from = r.from;
  m.to = held;
  m.codes = gain.codes;
  m.errors = gain.errors;
  m.earned = r.earned;
  if (r.out) {
    m.out = true;
    // Forced when every base behind him was taken and the batter ran.
    bool forced = b.present && b.reached && !b.out;
    for (int k = 1; k < r.from; ++k) forced &= scorer_->occupied(k);
    m.how_out = forced && held == r.from ? kOutForced : kOutTagged;
    m.chain = Credited(gain.chain);
  }
  play.runners.push_back(m);
  return true;
}

// Runners who are not written move as little as the batter makes them:
// each runner at or behind a base the batter (or a runner behind him) now
// holds moves to the base beyond it; a home run brings everybody home.
void Compiler::ForcedDefaults(Play& play, std::int32_t default_code) {
  const BatterPart& b = play.batter;
  if (!b.reached || b.out) return;
  int taken = b.to;  // bases up to here are held by someone behind
  for (int base = 1; base <= 3; ++base) {
    if (!scorer_->occupied(base)) continue;
    const RunnerMove* listed = nullptr;
    for (const RunnerMove& m : play.runners) {
      if (m.from == base) listed = &m;
    }
    if (listed) {
      if (!listed->out && listed->to < 4) taken = std::max(taken, listed->to);
      continue;
    }
    if (base > taken) {
      taken = base;
      continue;
    }
    const int to = std::min(4, taken + 1);
    play.runners.push_back(Advance(base, to, default_code));
    if (to < 4) taken = to;
  }
}

// The batter's result and the runners after it (t[i] on), as a play; the
// runners not written move as little as the batter makes them.
bool Compiler::ResultPlay(const std::vector<Token>& t, std::size_t i, Play& play) {
  play = Play{};
  if (i >= t.size()) return Fail("a play needs a result");
  if (IsExactWord(t[i].text)) {
    std::vector<std::string> words;
    for (; i < t.size(); ++i) {
      if (t[i].quoted) return Fail("unexpected \"" + t[i].text + "\"");
      words.push_back(t[i].text);
    }
    std::string why;
    return ReadExactPlay(words, play, why) || Fail(why);
  }
  // A play of the runners alone ("1-3(WP)", "2X3(2-5)"): no batter's
  // result, each runner as written.
  const std::string& first = t[i].text;
  if (first.size() >= 3 && first[0] >= '1' && first[0] <= '3' &&
      (first[1] == '-' || first[1] == 'X')) {
    for (; i < t.size(); ++i) {
      if (t[i].quoted) return Fail("unexpected \"" + t[i].text + "\"");
      if (!RunnerToken(t[i].text, play, kAdvAdditionalBase)) return false;
    }
    return true;
  }
  if (!Result(t[i].text, play)) return false;
  std::int32_t default_code = kAdvBatted;
  const BatterPart& b = play.batter;
  if (b.reached) {
    switch (b.how_reached) {
      case kReachWalk:
      case kReachIntentionalWalk:
        default_code = kAdvForcedByWalk;
        break;
      case kReachHitByPitch:
      case kReachAwardedBase:
        default_code = kAdvAwarded;
        break;
      case kReachInterference:
        default_code = kAdvInterference;
        break;
      case kReachFieldersChoice:
        default_code = kAdvFieldersChoice;
        break;
      default:
        break;
    }
  }
  for (++i; i < t.size(); ++i) {
    if (t[i].quoted) return Fail("unexpected \"" + t[i].text + "\"");
    if (!RunnerToken(t[i].text, play, default_code)) return false;
  }
  ForcedDefaults(play, default_code);
  return true;
}

Status Compiler::ParsePlay(const std::string& words, Play& play) {
  std::vector<Token> tokens;
  std::string note;
  if (!scorer_) return Status::Failed({}, "no half-inning is being played");
  if (const Status read = Tokenize(words, tokens, note); !read)
    Fail(read.reason);
  else if (ResultPlay(tokens, 0, play))
    return {};
  return Status::Failed({}, error_);
}

// Pitches written together ("bsf"), or one letter with its details
// ("c/SL/84/60,100"): the letters are the first `letters` of word.
bool Compiler::Pitches(const std::string& word, std::size_t letters) {
  if (!Begin()) return false;
  for (std::size_t k = 0; k < letters; ++k) {
    const char c = word[k];
    const PitchCall call = PitchCallOf(c);
    const bool strike = !(c == 'b' || c == 'i' || c == 'p' || c == 'v');
    PitchSpec spec = ScorebookPitch(strike);
    if (!ParsePitchDetails(word.substr(letters), spec))
      return Fail("cannot read the pitch \"" + word + "\" (a pitch's details are like " +
                  "c/SL/84/60,100: its type, speed and where it crossed)");
    if (!Scored(scorer_->Pitch(call, spec))) return false;
  }
  return true;
}

bool Compiler::PlayLine(const std::vector<Token>& t, const std::string& note) {
  for (std::size_t i = 0; i < t.size();) {
    if (t[i].quoted) return Fail("unexpected \"" + t[i].text + "\"");
    bool handled = false;
    if (!Substitution(t, i, handled)) return false;
    if (handled) continue;
    const std::string& word = t[i].text;
    // Pitches: letters written together ("bsf"), or one letter with its
    // details ("c/SL/84/60,100").
    const std::size_t letters = std::min(word.find('/'), word.size());
    if (letters > 0 && word.find_first_not_of(kPitchLetters) >= letters &&
        (letters == word.size() || letters == 1)) {
      ++i;
      if (!Pitches(word, letters)) return false;
      continue;
    }
    if (!IsExactWord(word)) {
      if (!Event(word, handled)) return false;
      if (handled) {
        ++i;
        continue;
      }
    }
    // The result and its runners (or, in the exact form, a play of the
    // runners alone).
    Play play;
    if (!ResultPlay(t, i, play)) return false;
    if (play.batter.present && !Begin()) return false;
    if (!Scored(scorer_->Record(play))) return false;
    if (play.batter.present) begun_ = false;
    break;
  }
  if (!note.empty() && !Scored(scorer_->AddNote(NoteText(note)))) return false;
  // A line may hold part of a turn at the plate: the next goes on with it.
  CloseHalfIfOver();
  return true;
}

}  // namespace scorewick::scoring::book
