#include "interop/retrosheet_play.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "interop/short_list.h"

namespace scorewick::interop {
namespace {

bool IsFielder(char c) { return c >= '1' && c <= '9'; }

Status Fail(std::string why) { return Status::Failed({}, std::move(why)); }

// The parts of a text split at its top level: the few a play has are
// kept in place, and only a text of many parts takes memory of its own (a
// play is read for every line checked).
using TopParts = ShortList<std::string_view, 12>;

// Splits text at sep where no parenthesis is open.
TopParts SplitTop(std::string_view text, char sep) {
  TopParts parts;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') depth = std::max(0, depth - 1);
    if (text[i] == sep && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Base of "B", "1", "2", "3", "H" (0 for the batter, 4 for home); -1 otherwise.
int BaseOf(char c) {
  switch (c) {
    case 'B':
      return 0;
    case '1':
    case '2':
    case '3':
      return c - '0';
    case 'H':
      return 4;
    default:
      return -1;
  }
}

// "64", "6E4", "E6", "2": fielders, with an error by the last one named
// after an E.
bool ReadChain(std::string_view text, FieldingChain& chain) {
  chain = FieldingChain{};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsFielder(text[i])) {
      if (chain.error_by) return false;
      chain.fielders.push_back(text[i] - '0');
    } else if (text[i] == 'E' && i + 1 < text.size() && IsFielder(text[i + 1]) && !chain.error_by) {
      chain.error_by = text[++i] - '0';
    } else {
      return false;
    }
  }
  return !chain.empty();
}

// A chain written with a stray character among its fielders ("74H"): the
// fielders and the error without it.  False when nothing is left.
bool ReadChainPassingOver(std::string_view text, FieldingChain& chain) {
  std::string kept;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsFielder(text[i])) {
      kept += text[i];
    } else if (text[i] == 'E' && i + 1 < text.size() && IsFielder(text[i + 1])) {
      kept += text.substr(i, 2);
      ++i;
    }
  }
  return !kept.empty() && ReadChain(kept, chain);
}

// "(26)" or "(E1/TH)" after a runner play; empty text is no chain.
bool ReadParenChain(std::string_view text, FieldingChain& chain, bool* throwing) {
  if (text.empty()) return true;
  if (text.front() != '(' || text.back() != ')') return false;
  const auto parts = SplitTop(text.substr(1, text.size() - 2), '/');
  if (!ReadChain(parts[0], chain)) return false;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (StartsWith(parts[i], "TH")) {
      *throwing = true;
    } else if (parts[i] != "INT" && parts[i] != "AP") {
      return false;
    }
  }
  return true;
}

Status RefuseRunnerPlay(std::string_view text, const std::string& why) {
  return Fail("cannot read \"" + std::string(text) + "\": " + why);
}

// The base written after a runner play's code (SB2, PO1): -1 when none.
int BaseAfter(std::string_view rest) { return rest.empty() ? -1 : BaseOf(rest[0]); }

// A steal of home may carry its run's marks: SBH(UR), SBH(NR).  False for
// anything else after the base.
bool ReadStealMarks(std::string_view rest, RunnerPlay& play) {
  while (!rest.empty()) {
    const std::size_t close = rest.find(')');
    const std::string_view group =
        rest[0] == '(' && close != std::string_view::npos ? rest.substr(1, close - 1) : "";
    if (group == "UR" || group == "TUR") {
      play.unearned = group == "UR";
    } else if (group == "NR" || group == "NORBI") {
      play.no_rbi = true;
    } else {
      return false;
    }
    rest = rest.substr(close + 1);
  }
  return true;
}

// SB2, SB3, SBH, SBH(UR).
Status ReadSteal(std::string_view text, std::size_t code_size, RunnerPlay& play) {
  play.base = BaseAfter(text.substr(code_size));
  const bool marks = ReadStealMarks(text.size() > 3 ? text.substr(3) : std::string_view(), play);
  if (text.size() < 3 || play.base < 2 || !marks) {
    return RefuseRunnerPlay(text, "a steal is SB2, SB3 or SBH");
  }
  return {};
}

// CS2(26), PO1(13), PO1(E3), POCS2(136): the base, then the fielders.
Status ReadCaughtOrPickedOff(std::string_view text, std::size_t code_size, RunnerPlay& play) {
  play.base = BaseAfter(text.substr(code_size));
  const bool pickoff = play.kind == RunnerPlayKind::kPickoff;
  if (play.base < 1 || (pickoff && play.base > 3) || (!pickoff && play.base < 2) ||
      !ReadParenChain(text.substr(code_size + 1), play.chain, &play.throwing_error)) {
    return RefuseRunnerPlay(text,
                            "write caught stealing like CS2(26), a pick-off like "
                            "PO1(13) or PO1(E3), picked off stealing like POCS2(136)");
  }
  return {};
}

// E2 after K+: the fielder who erred.
Status ReadRunnerError(std::string_view text, std::size_t, RunnerPlay& play) {
  play.chain.error_by = text[1] - '0';
  return {};
}

Status ReadNoMore(std::string_view, std::size_t, RunnerPlay&) { return {}; }

// How a play code is matched: alone, or at the start of the play.
enum class CodeMatch { kAlone, kPrefix };

struct RunnerPlayCode {
  std::string_view code;
  CodeMatch match;
  RunnerPlayKind kind;
  Status (*read)(std::string_view text, std::size_t code_size, RunnerPlay& play);
};

// The runner plays by their codes, tried in turn (POCS before PO).
constexpr RunnerPlayCode kRunnerPlayCodes[] = {
    {"WP", CodeMatch::kAlone, RunnerPlayKind::kWildPitch, ReadNoMore},
    {"PB", CodeMatch::kAlone, RunnerPlayKind::kPassedBall, ReadNoMore},
    {"BK", CodeMatch::kAlone, RunnerPlayKind::kBalk, ReadNoMore},
    {"DI", CodeMatch::kAlone, RunnerPlayKind::kDefensiveIndifference, ReadNoMore},
    {"OA", CodeMatch::kAlone, RunnerPlayKind::kOtherAdvance, ReadNoMore},
    {"SB", CodeMatch::kPrefix, RunnerPlayKind::kStolenBase, ReadSteal},
    {"POCS", CodeMatch::kPrefix, RunnerPlayKind::kPickoffCaughtStealing, ReadCaughtOrPickedOff},
    {"CS", CodeMatch::kPrefix, RunnerPlayKind::kCaughtStealing, ReadCaughtOrPickedOff},
    {"PO", CodeMatch::kPrefix, RunnerPlayKind::kPickoff, ReadCaughtOrPickedOff},
};

bool CodeMatches(std::string_view text, std::string_view code, CodeMatch match) {
  return match == CodeMatch::kAlone ? text == code : StartsWith(text, code);
}

Status ReadRunnerPlay(std::string_view text, RunnerPlay& play) {
  for (const RunnerPlayCode& c : kRunnerPlayCodes) {
    if (!CodeMatches(text, c.code, c.match)) continue;
    play.kind = c.kind;
    return c.read(text, c.code.size(), play);
  }
  if (text.size() == 2 && text[0] == 'E' && IsFielder(text[1])) {
    play.kind = RunnerPlayKind::kError;
    return ReadRunnerError(text, 1, play);
  }
  return RefuseRunnerPlay(text, "a runner play is SB, CS, PO, POCS, WP, PB, BK, DI or OA");
}

Status ReadRunnerPlays(std::string_view text, ParsedPlay& play) {
  for (std::string_view part : SplitTop(text, ';')) {
    RunnerPlay r;
    if (Status read = ReadRunnerPlay(part, r); !read) return read;
    play.runner_plays.push_back(r);
  }
  return {};
}

// The mark (x) of the runner the fielders before it put out: his out is
// added, and the next throw starts from the fielder who made it.  Fails
// with why it cannot be.
Status PutOutMark(std::string_view inside, bool fresh, std::vector<int>& current,
                  ParsedPlay& play) {
  const int runner = inside.size() == 1 ? BaseOf(inside[0]) : -1;
  if (runner < 0 || runner > 3) {
    return Fail("a runner put out is marked (B), (1), (2) or (3) after the fielders");
  }
  if (!fresh) return Fail("fielders must come before the runner they put out");
  for (const FieldedOut& o : play.outs) {
    if (o.runner == runner) return Fail("a runner is put out twice");
  }
  play.outs.push_back({runner, {current, 0}});
  if (runner == 0) play.batter_out = true;
  current = {current.back()};
  return {};
}

// A fielded play: "63", "8", "54(1)3", "8(B)84(2)", "6E3".  Each (x) marks
// the runner put out by the fielders before it; the next throw starts from
// the fielder who made that put-out.  Fielders after the last mark put the
// batter out, or, ending in an error, let him reach.
Status ReadFieldedPlay(std::string_view text, ParsedPlay& play) {
  auto refuse = [&](const std::string& why) {
    return Fail("cannot read \"" + std::string(text) + "\": " + why);
  };
  std::vector<int> current;
  bool fresh = false;  // fielders named since the last mark
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsFielder(c)) {
      if (current.empty() || current.back() != c - '0') current.push_back(c - '0');
      fresh = true;
    } else if (c == '(') {
      const std::size_t close = text.find(')', i);
      const std::string_view inside =
          close == std::string_view::npos ? std::string_view() : text.substr(i + 1, close - i - 1);
      if (Status marked = PutOutMark(inside, fresh, current, play); !marked) {
        return refuse(marked.reason);
      }
      fresh = false;
      i = close;
    } else if (c == 'E' && i + 1 < text.size() && IsFielder(text[i + 1])) {
      if (i + 2 != text.size()) return refuse("the error must end the fielders");
      play.batter_chain.fielders = fresh ? current : std::vector<int>{};
      play.batter_chain.error_by = text[i + 1] - '0';
      fresh = false;
      break;
    } else {
      return refuse("fielders are the numbers 1 to 9");
    }
  }
  if (fresh) {
    if (play.batter_out) return refuse("the batter is put out twice");
    play.outs.push_back({0, {std::move(current), 0}});
    play.batter_out = true;
  }
  return {};
}

Status RefusePlay(std::string_view basic) {
  return Fail("cannot read the play \"" + std::string(basic) + "\"");
}

// The fielder written after a play's code (S8, E6, FC5): 0 when none.  False
// when something else follows the code.
bool ReadFielderAfter(std::string_view basic, std::size_t code_size, ParsedPlay& play) {
  const std::string_view rest = basic.substr(code_size);
  for (char c : rest) {
    if (!IsFielder(c)) return false;
  }
  play.fielder = rest.empty() ? 0 : rest[0] - '0';
  return true;
}

Status ReadNoMorePlay(std::string_view, std::size_t, ParsedPlay&) { return {}; }

// S, D8, FC5, DGR: a fielder may follow the code.
Status ReadMaybeFielder(std::string_view basic, std::size_t code_size, ParsedPlay& play) {
  return ReadFielderAfter(basic, code_size, play) ? Status{} : RefusePlay(basic);
}

// E6, FLE7: a fielder must follow the code.
Status ReadFielder(std::string_view basic, std::size_t code_size, ParsedPlay& play) {
  if (!ReadFielderAfter(basic, code_size, play) || play.fielder == 0) return RefusePlay(basic);
  return {};
}

// HR, H, HR9: a home run with a fielder named stayed in the park.
Status ReadHomeRun(std::string_view basic, std::size_t code_size, ParsedPlay& play) {
  if (!ReadFielderAfter(basic, code_size, play)) return RefusePlay(basic);
  play.inside_park = play.fielder != 0;
  return {};
}

// A batter's play that a runner play can follow: K+SB2, W+WP, IW+PO1(13);
// K23: the third strike dropped, the batter thrown out.
Status ReadBatterPlay(std::string_view basic, std::size_t code_size, ParsedPlay& play) {
  const std::size_t plus = basic.find('+');
  const std::string_view head = basic.substr(0, plus);
  if (play.kind == PlayKind::kStrikeout && head.size() > code_size &&
      !ReadChain(head.substr(code_size), play.batter_chain)) {
    return RefusePlay(basic);
  }
  if (plus != std::string_view::npos) return ReadRunnerPlays(basic.substr(plus + 1), play);
  return {};
}

// SB2, CS2(26), WP ...: runners only.
Status ReadRunnersOnly(std::string_view basic, std::size_t, ParsedPlay& play) {
  return ReadRunnerPlays(basic, play);
}

// How a basic play's code is matched: alone, alone or before a '+' and
// the runner play it leads to, or at the start of the play.
enum class BasicMatch { kAlone, kBeforeRunnerPlay, kPrefix };

struct BasicPlayCode {
  std::string_view code;
  BasicMatch match;
  PlayKind kind;
  Status (*read)(std::string_view basic, std::size_t code_size, ParsedPlay& play);
};

// The basic plays by their codes, tried in turn: a code before the shorter
// codes it begins with (HR before H; DGR, DI before D; SB before S).
constexpr BasicPlayCode kBasicPlayCodes[] = {
    {"NP", BasicMatch::kAlone, PlayKind::kNoPlay, ReadNoMorePlay},
    {"K", BasicMatch::kPrefix, PlayKind::kStrikeout, ReadBatterPlay},
    {"W", BasicMatch::kBeforeRunnerPlay, PlayKind::kWalk, ReadBatterPlay},
    {"IW", BasicMatch::kBeforeRunnerPlay, PlayKind::kIntentionalWalk, ReadBatterPlay},
    {"I", BasicMatch::kBeforeRunnerPlay, PlayKind::kIntentionalWalk, ReadBatterPlay},
    {"HP", BasicMatch::kAlone, PlayKind::kHitByPitch, ReadNoMorePlay},
    {"C", BasicMatch::kAlone, PlayKind::kInterference, ReadNoMorePlay},
    {"FLE", BasicMatch::kPrefix, PlayKind::kFoulError, ReadFielder},
    {"FC", BasicMatch::kPrefix, PlayKind::kFieldersChoice, ReadMaybeFielder},
    {"E", BasicMatch::kPrefix, PlayKind::kError, ReadFielder},
    {"DGR", BasicMatch::kPrefix, PlayKind::kGroundRuleDouble, ReadMaybeFielder},
    {"HR", BasicMatch::kPrefix, PlayKind::kHomeRun, ReadHomeRun},
    {"H", BasicMatch::kPrefix, PlayKind::kHomeRun, ReadHomeRun},
    {"SB", BasicMatch::kPrefix, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"CS", BasicMatch::kPrefix, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"PO", BasicMatch::kPrefix, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"WP", BasicMatch::kAlone, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"PB", BasicMatch::kAlone, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"BK", BasicMatch::kAlone, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"DI", BasicMatch::kAlone, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"OA", BasicMatch::kAlone, PlayKind::kRunnerPlay, ReadRunnersOnly},
    {"S", BasicMatch::kPrefix, PlayKind::kSingle, ReadMaybeFielder},
    {"D", BasicMatch::kPrefix, PlayKind::kDouble, ReadMaybeFielder},
    {"T", BasicMatch::kPrefix, PlayKind::kTriple, ReadMaybeFielder},
};

bool BasicCodeMatches(std::string_view basic, const BasicPlayCode& c) {
  switch (c.match) {
    case BasicMatch::kAlone:
      return basic == c.code;
    case BasicMatch::kBeforeRunnerPlay:
      return basic.substr(0, basic.find('+')) == c.code;
    case BasicMatch::kPrefix:
      return StartsWith(basic, c.code);
  }
  return false;
}

// The basic play, before the first slash: a fielded play starts with its
// first fielder, every other play with its code.
Status ReadBasic(std::string_view basic, ParsedPlay& play) {
  if (basic.empty()) return Fail("the play is empty (NP is written for no play)");
  if (IsFielder(basic[0])) {
    play.kind = PlayKind::kFieldedOut;
    return ReadFieldedPlay(basic, play);
  }
  for (const BasicPlayCode& c : kBasicPlayCodes) {
    if (!BasicCodeMatches(basic, c)) continue;
    play.kind = c.kind;
    return c.read(basic, c.code.size(), play);
  }
  return RefusePlay(basic);
}

// A trajectory with a hit location, such as "G", "L+", "F78XD", "P5F", "BG-"
// or a bare location "78".
bool ReadBattedBall(std::string_view text, ParsedPlay& play) {
  while (!text.empty() && (text.back() == '+' || text.back() == '-')) text.remove_suffix(1);
  std::string_view trajectory;
  for (std::string_view t : {"BG", "BP", "BL", "G", "L", "F", "P"}) {
    if (StartsWith(text, t)) {
      trajectory = t;
      break;
    }
  }
  const std::string_view location = text.substr(trajectory.size());
  if (!location.empty()) {
    if (!std::isdigit(static_cast<unsigned char>(location[0]))) return false;
    for (char c : location) {
      if (!std::isdigit(static_cast<unsigned char>(c)) &&
          std::string_view("MSDXLF").find(c) == std::string_view::npos) {
        return false;
      }
    }
  }
  if (trajectory.empty() && location.empty()) return false;
  if (!trajectory.empty()) play.trajectory = trajectory;
  if (!location.empty()) {
    play.location = location;
    if (location.back() == 'F') play.foul = true;
  }
  return true;
}

// A modifier after a slash and the mark it sets; a modifier without one
// is a circumstance that changes nothing a score sheet keeps: interference
// by a spectator or an umpire, an appeal, a review, obstruction, a relay.
struct ModifierCode {
  std::string_view code;
  bool ParsedPlay::*flag;
};

constexpr ModifierCode kModifierCodes[] = {
    {"", nullptr},  // C/E2/: a slash with nothing after it
    {"BF", &ParsedPlay::bunted_foul},
    {"SH", &ParsedPlay::sacrifice_hit},
    {"SF", &ParsedPlay::sacrifice_fly},
    {"FO", &ParsedPlay::force_out},
    {"GDP", &ParsedPlay::ground_double_play},
    {"BGDP", &ParsedPlay::ground_double_play},
    {"DP", &ParsedPlay::double_play},
    {"LDP", &ParsedPlay::double_play},
    {"FDP", &ParsedPlay::double_play},
    {"BPDP", &ParsedPlay::double_play},
    {"TP", &ParsedPlay::triple_play},
    {"GTP", &ParsedPlay::triple_play},
    {"LTP", &ParsedPlay::triple_play},
    {"NDP", &ParsedPlay::no_double_play},
    {"IF", &ParsedPlay::infield_fly},
    {"FL", &ParsedPlay::foul},
    {"TH", &ParsedPlay::throwing_error},
    {"BINT", &ParsedPlay::batter_interference},
    {"RINT", &ParsedPlay::runner_interference},
    {"IPHR", &ParsedPlay::inside_park},
    {"C", &ParsedPlay::called_third_strike},
    {"INT", nullptr},
    {"FINT", nullptr},
    {"UINT", nullptr},
    {"AP", nullptr},
    {"BOOT", nullptr},
    {"MREV", nullptr},
    {"UREV", nullptr},
    {"OBS", nullptr},
    {"PASS", nullptr},
    {"COUB", nullptr},
    {"COUF", nullptr},
    {"COUR", nullptr},
    {"BR", nullptr},
    {"RNT", nullptr},
    {"SB", nullptr},
};

// True when m is a modifier code, whose mark is then set.
bool ReadModifierCode(std::string_view m, ParsedPlay& play) {
  // TH1, TH2 ...: the throwing error was on a throw to that base.
  if (m.size() == 3 && StartsWith(m, "TH") && BaseOf(m[2]) > 0) m = "TH";
  // R4: a relay through that fielder.
  if (m.size() == 2 && m[0] == 'R' && IsFielder(m[1])) return true;
  for (const ModifierCode& c : kModifierCodes) {
    if (m != c.code) continue;
    if (c.flag) play.*c.flag = true;
    // Every ground double play is a double play.
    if (c.flag == &ParsedPlay::ground_double_play) play.double_play = true;
    return true;
  }
  return false;
}

void ReadModifier(std::string_view m, ParsedPlay& play) {
  if (ReadModifierCode(m, play)) return;
  if (m.size() == 2 && m[0] == 'E' && IsFielder(m[1])) {
    // C/E2: the fielder who interfered.
    if (play.fielder == 0) play.fielder = m[1] - '0';
  } else if (!ReadBattedBall(m, play)) {
    play.passed_over.push_back("the modifier \"/" + std::string(m) + "\" is not known");
  }
}

Status RefuseAdvance(const Advance& a, const std::string& why) {
  return Fail("cannot read the runner \"" + a.text + "\": " + why);
}

// The runner and his bases: 1-2, 2-H, B-1, 1X2.
Status ReadAdvanceBases(std::string_view text, Advance& a) {
  if (text.size() < 3 || (text[1] != '-' && text[1] != 'X')) {
    return RefuseAdvance(a, "runners are written like 1-2, 2-H, B-1 or 1X2(64)");
  }
  a.from = BaseOf(text[0]);
  a.to = BaseOf(text[2]);
  if (a.from < 0 || a.from > 3 || a.to < 1) {
    return RefuseAdvance(a, "a runner starts at B, 1, 2 or 3 and goes to 1, 2, 3 or H");
  }
  if (a.to < a.from) return RefuseAdvance(a, "a runner cannot go back a base");
  return {};
}

// What has been read of an advance's fielders so far.
struct AdvanceFielders {
  bool put_out = false;           // an X (1X2): put out, or saved by an error
  bool error_chain_read = false;  // a -: (6E4), a throw that ended in an error
  bool out_read = false;          // an X: the fielders who put him out
  FieldingChain error_chain;      // an X: the first chain ending in an error
};

// An error of the advance: the first, then a second on the same advance.
// False when two are written already.
bool AddAdvanceError(Advance& a, int fielder, bool throwing) {
  if (a.error_by == 0) {
    a.error_by = fielder;
    a.throwing_error = throwing;
    return true;
  }
  if (a.second_error_by) return false;
  a.second_error_by = fielder;
  a.second_throwing_error = throwing;
  return true;
}

// A mark in parentheses after a runner that is no fielder: (UR), (NR),
// (RBI), (WP) ...; a mark without a flag changes nothing a score sheet keeps.
struct AdvanceMark {
  std::string_view mark;
  bool Advance::*flag;
};

constexpr AdvanceMark kAdvanceMarks[] = {
    {"UR", &Advance::unearned},
    {"TUR", &Advance::team_unearned},
    {"NR", &Advance::no_rbi},
    {"NORBI", &Advance::no_rbi},
    {"RBI", &Advance::rbi},
    {"TH", &Advance::on_throw},
    {"WP", &Advance::wild_pitch},
    {"PB", &Advance::passed_ball},
    {"INT", nullptr},
    {"AP", nullptr},
    {"OBS", nullptr},
    {"G", nullptr},
    {"SH", nullptr},
    {"SF", nullptr},
};

// True when first is a mark, which is then set.
bool ReadAdvanceMark(std::string_view first, Advance& a) {
  // TH1, TH2 ...: he advanced on the throw to that base.
  if (first.size() == 3 && StartsWith(first, "TH")) first = "TH";
  for (const AdvanceMark& m : kAdvanceMarks) {
    if (first != m.mark) continue;
    if (m.flag) a.*m.flag = true;
    return true;
  }
  return false;
}

// The fielders of one parenthesised group: (64), (E6), and fielders
// written with a stray letter, noted in passed_over.
Status ReadAdvanceChain(std::string_view group, std::string_view first, const Advance& a,
                        FieldingChain& chain, std::vector<std::string>& passed_over) {
  if (ReadChain(first, chain)) return {};
  if (ReadChainPassingOver(first, chain)) {
    passed_over.push_back("the fielders \"(" + std::string(first) + ")\" of \"" + a.text +
                          "\" are read without their stray letters");
    return {};
  }
  return RefuseAdvance(a, "cannot read \"(" + std::string(group) +
                              ")\": fielders like (64), an error like (E6), or UR, NR, RBI, TH, "
                              "WP, PB");
}

// The fielders of a runner who advanced (a -): (E6) an error let him
// advance; (6E4) a throw that ended in an error.
Status CreditAdvanceChain(const FieldingChain& chain, bool throwing, AdvanceFielders& read,
                          Advance& a) {
  if (chain.fielders.empty()) {
    if (!AddAdvanceError(a, chain.error_by, throwing)) {
      return RefuseAdvance(a, "at most two errors can be written for one advance");
    }
    return {};
  }
  if (read.error_chain_read) {
    return RefuseAdvance(a, "only one error can be written for a runner's advance");
  }
  read.error_chain_read = true;
  a.error_by = chain.error_by ? chain.error_by : chain.fielders.back();
  a.throwing_error = throwing;
  if (chain.error_by) a.chain.fielders = chain.fielders;
  return {};
}

// The fielders of a runner put out or saved on the way (an X).
Status CreditPutOutChain(const FieldingChain& chain, bool throwing, AdvanceFielders& read,
                         Advance& a) {
  if (chain.error_by == 0) {
    a.chain = chain;
    read.out_read = true;
    return {};
  }
  // An error on the way: it saved him unless fielders put him out all the
  // same (BX3(E9)(95): on to third on the error and out there; 1X2(54)(E5/TH):
  // out, and the throw after it wild).
  if (read.error_chain.empty()) read.error_chain = chain;
  if (!AddAdvanceError(a, chain.error_by, throwing)) {
    return RefuseAdvance(a, "at most two errors can be written for one advance");
  }
  return {};
}

// One group in parentheses after a runner: a mark or fielders, with
// /TH (a throwing error) and /INT after them.
Status ReadAdvanceGroup(std::string_view group, AdvanceFielders& read, Advance& a,
                        std::vector<std::string>& passed_over) {
  const auto parts = SplitTop(group, '/');
  bool throwing = false;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (StartsWith(parts[i], "TH")) {
      throwing = true;
    } else if (parts[i] == "INT") {
      a.interference = true;
    }
  }
  if (ReadAdvanceMark(parts[0], a)) return {};
  FieldingChain chain;
  if (Status r = ReadAdvanceChain(group, parts[0], a, chain, passed_over); !r) return r;
  return read.put_out ? CreditPutOutChain(chain, throwing, read, a)
                      : CreditAdvanceChain(chain, throwing, read, a);
}

Status ReadAdvance(std::string_view text, Advance& a, std::vector<std::string>& passed_over) {
  a.text = text;
  if (Status r = ReadAdvanceBases(text, a); !r) return r;
  AdvanceFielders read;
  read.put_out = text[1] == 'X';
  for (std::string_view rest = text.substr(3); !rest.empty();) {
    const std::size_t close = rest.find(')');
    if (rest[0] != '(' || close == std::string_view::npos) {
      return RefuseAdvance(a, "what follows a runner is written in parentheses, like (E6) or (UR)");
    }
    if (Status r = ReadAdvanceGroup(rest.substr(1, close - 1), read, a, passed_over); !r) return r;
    rest = rest.substr(close + 1);
  }
  a.out = read.put_out && read.out_read;
  if (read.put_out && !read.out_read) a.chain = read.error_chain;
  if (a.to == a.from && !read.put_out && a.from == 0) {
    return RefuseAdvance(a, "the batter must go to a base");
  }
  return {};
}

// A play read into before made new, its lists keeping their room for a
// reader that reads play after play into one.
void MakeNew(ParsedPlay& play) {
  std::vector<FieldedOut> outs = std::move(play.outs);
  std::vector<RunnerPlay> runner_plays = std::move(play.runner_plays);
  std::vector<Advance> advances = std::move(play.advances);
  play = ParsedPlay{};
  outs.clear();
  runner_plays.clear();
  advances.clear();
  play.outs = std::move(outs);
  play.runner_plays = std::move(runner_plays);
  play.advances = std::move(advances);
}

}  // namespace

Status ParsePlay(std::string_view text, ParsedPlay& play) {
  MakeNew(play);
  for (char c : text) {
    if (std::islower(static_cast<unsigned char>(c))) {
      return Fail("plays are written in capital letters (\"" + std::string(text) + "\")");
    }
  }
  // The advances follow the first dot outside parentheses.
  std::string_view description = text;
  std::string_view advances;
  {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '(') ++depth;
      if (text[i] == ')') depth = std::max(0, depth - 1);
      if (text[i] == '.' && depth == 0) {
        description = text.substr(0, i);
        advances = text.substr(i + 1);
        break;
      }
    }
  }
  const auto parts = SplitTop(description, '/');
  if (Status read = ReadBasic(parts[0], play); !read) return read;
  for (std::size_t i = 1; i < parts.size(); ++i) ReadModifier(parts[i], play);
  if (!advances.empty()) {
    for (std::string_view part : SplitTop(advances, ';')) {
      Advance a;
      if (Status read = ReadAdvance(part, a, play.passed_over); !read) return read;
      for (const Advance& other : play.advances) {
        if (other.from == a.from) {
          return Fail("the runner " + std::string(1, part[0]) + " is moved twice");
        }
      }
      play.advances.push_back(std::move(a));
    }
  }
  return {};
}

int OutsMade(const ParsedPlay& play) {
  int outs = static_cast<int>(play.outs.size());
  for (const Advance& a : play.advances) {
    if (!a.out) continue;
    const bool written = std::any_of(play.outs.begin(), play.outs.end(),
                                     [&a](const FieldedOut& o) { return o.runner == a.from; });
    if (!written) ++outs;
  }
  return outs;
}

const Advance* AdvanceOf(const ParsedPlay& play, int from) {
  for (const Advance& a : play.advances) {
    if (a.from == from) return &a;
  }
  return nullptr;
}

}  // namespace scorewick::interop
