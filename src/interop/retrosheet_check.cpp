#include "interop/retrosheet_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "interop/retrosheet_play.h"
#include "interop/retrosheet_records.h"

namespace scorewick::interop {
namespace {

bool ToInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

const char* BaseName(int base) {
  static const char* kNames[] = {"the batter", "first base", "second base", "third base"};
  return kNames[std::clamp(base, 0, 3)];
}

// Where a batter goes on his play when no advance of his is written.
int BatterDefault(const ParsedPlay& play) {
  switch (play.kind) {
    case PlayKind::kSingle:
    case PlayKind::kWalk:
    case PlayKind::kIntentionalWalk:
    case PlayKind::kHitByPitch:
    case PlayKind::kInterference:
    case PlayKind::kError:
    case PlayKind::kFieldersChoice:
      return 1;
    case PlayKind::kDouble:
    case PlayKind::kGroundRuleDouble:
      return 2;
    case PlayKind::kTriple:
      return 3;
    case PlayKind::kHomeRun:
      return 4;
    case PlayKind::kFieldedOut:
      return play.batter_out ? 0 : 1;
    default:
      return 0;
  }
}

bool BatterPlays(PlayKind kind) {
  return kind != PlayKind::kNoPlay && kind != PlayKind::kRunnerPlay && kind != PlayKind::kFoulError;
}

// Where each man ends after a play, by the base he started from (0 the
// batter): 0 when out or not on; which of them are out, and which the
// play names (moves or puts out).
struct PlayEnds {
  std::array<int, 4> adv{0, 1, 2, 3};
  std::array<bool, 4> out{};
  std::array<bool, 4> named{};
  int Outs() const {
    int made = 0;
    for (bool o : out) made += o ? 1 : 0;
    return made;
  }
};

// A steal, caught stealing or pick-off: the runner it moves or puts out.
void RunnerPlayEnds(const RunnerPlay& rp, PlayEnds& e) {
  switch (rp.kind) {
    case RunnerPlayKind::kStolenBase:
      e.named[static_cast<std::size_t>(rp.base - 1)] = true;
      e.adv[static_cast<std::size_t>(rp.base - 1)] = rp.base;
      break;
    case RunnerPlayKind::kCaughtStealing:
    case RunnerPlayKind::kPickoffCaughtStealing:
      e.named[static_cast<std::size_t>(rp.base - 1)] = true;
      if (rp.chain.error_by) {
        e.adv[static_cast<std::size_t>(rp.base - 1)] = rp.base;
      } else {
        e.out[static_cast<std::size_t>(rp.base - 1)] = true;
      }
      break;
    case RunnerPlayKind::kPickoff:
      e.named[static_cast<std::size_t>(rp.base)] = true;
      if (!rp.chain.error_by) e.out[static_cast<std::size_t>(rp.base)] = true;
      break;
    default:
      break;
  }
}

// Player ids met, each once: a game names a few dozen.
class IdList {
 public:
  // False when the id was there already.
  bool Add(std::string_view id) {
    if (Has(id)) return false;
    ids_.push_back(id);
    return true;
  }
  bool Has(std::string_view id) const {
    return std::find(ids_.begin(), ids_.end(), id) != ids_.end();
  }

 private:
  std::vector<std::string_view> ids_;
};

class Checker {
 public:
  CheckFinding Run(std::string_view text);

 private:
  bool Fail(std::string why) {
    if (finding_.reason.empty()) {
      finding_.line = line_;
      finding_.reason = std::move(why);
    }
    return false;
  }
  bool Record(const RecordFields& r);
  bool Fields(const RecordFields& r, std::size_t count);
  bool PlayStageRecord(const RecordFields& r);
  bool DataRecord(const RecordFields& r);
  bool Start(const RecordFields& r);
  bool Sub(const RecordFields& r);
  bool Play(const RecordFields& r);
  bool EnterHalf(int inning, int side);
  bool EndsOfPlay(const ParsedPlay& play, PlayEnds& e);
  bool CheckOutsOfPlay(const ParsedPlay& play, const PlayEnds& e);
  bool CheckNobodyPasses(const ParsedPlay& play, const PlayEnds& e);
  bool MoveRunners(const ParsedPlay& play, std::string_view batter, const PlayEnds& e);
  std::string_view Held(std::string_view id);
  bool LineupsComplete();

  // Ids are held as views of the game's text, or of kept_ for the rare
  // one read out of a field with quotes inside it.
  struct Side {
    std::array<std::string_view, 10> slots{};  // 1..9
    std::array<std::string_view, 10> field{};  // 1..9
    bool dh = false;
    int next = 1;
    IdList starters;
  };

  CheckFinding finding_;
  int line_ = 0;
  enum class Stage { kId, kVersion, kInfo, kStart, kPlays, kData } stage_ = Stage::kId;
  std::array<Side, 2> sides_;
  bool lineups_checked_ = false;
  // The half being played.
  int inning_ = 0;
  int side_ = 1;
  int outs_ = 0;
  std::array<std::string_view, 4> bases_{};  // 1..3: who is there
  std::string_view at_plate_;                // a batter whose turn goes on
  std::pair<int, std::string_view> placed_;  // a runner placed on base for the next half
  IdList pitchers_;
  std::string_view text_;
  std::deque<std::string> kept_;
  ParsedPlay play_;  // the play being checked, its room kept from play to play
};

CheckFinding Checker::Run(std::string_view text) {
  if (text.empty()) return {0, "the game has no records"};
  if (text.back() != '\n') return {0, "the last line has no line feed after it"};
  text_ = text;
  std::size_t start = 0;
  int n = 0;
  RecordFields r;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line = text.substr(start, end - start);
    ++n;
    if (line.empty()) return {n, "a blank line"};
    if (line.find('\r') != std::string_view::npos) return {n, "a carriage return in the line"};
    if (line.size() > kMaxExportLine) {
      return {n, "the line is longer than " + std::to_string(kMaxExportLine) + " characters"};
    }
    if (Status split = SplitRecordFields(line, r); !split) return {n, split.reason};
    for (std::size_t i = line.find('"'); i != std::string_view::npos; i = line.find('"', i + 1)) {
      // A quote opens or closes a whole field, never stands inside one.
      const bool opens = i == 0 || line[i - 1] == ',';
      const bool closes = i + 1 == line.size() || line[i + 1] == ',';
      if (!opens && !closes) return {n, "a quote inside a field"};
    }
    line_ = n;
    if (!Record(r)) return finding_;
    start = end + 1;
  }
  line_ = 0;
  if (stage_ != Stage::kPlays && stage_ != Stage::kData) {
    Fail("the game has no plays");
    return finding_;
  }
  return finding_;
}

// The record has count fields, its type among them.
bool Checker::Fields(const RecordFields& r, std::size_t count) {
  return r.size() == count ||
         Fail("a " + std::string(r.type()) + " record has " + std::to_string(count - 1) +
              " fields, not " + std::to_string(r.size() - 1));
}

// A play, a substitution or a runner placed on base: after the line-ups,
// before the earned runs.
bool Checker::PlayStageRecord(const RecordFields& r) {
  const std::string_view type = r.type();
  if (stage_ != Stage::kStart && stage_ != Stage::kPlays) {
    return Fail(std::string(type) + " before the line-ups or after the earned runs");
  }
  stage_ = Stage::kPlays;
  if (!LineupsComplete()) return false;
  if (type == "play") return Fields(r, 7) && Play(r);
  if (type == "sub") return Fields(r, 6) && Sub(r);
  int base = 0;
  if (!Fields(r, 3) || !ToInt(r.at(2), base) || base < 1 || base > 3) {
    return Fail("a runner placed on base is written radj,id,base");
  }
  if (inning_ > 0 && outs_ < 3) return Fail("a runner is placed on base in the middle of a half");
  placed_ = {base, Held(r.at(1))};
  return true;
}

// The earned runs of a pitcher who pitched, after the plays.
bool Checker::DataRecord(const RecordFields& r) {
  if (stage_ != Stage::kPlays && stage_ != Stage::kData) {
    return Fail("the earned runs come before the plays");
  }
  stage_ = Stage::kData;
  int earned = 0;
  if (!Fields(r, 4) || r.at(1) != "er" || !ToInt(r.at(3), earned) || earned < 0) {
    return Fail("earned runs are written data,er,id,runs");
  }
  if (!pitchers_.Has(r.at(2))) {
    return Fail(std::string(r.at(2)) + " has earned runs but did not pitch");
  }
  return true;
}

bool Checker::Record(const RecordFields& r) {
  const std::string_view type = r.type();
  if (type == "id") {
    if (stage_ != Stage::kId) return Fail("a second id record in one game");
    stage_ = Stage::kVersion;
    return Fields(r, 2) && (r.at(1).size() == 12 || Fail("a game id is 12 characters"));
  }
  if (stage_ == Stage::kId) return Fail("the game does not begin with its id record");
  if (type == "version") {
    if (stage_ != Stage::kVersion) return Fail("the version record comes after the info records");
    stage_ = Stage::kInfo;
    return Fields(r, 2);
  }
  if (type == "info") {
    if (stage_ != Stage::kInfo && stage_ != Stage::kVersion) {
      return Fail("an info record comes after the line-ups");
    }
    stage_ = Stage::kInfo;
    return Fields(r, 3);
  }
  if (type == "start") {
    if (stage_ != Stage::kInfo && stage_ != Stage::kStart) {
      return Fail("a starting player comes after the plays");
    }
    stage_ = Stage::kStart;
    return Fields(r, 6) && Start(r);
  }
  if (type == "play" || type == "sub" || type == "radj") return PlayStageRecord(r);
  if (type == "com") return Fields(r, 2);
  if (type == "data") return DataRecord(r);
  return Fail("unknown record \"" + std::string(type) + "\"");
}

bool Checker::Start(const RecordFields& r) {
  int side = 0, slot = 0, position = 0;
  if (!ToInt(r.at(3), side) || side < 0 || side > 1 || !ToInt(r.at(4), slot) || slot < 0 ||
      slot > 9 || !ToInt(r.at(5), position) || position < 1 || position > 10) {
    return Fail("a starting player is written start,id,name,side,place 0 to 9,position 1 to 10");
  }
  Side& s = sides_[static_cast<std::size_t>(side)];
  const std::string_view id = Held(r.at(1));
  if (!s.starters.Add(id)) return Fail(std::string(id) + " starts twice");
  if (slot > 0) {
    if (!s.slots[static_cast<std::size_t>(slot)].empty())
      return Fail("two players bat " + std::to_string(slot));
    s.slots[static_cast<std::size_t>(slot)] = id;
  } else if (position != 1) {
    return Fail("only a pitcher starts without a place in the order");
  }
  if (position == 10) {
    s.dh = true;
  } else {
    if (!s.field[static_cast<std::size_t>(position)].empty()) {
      return Fail("two players start at position " + std::to_string(position));
    }
    s.field[static_cast<std::size_t>(position)] = id;
  }
  if (position == 1) pitchers_.Add(id);
  return true;
}

bool Checker::LineupsComplete() {
  if (lineups_checked_) return true;
  lineups_checked_ = true;
  for (int side = 0; side <= 1; ++side) {
    const Side& s = sides_[static_cast<std::size_t>(side)];
    const std::string who = side == 0 ? "the visitors" : "the home side";
    for (int i = 1; i <= 9; ++i) {
      if (s.slots[static_cast<std::size_t>(i)].empty()) {
        return Fail(who + " have nobody batting " + std::to_string(i));
      }
      if (s.field[static_cast<std::size_t>(i)].empty()) {
        return Fail(who + " have nobody at position " + std::to_string(i));
      }
    }
    const bool pitcher_bats =
        std::find(s.slots.begin(), s.slots.end(), s.field[1]) != s.slots.end();
    if (pitcher_bats == s.dh) {
      return Fail(who + (s.dh ? " have a designated hitter and a pitcher who bats"
                              : " have a pitcher who does not bat and no designated hitter"));
    }
  }
  return true;
}

bool Checker::Sub(const RecordFields& r) {
  int side = 0, slot = 0, position = 0;
  if (!ToInt(r.at(3), side) || side < 0 || side > 1 || !ToInt(r.at(4), slot) || slot < 0 ||
      slot > 9 || !ToInt(r.at(5), position) || position < 1 || position > 12) {
    return Fail("a substitution is written sub,id,name,side,place 0 to 9,position 1 to 12");
  }
  if (slot == 0 && position != 1)
    return Fail("only a pitcher comes in without a place in the order");
  Side& s = sides_[static_cast<std::size_t>(side)];
  const std::string_view id = Held(r.at(1));
  if (slot > 0) {
    const std::string_view left = s.slots[static_cast<std::size_t>(slot)];
    s.slots[static_cast<std::size_t>(slot)] = id;
    // A pinch runner takes his place on base.
    if (position == 12 && side == side_) {
      for (std::string_view& b : bases_) {
        if (!b.empty() && b == left) b = id;
      }
    }
    if (position == 11 && side == side_ && at_plate_ == left) at_plate_ = id;
  }
  if (position <= 9) {
    for (std::string_view& f : s.field) {
      if (f == id) f = {};
    }
    s.field[static_cast<std::size_t>(position)] = id;
  }
  if (position == 1) pitchers_.Add(id);
  return true;
}

// An id as the checker holds it: a view of the game's text when it lies
// there, else of a copy kept till the end of the check.
std::string_view Checker::Held(std::string_view id) {
  const char* begin = text_.data();
  if (std::less_equal<>()(begin, id.data()) &&
      std::less_equal<>()(id.data() + id.size(), begin + text_.size())) {
    return id;
  }
  return kept_.emplace_back(id);
}

// Where the play leaves every man: the batter's result, the fielders'
// outs, the runner plays, then the advances written after the dot.
// Fails on an advance of the batter when the play is not his.
bool Checker::EndsOfPlay(const ParsedPlay& play, PlayEnds& e) {
  e.adv[0] = BatterPlays(play.kind) ? BatterDefault(play) : 0;
  if (play.kind == PlayKind::kStrikeout) e.out[0] = true;
  if (play.kind == PlayKind::kFieldedOut && play.batter_out) e.out[0] = true;
  for (const FieldedOut& o : play.outs) {
    e.out[static_cast<std::size_t>(o.runner)] = true;
    e.named[static_cast<std::size_t>(o.runner)] = true;
  }
  for (const RunnerPlay& rp : play.runner_plays) RunnerPlayEnds(rp, e);
  for (const Advance& a : play.advances) {
    const std::size_t from = static_cast<std::size_t>(a.from);
    if (a.from == 0 && !BatterPlays(play.kind)) {
      return Fail("the batter moves on a play that is not his");
    }
    e.named[from] = true;
    if (a.out) {
      e.out[from] = true;
    } else {
      e.out[from] = false;
      e.adv[from] = a.to;
    }
  }
  return true;
}

// The play's half: the one being played, or the next after three outs;
// a new half starts with empty bases but for a runner placed there.
bool Checker::EnterHalf(int inning, int side) {
  if (inning == inning_ && side == side_) return true;
  const bool next = (side == 0 && inning == inning_ + 1 && side_ == 1) ||
                    (side == 1 && inning == inning_ && side_ == 0);
  if (!next) return Fail("this play is not in the half that comes next");
  if (inning_ > 0 && outs_ < 3) {
    return Fail("the half before ends with " + std::to_string(outs_) + " out" +
                (outs_ == 1 ? "" : "s"));
  }
  inning_ = inning;
  side_ = side;
  outs_ = 0;
  bases_ = {};
  // The runner placed on base before the half's first play.
  if (placed_.first > 0) bases_[static_cast<std::size_t>(placed_.first)] = placed_.second;
  placed_ = {};
  at_plate_ = {};
  return true;
}

// The runners the play names stand on their bases; its outs fit the
// double or triple play written and the outs left.
bool Checker::CheckOutsOfPlay(const ParsedPlay& play, const PlayEnds& e) {
  for (int base = 1; base <= 3; ++base) {
    if (e.named[static_cast<std::size_t>(base)] && bases_[static_cast<std::size_t>(base)].empty()) {
      return Fail("a runner moves from " + std::string(BaseName(base)) + ", where nobody is");
    }
  }
  const int made = e.Outs();
  if (play.double_play && made < 2) return Fail("a double play with fewer than two outs");
  if (play.triple_play && made < 3) return Fail("a triple play with fewer than three outs");
  if (outs_ + made > 3) return Fail("the play makes a fourth out");
  return true;
}

// Nobody passes the runner ahead of him, as long as the half goes on.
bool Checker::CheckNobodyPasses(const ParsedPlay& play, const PlayEnds& e) {
  const int made = e.Outs();
  for (int dest = 1; dest <= 3; ++dest) {
    if (bases_[static_cast<std::size_t>(dest)].empty() || e.out[static_cast<std::size_t>(dest)])
      continue;
    const int ahead = e.adv[static_cast<std::size_t>(dest)];
    if (ahead >= 4 || outs_ + made >= 3) continue;
    for (int src = 0; src < dest; ++src) {
      const bool present =
          src == 0 ? BatterPlays(play.kind) : !bases_[static_cast<std::size_t>(src)].empty();
      if (!present || e.out[static_cast<std::size_t>(src)]) continue;
      if (src == 0 && e.adv[0] == 0) continue;
      if (e.adv[static_cast<std::size_t>(src)] >= ahead) {
        return Fail("the runner from " + std::string(BaseName(src)) + " passes the runner on " +
                    BaseName(dest));
      }
    }
  }
  return true;
}

// The bases after the play, one man on each at most.
bool Checker::MoveRunners(const ParsedPlay& play, std::string_view batter, const PlayEnds& e) {
  std::array<std::string_view, 4> next{};
  for (int base = 0; base <= 3; ++base) {
    const std::string_view who = base == 0 ? batter : bases_[static_cast<std::size_t>(base)];
    if (who.empty() || e.out[static_cast<std::size_t>(base)]) continue;
    if (base == 0 && !BatterPlays(play.kind)) continue;
    const int to = e.adv[static_cast<std::size_t>(base)];
    if (to < 1 || to > 3) continue;
    if (!next[static_cast<std::size_t>(to)].empty()) {
      return Fail("two runners are left on " + std::string(BaseName(to)));
    }
    next[static_cast<std::size_t>(to)] = who;
  }
  bases_ = next;
  return true;
}

bool Checker::Play(const RecordFields& r) {
  int inning = 0, side = 0;
  if (!ToInt(r.at(1), inning) || !ToInt(r.at(2), side) || side < 0 || side > 1) {
    return Fail("a play is written play,inning,side,batter,count,pitches,event");
  }
  // The halves come in order, each after the third out of the one before.
  if (!EnterHalf(inning, side)) return false;
  if (outs_ >= 3) return Fail("a play after the third out of the half");
  Side& batting = sides_[static_cast<std::size_t>(side)];
  const std::string_view batter = Held(r.at(3));
  const std::string_view due =
      at_plate_.empty() ? batting.slots[static_cast<std::size_t>(batting.next)] : at_plate_;
  if (batter != due)
    return Fail(std::string(batter) + " bats, but " + std::string(due) + " is due up");
  ParsedPlay& play = play_;
  if (Status parsed = ParsePlay(r.at(6), play); !parsed) return Fail(parsed.reason);
  if (!play.passed_over.empty()) return Fail(play.passed_over.front());
  if (play.kind == PlayKind::kNoPlay) return true;
  PlayEnds ends;
  if (!EndsOfPlay(play, ends) || !CheckOutsOfPlay(play, ends) || !CheckNobodyPasses(play, ends) ||
      !MoveRunners(play, batter, ends)) {
    return false;
  }
  outs_ += ends.Outs();
  if (BatterPlays(play.kind)) {
    at_plate_ = {};
    batting.next = batting.next % 9 + 1;
  } else {
    at_plate_ = batter;
  }
  return true;
}

}  // namespace

std::string CheckFinding::Text() const {
  return (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + reason;
}

CheckFinding CheckRetrosheetGame(std::string_view text) {
  Checker checker;
  return checker.Run(text);
}

}  // namespace scorewick::interop
