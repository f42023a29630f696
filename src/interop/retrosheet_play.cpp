#include "interop/retrosheet_play.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace scorewick::interop {
namespace {

bool IsFielder(char c) { return c >= '1' && c <= '9'; }

Status Fail(std::string why) { return Status::Failed({}, std::move(why)); }

// Splits text at sep where no parenthesis is open.
std::vector<std::string_view> SplitTop(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
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

Status ReadRunnerPlay(std::string_view text, RunnerPlay& play) {
  auto base_after = [](std::string_view rest) { return rest.empty() ? -1 : BaseOf(rest[0]); };
  const std::string written(text);
  if (text == "WP" || text == "PB" || text == "BK" || text == "DI" || text == "OA") {
    play.kind = text == "WP"   ? RunnerPlayKind::kWildPitch
                : text == "PB" ? RunnerPlayKind::kPassedBall
                : text == "BK" ? RunnerPlayKind::kBalk
                : text == "DI" ? RunnerPlayKind::kDefensiveIndifference
                               : RunnerPlayKind::kOtherAdvance;
    return {};
  }
  if (StartsWith(text, "SB")) {
    play.kind = RunnerPlayKind::kStolenBase;
    play.base = base_after(text.substr(2));
    // A steal of home may carry its run's marks: SBH(UR), SBH(NR).
    bool marks = true;
    for (std::string_view rest = text.size() > 3 ? text.substr(3) : std::string_view();
         marks && !rest.empty();) {
      const std::size_t close = rest.find(')');
      const std::string_view group =
          rest[0] == '(' && close != std::string_view::npos ? rest.substr(1, close - 1) : "";
      if (group == "UR" || group == "TUR") {
        play.unearned = group == "UR";
      } else if (group == "NR" || group == "NORBI") {
        play.no_rbi = true;
      } else {
        marks = false;
      }
      if (marks) rest = rest.substr(close + 1);
    }
    if (text.size() < 3 || play.base < 2 || !marks) {
      return Fail("cannot read \"" + written + "\": a steal is SB2, SB3 or SBH");
    }
    return {};
  }
  const bool pocs = StartsWith(text, "POCS");
  if (pocs || StartsWith(text, "CS") || StartsWith(text, "PO")) {
    const std::size_t skip = pocs ? 4 : 2;
    play.kind = pocs                     ? RunnerPlayKind::kPickoffCaughtStealing
                : StartsWith(text, "CS") ? RunnerPlayKind::kCaughtStealing
                                         : RunnerPlayKind::kPickoff;
    play.base = base_after(text.substr(skip));
    const bool pickoff = play.kind == RunnerPlayKind::kPickoff;
    if (play.base < 1 || (pickoff && play.base > 3) || (!pickoff && play.base < 2) ||
        !ReadParenChain(text.substr(skip + 1), play.chain, &play.throwing_error)) {
      return Fail("cannot read \"" + written +
                  "\": write caught stealing like CS2(26), a pick-off like "
                  "PO1(13) or PO1(E3), picked off stealing like POCS2(136)");
    }
    return {};
  }
  if (text.size() == 2 && text[0] == 'E' && IsFielder(text[1])) {
    play.kind = RunnerPlayKind::kError;
    play.chain.error_by = text[1] - '0';
    return {};
  }
  return Fail("cannot read \"" + written +
              "\": a runner play is SB, CS, PO, POCS, WP, PB, BK, DI or OA");
}

Status ReadRunnerPlays(std::string_view text, ParsedPlay& play) {
  for (std::string_view part : SplitTop(text, ';')) {
    RunnerPlay r;
    if (Status read = ReadRunnerPlay(part, r); !read) return read;
    play.runner_plays.push_back(r);
  }
  return {};
}

// A fielded play: "63", "8", "54(1)3", "8(B)84(2)", "6E3".  Each (x) marks
// the runner put out by the fielders before it; the next throw starts from
// the fielder who made that put-out.  Fielders after the last mark put the
// batter out, or, ending in an error, let him reach.
Status ReadFieldedPlay(std::string_view text, ParsedPlay& play) {
  const std::string written(text);
  auto refuse = [&](const std::string& why) {
    return Fail("cannot read \"" + written + "\": " + why);
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
      const int runner = inside.size() == 1 ? BaseOf(inside[0]) : -1;
      if (runner < 0 || runner > 3) {
        return refuse("a runner put out is marked (B), (1), (2) or (3) after the fielders");
      }
      if (!fresh) return refuse("fielders must come before the runner they put out");
      for (const FieldedOut& o : play.outs) {
        if (o.runner == runner) return refuse("a runner is put out twice");
      }
      play.outs.push_back({runner, {current, 0}});
      if (runner == 0) play.batter_out = true;
      current = {current.back()};
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
    play.outs.push_back({0, {current, 0}});
    play.batter_out = true;
  }
  return {};
}

// The basic play, before the first slash.
Status ReadBasic(std::string_view basic, ParsedPlay& play) {
  const std::string written(basic);
  auto fielder_after = [&](std::size_t skip) -> bool {
    const std::string_view rest = basic.substr(skip);
    for (char c : rest) {
      if (!IsFielder(c)) return false;
    }
    play.fielder = rest.empty() ? 0 : rest[0] - '0';
    return true;
  };
  auto refuse = [&]() { return Fail("cannot read the play \"" + written + "\""); };
  if (basic.empty()) return Fail("the play is empty (NP is written for no play)");
  if (IsFielder(basic[0])) {
    play.kind = PlayKind::kFieldedOut;
    return ReadFieldedPlay(basic, play);
  }
  if (basic == "NP") {
    play.kind = PlayKind::kNoPlay;
    return {};
  }
  // A batter's play that a runner play can follow: K+SB2, W+WP, IW+PO1(13).
  const std::size_t plus = basic.find('+');
  const std::string_view head = basic.substr(0, plus);
  const bool k = !head.empty() && head[0] == 'K';
  if (k || head == "W" || head == "IW" || head == "I") {
    if (k) {
      play.kind = PlayKind::kStrikeout;
      // K23: the third strike dropped, the batter thrown out.
      if (head.size() > 1 && !ReadChain(head.substr(1), play.batter_chain)) return refuse();
    } else {
      play.kind = head == "W" ? PlayKind::kWalk : PlayKind::kIntentionalWalk;
    }
    if (plus != std::string_view::npos) return ReadRunnerPlays(basic.substr(plus + 1), play);
    return {};
  }
  if (basic == "HP") {
    play.kind = PlayKind::kHitByPitch;
  } else if (basic == "C") {
    play.kind = PlayKind::kInterference;
  } else if (StartsWith(basic, "FLE")) {
    play.kind = PlayKind::kFoulError;
    if (!fielder_after(3) || play.fielder == 0) return refuse();
  } else if (StartsWith(basic, "FC")) {
    play.kind = PlayKind::kFieldersChoice;
    if (!fielder_after(2)) return refuse();
  } else if (basic[0] == 'E') {
    play.kind = PlayKind::kError;
    if (!fielder_after(1) || play.fielder == 0) return refuse();
  } else if (StartsWith(basic, "DGR")) {
    play.kind = PlayKind::kGroundRuleDouble;
    if (!fielder_after(3)) return refuse();
  } else if (StartsWith(basic, "HR") || basic[0] == 'H') {
    play.kind = PlayKind::kHomeRun;
    if (!fielder_after(StartsWith(basic, "HR") ? 2 : 1)) return refuse();
    // A home run with a fielder named stayed in the park.
    play.inside_park = play.fielder != 0;
  } else if (StartsWith(basic, "SB") || StartsWith(basic, "CS") || StartsWith(basic, "PO") ||
             basic == "WP" || basic == "PB" || basic == "BK" || basic == "DI" || basic == "OA") {
    play.kind = PlayKind::kRunnerPlay;
    return ReadRunnerPlays(basic, play);
  } else if (basic[0] == 'S' || basic[0] == 'D' || basic[0] == 'T') {
    play.kind = basic[0] == 'S'   ? PlayKind::kSingle
                : basic[0] == 'D' ? PlayKind::kDouble
                                  : PlayKind::kTriple;
    if (!fielder_after(1)) return refuse();
  } else {
    return refuse();
  }
  return {};
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

void ReadModifier(std::string_view m, ParsedPlay& play) {
  if (m.empty()) {
    // C/E2/: a slash with nothing after it.
  } else if (m == "BF") {
    play.bunted_foul = true;
  } else if (m == "SH") {
    play.sacrifice_hit = true;
  } else if (m == "SF") {
    play.sacrifice_fly = true;
  } else if (m == "FO") {
    play.force_out = true;
  } else if (m == "GDP" || m == "BGDP") {
    play.ground_double_play = play.double_play = true;
  } else if (m == "DP" || m == "LDP" || m == "FDP" || m == "BPDP") {
    play.double_play = true;
  } else if (m == "TP" || m == "GTP" || m == "LTP") {
    play.triple_play = true;
  } else if (m == "NDP") {
    play.no_double_play = true;
  } else if (m == "IF") {
    play.infield_fly = true;
  } else if (m == "FL") {
    play.foul = true;
  } else if (m == "TH" || (m.size() == 3 && StartsWith(m, "TH") && BaseOf(m[2]) > 0)) {
    play.throwing_error = true;
  } else if (m == "BINT") {
    play.batter_interference = true;
  } else if (m == "RINT") {
    play.runner_interference = true;
  } else if (m == "IPHR") {
    play.inside_park = true;
  } else if (m == "C") {
    play.called_third_strike = true;
  } else if (m.size() == 2 && m[0] == 'E' && IsFielder(m[1])) {
    // C/E2: the fielder who interfered.
    if (play.fielder == 0) play.fielder = m[1] - '0';
  } else if (m == "INT" || m == "FINT" || m == "UINT" || m == "AP" || m == "BOOT" || m == "MREV" ||
             m == "UREV" || m == "OBS" || m == "PASS" || m == "COUB" || m == "COUF" ||
             m == "COUR" || m == "BR" || m == "RNT" || m == "SB" ||
             (m.size() == 2 && m[0] == 'R' && IsFielder(m[1]))) {
    // Circumstances that change nothing a score sheet keeps: interference by
    // a spectator or an umpire, an appeal, a review, obstruction, a relay.
  } else if (!ReadBattedBall(m, play)) {
    play.passed_over.push_back("the modifier \"/" + std::string(m) + "\" is not known");
  }
}

Status ReadAdvance(std::string_view text, Advance& a, std::vector<std::string>& passed_over) {
  a.text = text;
  auto refuse = [&](const std::string& why) {
    return Fail("cannot read the runner \"" + a.text + "\": " + why);
  };
  if (text.size() < 3 || (text[1] != '-' && text[1] != 'X')) {
    return refuse("runners are written like 1-2, 2-H, B-1 or 1X2(64)");
  }
  a.from = BaseOf(text[0]);
  a.to = BaseOf(text[2]);
  if (a.from < 0 || a.from > 3 || a.to < 1) {
    return refuse("a runner starts at B, 1, 2 or 3 and goes to 1, 2, 3 or H");
  }
  if (a.to < a.from) return refuse("a runner cannot go back a base");
  const bool x = text[1] == 'X';
  std::string_view rest = text.substr(3);
  bool chain_read = false;
  // Of an X: the fielders who put him out, and the first chain ending in
  // an error (which saved him when nobody put him out).
  bool out_read = false;
  FieldingChain error_chain;
  // An error of the advance: the first, then a second on the same advance.
  auto add_error = [&](int fielder, bool throwing) {
    if (a.error_by == 0) {
      a.error_by = fielder;
      a.throwing_error = throwing;
      return true;
    }
    if (a.second_error_by) return false;
    a.second_error_by = fielder;
    a.second_throwing_error = throwing;
    return true;
  };
  while (!rest.empty()) {
    const std::size_t close = rest.find(')');
    if (rest[0] != '(' || close == std::string_view::npos) {
      return refuse("what follows a runner is written in parentheses, like (E6) or (UR)");
    }
    const std::string_view group = rest.substr(1, close - 1);
    rest = rest.substr(close + 1);
    const auto parts = SplitTop(group, '/');
    const std::string_view first = parts[0];
    bool throwing = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
      if (StartsWith(parts[i], "TH")) {
        throwing = true;
      } else if (parts[i] == "INT") {
        a.interference = true;
      }
    }
    if (first == "UR") {
      a.unearned = true;
    } else if (first == "TUR") {
      a.team_unearned = true;
    } else if (first == "NR" || first == "NORBI") {
      a.no_rbi = true;
    } else if (first == "RBI") {
      a.rbi = true;
    } else if (first == "TH" || (first.size() == 3 && StartsWith(first, "TH"))) {
      a.on_throw = true;
    } else if (first == "WP") {
      a.wild_pitch = true;
    } else if (first == "PB") {
      a.passed_ball = true;
    } else if (first == "INT" || first == "AP" || first == "OBS" || first == "G" || first == "SH" ||
               first == "SF") {
    } else {
      FieldingChain chain;
      if (ReadChain(first, chain)) {
      } else if (ReadChainPassingOver(first, chain)) {
        passed_over.push_back("the fielders \"(" + std::string(first) + ")\" of \"" + a.text +
                              "\" are read without their stray letters");
      } else {
        return refuse("cannot read \"(" + std::string(group) +
                      ")\": fielders like (64), an error like (E6), or UR, NR, RBI, TH, WP, PB");
      }
      if (!x && chain.fielders.empty()) {
        // (E6): an error let him advance.
        if (!add_error(chain.error_by, throwing))
          return refuse("at most two errors can be written for one advance");
        continue;
      }
      if (!x) {
        // (6E4): a throw that ended in an error let him advance.
        if (chain_read) return refuse("only one error can be written for a runner's advance");
        chain_read = true;
        a.error_by = chain.error_by ? chain.error_by : chain.fielders.back();
        a.throwing_error = throwing;
        if (chain.error_by) a.chain.fielders = chain.fielders;
      } else if (chain.error_by == 0) {
        a.chain = chain;
        out_read = true;
      } else {
        // An error on the way: it saved him unless fielders put him out
        // all the same (BX3(E9)(95): on to third on the error and out
        // there; 1X2(54)(E5/TH): out, and the throw after it wild).
        if (error_chain.empty()) error_chain = chain;
        if (!add_error(chain.error_by, throwing))
          return refuse("at most two errors can be written for one advance");
      }
    }
  }
  a.out = x && out_read;
  if (x && !out_read) a.chain = error_chain;
  if (a.to == a.from && !x && a.from == 0) return refuse("the batter must go to a base");
  return {};
}

}  // namespace

Status ParsePlay(std::string_view text, ParsedPlay& play) {
  play = ParsedPlay{};
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
