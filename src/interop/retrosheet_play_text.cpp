// The text of a play record's event: the batter's part (S8, 64(1)3/GDP,
// K+SB2, E6/TH), the runners' plays (SB2;SB3, CS2(26), PO1(E3), WP), and
// the runners' moves after the dot with their reasons, fielders, unearned
// runs and runs batted in.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

#include "interop/hit_location.h"
#include "interop/retrosheet_game_writer.h"
#include "interop/sort_few.h"
#include "records/codes.h"
#include "scoring/play.h"

namespace scorewick::interop {
namespace retro_out {
namespace {

char BaseChar(int base) { return base >= 4 ? 'H' : static_cast<char>('0' + base); }

// The errors charged on the way to a base (1..4) of a box, both lists:
// the fielder and the kind of each.  A passed ball, the "previous error"
// marks and a dropped foul fly are no errors of an advance.
std::vector<std::pair<int, std::int32_t>> ErrorsAt(const AT_BAT& ab, int base) {
  std::vector<std::pair<int, std::int32_t>> errors;
  if (base < 1 || base > 4) return errors;
  const std::size_t i = static_cast<std::size_t>(base - 1);
  for (int list = 0; list < 2; ++list) {
    const FIELDER_CREDIT& c = list == 0 ? ab.error_credits[i] : ab.second_error_credits[i];
    const std::int32_t kind = list == 0 ? ab.error_kinds[i] : ab.second_error_kinds[i];
    if (c.name.empty() || c.position < 1 || c.position > 9) continue;
    if (kind == kErrPassedBall || kind == kErrPrevious || kind == kErrPopFoul) continue;
    errors.push_back({std::int32_t{c.position}, kind});  // packed: a copy
  }
  return errors;
}

std::string ErrorText(int fielder, std::int32_t kind) {
  return "E" + std::to_string(fielder) + (kind == kErrThrowing ? "/TH" : "");
}

bool IsStrikeoutOut(std::int32_t how) {
  return how == kOutStrikeSwinging || how == kOutStrikeLooking || how == kOutBuntedFoul ||
         how == kOutDroppedThird;
}

// The fielder who usually stands at a base, for an out written without
// fielders.
int FielderAtBase(int base) {
  switch (base) {
    case 1:
      return 3;
    case 2:
      return 6;
    case 3:
      return 5;
    default:
      return 2;
  }
}

// Every hit location code with its point on the field picture, plain and
// as a home run over the fence puts it.
struct LocationPoint {
  std::string code;
  int x = 0, y = 0;
  int hr_x = 0, hr_y = 0;
  bool zone = false;  // one of Retrosheet's zones (78, 56D), not between two fielders (49)
};

const std::vector<LocationPoint>& LocationPoints() {
  static const std::vector<LocationPoint> points = [] {
    std::vector<LocationPoint> all;
    std::vector<std::string> zones = {"1", "13", "15", "2",  "23", "25", "3", "34", "4", "4M", "6M",
                                      "6", "56", "5",  "7L", "7",  "78", "8", "89", "9", "9L"};
    const std::size_t zone_count = zones.size();
    for (char a = '1'; a <= '9'; ++a) {
      for (char b = '1'; b <= '9'; ++b) {
        if (a != b) zones.push_back(std::string{a, b});
      }
    }
    for (std::size_t z = 0; z < zones.size(); ++z) {
      const std::string& zone = zones[z];
      for (const char* depth : {"", "S", "D", "XD"}) {
        for (const char* foul : {"", "F"}) {
          const std::string code = zone + depth + foul;
          FieldSpot spot;
          if (!HitLocationSpot(code, spot)) continue;
          LocationPoint p;
          p.code = code;
          p.zone = z < zone_count;
          SpotPixel(spot, p.x, p.y);
          FieldSpot hr = spot;
          hr.distance = std::max(hr.distance, kFenceDistance - 2);
          SpotPixel(hr, p.hr_x, p.hr_y);
          all.push_back(p);
        }
      }
    }
    return all;
  }();
  return points;
}

// The code whose point is nearest: a zone's, unless only a point between
// two fielders is the very one.
std::string NearestOfAll(int x, int y, bool home_run, bool* exact) {
  const LocationPoint* best = nullptr;
  long best_distance = std::numeric_limits<long>::max();
  for (const LocationPoint& p : LocationPoints()) {
    const long dx = (home_run ? p.hr_x : p.x) - x;
    const long dy = (home_run ? p.hr_y : p.y) - y;
    const long d = dx * dx + dy * dy;
    if (!p.zone && d > 0) continue;
    // Of codes alike, the shortest; for a home run, one of the outfield.
    const auto rank = [&](const LocationPoint& q) {
      return (home_run && q.code[0] < '7' ? 100 : 0) + (q.zone ? 0 : 50) +
             static_cast<int>(q.code.size());
    };
    if (d < best_distance || (d == best_distance && rank(p) < rank(*best))) {
      best = &p;
      best_distance = d;
    }
  }
  *exact = best_distance == 0;
  return best ? best->code : std::string();
}

// The same, remembered: a season's balls land on a few thousand points,
// each looked for among every code once per thread.
std::string Nearest(int x, int y, bool home_run, bool* exact = nullptr) {
  struct Found {
    std::string code;
    bool exact = false;
  };
  thread_local std::unordered_map<std::uint64_t, Found> known;
  const std::uint64_t key = (std::uint64_t{static_cast<std::uint32_t>(x)} << 33) |
                            (std::uint64_t{static_cast<std::uint32_t>(y)} << 1) |
                            (home_run ? 1u : 0u);
  auto it = known.find(key);
  if (it == known.end()) {
    if (known.size() >= 65536) known.clear();  // points of no field picture
    Found found;
    found.code = NearestOfAll(x, y, home_run, &found.exact);
    it = known.emplace(key, std::move(found)).first;
  }
  if (exact) *exact = it->second.exact;
  return it->second.code;
}

}  // namespace

MoveKind GameWriter::KindOf(const Move& m) const {
  const AT_BAT& ab = Box(m.box);
  if (!m.codes.empty()) {
    switch (m.codes.front()) {
      case kAdvStolenBase:
      case kAdvDoubleSteal:
      case kAdvTripleSteal:
      case kAdvCaughtStealingError:
        return MoveKind::kSteal;
      case kAdvWildPitch:
      case kAdvWildPitchContinued:
        return MoveKind::kWildPitch;
      case kAdvPassedBall:
      case kAdvPassedBallContinued:
        return MoveKind::kPassedBall;
      case kAdvBalk:
      case kAdvBalkContinued:
        return MoveKind::kBalk;
      case kAdvDefensiveIndifference:
        return MoveKind::kIndifference;
      case kAdvError: {
        const std::size_t i = static_cast<std::size_t>(std::clamp(m.from + 1, 1, 4) - 1);
        if (m.from >= 1 && (ab.error_kinds[i] == kErrPickOff)) return MoveKind::kPickoff;
        return MoveKind::kBatted;
      }
      default:
        return MoveKind::kBatted;
    }
  }
  if (m.out && m.from >= 1) {
    if (ab.how_out == kOutCaughtStealing || ab.how_out == kOutCaughtStealingDP) {
      return MoveKind::kSteal;
    }
    if (ab.how_out == kOutPickedOff) return MoveKind::kPickoff;
  }
  return MoveKind::kBatted;
}

// The reach credits of a box that are its result's own: the fielders of
// an error or a choice, up to the one who erred or chose; those after are
// assists on the runner's later advances.
int GameWriter::ResultCredits(const AT_BAT& ab) const {
  if (!ab.reached) return 0;
  const int n = std::min(static_cast<int>(ab.reach_credit_count), kMaxCredits);
  for (int i = 0; i < n; ++i) {
    if (ab.reach_credits[static_cast<std::size_t>(i)].credit != kCreditAssist) return i + 1;
  }
  return 0;
}

bool GameWriter::ValidChain(const AT_BAT& ab) {
  for (int i = 0; i < std::min(static_cast<int>(ab.out_credit_count), kMaxCredits); ++i) {
    const std::int32_t p = ab.out_credits[static_cast<std::size_t>(i)].position;
    if (p < 1 || p > 9) return false;
  }
  return ab.out_credit_count > 0;
}

std::string GameWriter::ChainText(const AT_BAT& ab) {
  std::string chain;
  for (int i = 0; i < std::min(static_cast<int>(ab.out_credit_count), kMaxCredits); ++i) {
    const std::int32_t p = ab.out_credits[static_cast<std::size_t>(i)].position;
    if (p >= 1 && p <= 9) chain += static_cast<char>('0' + p);
  }
  return chain;
}

int GameWriter::FielderOfLocation(const AT_BAT& ab) const {
  if (!ab.HasHitLocation()) return 0;
  const double dx = ab.hit_x - 83.0;
  const double dy = 117.0 - ab.hit_y;
  const double distance = std::hypot(dx, dy);
  const double angle = std::atan2(dx, dy) * 180.0 / 3.14159265358979323846;
  if (distance > 62) return angle < -16 ? 7 : angle > 16 ? 9 : 8;
  if (distance < 16) return 2;
  if (distance < 34 && std::abs(angle) < 20) return 1;
  if (angle < -30) return 5;
  if (angle < 0) return 6;
  if (angle < 24) return 4;
  return 3;
}

namespace {

// Whether the batted ball's point is the spot's (moved to the fence for a
// ball over it).
bool AtSpot(const AT_BAT& ab, FieldSpot spot, bool over_fence) {
  if (over_fence) spot.distance = std::max(spot.distance, kFenceDistance - 2);
  int x = 0, y = 0;
  SpotPixel(spot, x, y);
  return x == ab.hit_x && y == ab.hit_y;
}

constexpr const char* kReaderTrajectories[] = {"", "G", "L"};

// The reader's points of each fielder, trajectory and bases, once.
const std::array<std::array<std::array<std::pair<int, int>, 4>, 3>, 10>& ReaderPoints() {
  static const auto points = [] {
    std::array<std::array<std::array<std::pair<int, int>, 4>, 3>, 10> table{};
    for (int f = 1; f <= 9; ++f) {
      for (int t = 0; t < 3; ++t) {
        for (int b = 1; b <= 3; ++b) {
          FieldSpot at_spot;
          FielderBallSpot(f, kReaderTrajectories[t], b, at_spot);
          SpotPixel(at_spot, table[f][t][b].first, table[f][t][b].second);
        }
      }
    }
    return table;
  }();
  return points;
}

// A hit's (or a play's own fielder's) point that the reader puts there
// itself from the fielder, the trajectory and the bases: into place.
bool ReaderFielderPlace(const AT_BAT& ab, BallForm form, int fielder, BallPlace& place) {
  const int bases = ab.how_reached == kReachDouble || ab.how_reached == kReachGroundRuleDouble ? 2
                    : ab.how_reached == kReachTriple                                           ? 3
                                                                                               : 1;
  const bool bunt = ab.how_reached == kReachOnBaseSingle;
  const auto& points = ReaderPoints();
  const int first = form == BallForm::kHit ? 1 : std::clamp(fielder, 0, 9);
  const int last = form == BallForm::kHit ? 9 : std::clamp(fielder, 0, 9);
  for (int f = std::max(first, 1); f <= last; ++f) {
    for (int t = 0; t < (bunt ? 1 : 3); ++t) {
      const auto& [x, y] = points[static_cast<std::size_t>(f)][static_cast<std::size_t>(t)]
                                 [static_cast<std::size_t>(bases)];
      if (x == ab.hit_x && y == ab.hit_y) {
        place.fielder = f;
        place.trajectory = kReaderTrajectories[t];
        return true;
      }
    }
  }
  return false;
}

}  // namespace

BallPlace GameWriter::PlaceOfBall(const AT_BAT& ab, BallForm form, int fielder) {
  BallPlace place;
  if (!ab.HasHitLocation()) return place;
  const bool over_fence = form == BallForm::kHit && ab.reached && ab.how_reached == kReachHomeRun;
  // A point the reader puts there itself when no location is written: the
  // fielder's place (for an outfielder as deep as the trajectory and the
  // bases say), the fence for a home run.
  FieldSpot spot;
  if (over_fence && AtSpot(ab, {0, kFenceDistance}, over_fence)) return place;
  if (form == BallForm::kFieldedFirst && FielderSpot(fielder, spot) &&
      AtSpot(ab, spot, over_fence)) {
    return place;
  }
  if ((form == BallForm::kHit || form == BallForm::kFixedFielder) && !over_fence &&
      ReaderFielderPlace(ab, form, fielder, place)) {
    return place;
  }
  place.fielder = FielderOfLocation(ab);
  bool exact = false;
  place.location = Nearest(ab.hit_x, ab.hit_y, over_fence, &exact);
  // A point that is no zone's own is written as the nearest zone.
  if (!exact) {
    Lost("the batted balls' exact spots (written as the nearest of Retrosheet's hit locations)");
  }
  return place;
}

std::string GameWriter::ErrorMarks(const Move& m, int first_base, int last_base) {
  const AT_BAT& ab = Box(m.box);
  std::string text;
  for (int base = std::max(first_base, 1); base <= last_base && base <= 4; ++base) {
    const int key = m.box * 8 + base;
    if (errors_written_.count(key)) continue;
    const auto errors = ErrorsAt(ab, base);
    if (errors.empty()) continue;
    errors_written_.insert(key);
    // A throw that ended in the error: its fielder made an assist.
    std::string assists;
    // (An error that gained him nothing may have ended a throw too.)
    const int gained = base - m.from - 1;
    const std::int32_t code = gained >= 0 && gained < static_cast<int>(m.codes.size())
                                  ? m.codes[static_cast<std::size_t>(gained)]
                                  : kAdvNone;
    if (code == kAdvAssistWithError || code == kAdvCaughtStealingError || code == kAdvNone) {
      for (int i = ResultCredits(ab);
           i < std::min(static_cast<int>(ab.reach_credit_count), kMaxCredits); ++i) {
        const FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(i)];
        if (c.credit != kCreditAssist || c.position < 1 || c.position > 9 ||
            assists_written_.count(m.box * 16 + i)) {
          if (!assists.empty()) break;
          continue;
        }
        // The throw's fielders, one after the other.
        assists_written_.insert(m.box * 16 + i);
        assists += std::to_string(c.position);
      }
    }
    for (std::size_t e = 0; e < errors.size(); ++e) {
      text += "(" + (e == 0 ? assists : std::string()) +
              ErrorText(errors[e].first, errors[e].second) + ")";
    }
  }
  return text;
}

std::string GameWriter::AdvanceText(const Move& m, bool batter_play, bool rbi) {
  const AT_BAT& ab = Box(m.box);
  std::string text(1, m.from == 0 ? 'B' : BaseChar(m.from));
  int target = m.out ? m.to + 1 : m.to;
  if (batter_play && m.out && out_target_.count(m.box)) target = out_target_.at(m.box);
  text += m.out ? 'X' : '-';
  text += BaseChar(target);
  // The result's own error is written with it; any other of the
  // batter's, even on the way to first (BX1(6E1)), with his advance.
  text += ErrorMarks(m, m.from + 1, target);
  if (m.from > 0 && !m.out &&
      std::find(m.codes.begin(), m.codes.end(), kAdvOnThrow) != m.codes.end()) {
    text += "(TH)";
  }
  if (m.out) {
    std::string chain = ChainText(ab);
    if (chain.empty()) {
      chain = std::to_string(FielderAtBase(target));
      Lost(
          "who put out a runner who was out without a fielder named (the fielder at the base "
          "is written)");
    }
    const bool interference = batter_play && out_interference_.count(m.box);
    text += "(" + chain + (interference ? "/INT" : "") + ")";
  } else if (m.to == 4) {
    if (!ab.earned) text += "(UR)";
    if (batter_play) text += rbi ? "(RBI)" : "(NR)";
  }
  return text;
}

std::string GameWriter::Advances(const std::vector<Move>& moves, const SmallIntSet& skip,
                                 bool batter_play, int rbi) {
  // The lead runner first, the batter last.
  std::vector<const Move*> order;
  for (const Move& m : moves) {
    if (!skip.count(m.box)) order.push_back(&m);
  }
  SortFew(order, [](const Move* a, const Move* b) { return a->from > b->from; });
  // Runs batted in, as many as the batter's box counts: a home run's own
  // first, then the runners' from the lead runner back, those scoring on a
  // misplay last.
  SmallIntSet batted_in;
  if (batter_play && rbi > 0) {
    std::vector<const Move*> scoring;
    for (const Move& m : moves) {
      if (!m.out && m.to == 4) scoring.push_back(&m);
    }
    auto rank = [](const Move* m) {
      if (m->from == 0 && m->codes.empty()) return 0;
      const bool misplay = !m->codes.empty() && scoring::AdvanceWithoutRbi(m->codes.back());
      return misplay ? 2 : 1;
    };
    SortFew(scoring, [&](const Move* a, const Move* b) {
      if (rank(a) != rank(b)) return rank(a) < rank(b);
      return a->from > b->from;
    });
    for (const Move* m : scoring) {
      if (static_cast<int>(batted_in.size()) < rbi) batted_in.insert(m->box);
    }
  }
  std::string text;
  for (const Move* m : order) {
    if (!text.empty()) text += ';';
    text += AdvanceText(*m, batter_play, batted_in.count(m->box) > 0);
  }
  return text;
}

namespace {

void AddPart(std::string& text, const std::string& part) {
  if (!text.empty()) text += ';';
  text += part;
}

// The plays of runners that name no runner.
struct PlainRunnerPlay {
  MoveKind kind;
  const char* text;
};
constexpr PlainRunnerPlay kPlainRunnerPlays[] = {
    {MoveKind::kWildPitch, "WP"},
    {MoveKind::kPassedBall, "PB"},
    {MoveKind::kBalk, "BK"},
    {MoveKind::kIndifference, "DI"},
};

}  // namespace

// The steals and caught stealings of the moves (SB2;CS3(25)).
std::string GameWriter::StealsText(const std::vector<const Move*>& order, SmallIntSet& implied) {
  std::string text;
  for (const Move* m : order) {
    if (KindOf(*m) != MoveKind::kSteal) continue;  // a plain advance, written after the dot
    const AT_BAT& ab = Box(m->box);
    const int base = m->from + 1;
    if (m->out && m->codes.empty()) {
      std::string chain = ChainText(ab);
      if (chain.empty()) chain = "2" + std::to_string(FielderAtBase(base));
      AddPart(text, "CS" + std::string(1, BaseChar(base)) + "(" + chain + ")");
      implied.insert(m->box);
    } else if (!m->codes.empty() && m->codes.front() == kAdvCaughtStealingError) {
      const std::string errors = ErrorMarks(*m, base, base);
      AddPart(text, "CS" + std::string(1, BaseChar(base)) + (errors.empty() ? "(E2)" : errors));
    } else {
      AddPart(text, "SB" + std::string(1, BaseChar(base)));
      if (m->to == base && !m->out && (base < 4 || Box(m->box).earned)) implied.insert(m->box);
    }
  }
  return text;
}

// The pick-offs of the moves (PO1(13), PO2(E4)).
std::string GameWriter::PickoffsText(const std::vector<const Move*>& order, SmallIntSet& implied) {
  std::string text;
  for (const Move* m : order) {
    if (KindOf(*m) != MoveKind::kPickoff) continue;
    const AT_BAT& ab = Box(m->box);
    if (m->out && m->codes.empty()) {
      std::string chain = ChainText(ab);
      if (chain.empty()) chain = "1" + std::to_string(FielderAtBase(m->from));
      AddPart(text, "PO" + std::string(1, BaseChar(m->from)) + "(" + chain + ")");
      implied.insert(m->box);
    } else {
      const std::string errors = ErrorMarks(*m, m->from + 1, m->from + 1);
      AddPart(text, "PO" + std::string(1, BaseChar(m->from)) + (errors.empty() ? "(E1)" : errors));
    }
  }
  return text;
}

// Runners who advanced on no play of their own: OA, or a throw to pick a
// runner off that got away without his moving, the play the others
// advanced on (PO1(E1).3-H).
std::string GameWriter::OtherAdvanceText() {
  for (int base = 1; base <= 3; ++base) {
    const int box = bases_[static_cast<std::size_t>(base)];
    if (box < 0 || errors_written_.count(box * 8 + base + 1)) continue;
    const std::size_t i = static_cast<std::size_t>(base);
    const AT_BAT& ab = Box(box);
    if (ab.error_kinds[i] != kErrPickOff || ab.error_credits[i].name.empty()) continue;
    errors_written_.insert(box * 8 + base + 1);
    return "PO" + std::string(1, BaseChar(base)) + "(" +
           ErrorText(ab.error_credits[i].position, kErrFielding) + ")";
  }
  return "OA";
}

std::string GameWriter::RunnerEvent(MoveKind kind, const std::vector<Move>& moves,
                                    SmallIntSet& implied) {
  std::vector<const Move*> order;
  for (const Move& m : moves) order.push_back(&m);
  SortFew(order, [](const Move* a, const Move* b) { return a->from > b->from; });
  std::string text;
  if (kind == MoveKind::kSteal) {
    text = StealsText(order, implied);
  } else if (kind == MoveKind::kPickoff) {
    text = PickoffsText(order, implied);
  } else if (kind == MoveKind::kBatted) {
    text = OtherAdvanceText();
  } else {
    for (const PlainRunnerPlay& p : kPlainRunnerPlays) {
      if (p.kind == kind) text = p.text;
    }
  }
  int outs = 0;
  bool dp = false;
  for (const Move& m : moves) {
    outs += m.out ? 1 : 0;
    dp |= m.out && Box(m.box).how_out == kOutCaughtStealingDP;
  }
  if (dp && outs >= 2) text += "/DP";
  return text;
}

namespace {

// What one modifier of a batted ball tells of it: caught in the air, not
// caught, or nothing.
std::optional<bool> CaughtByModifier(std::string_view m) {
  if (m == "SF" || m == "IF" || m == "FL") return true;
  if (m.starts_with("BP") || m.starts_with("BL")) return true;
  if (m.starts_with("BG") || m.starts_with("G")) return false;
  if (!m.empty() && (m[0] == 'F' || m[0] == 'L' || m[0] == 'P') &&
      (m.size() == 1 || std::isdigit(static_cast<unsigned char>(m[1])))) {
    return true;
  }
  return std::nullopt;
}

}  // namespace

// Whether the reader takes the batter's ball as caught in the air (a fly,
// a line drive, a pop, a sacrifice fly, an infield fly, a foul out), as
// the event tells it: its trajectory (a last modifier, written after the
// others when not empty), its flags, or an out by one outfielder alone.
bool CaughtAsWritten(const AT_BAT& ab, bool batter_out, const std::vector<std::string>& modifiers,
                     std::string_view trajectory) {
  for (const std::string& m : modifiers) {
    if (const std::optional<bool> caught = CaughtByModifier(m)) return *caught;
  }
  if (!trajectory.empty()) {
    if (const std::optional<bool> caught = CaughtByModifier(trajectory)) return *caught;
  }
  if (!batter_out || ab.out_credit_count != 1) return false;
  return ab.out_credits[0].position >= kPosLeftField && ab.out_credits[0].position <= 9;
}

namespace {

// How a batter's reach is written when it is a letter or two and, for a
// hit, the fielder the ball went to (S8, DGR, W, HP).
struct ReachWriting {
  std::int32_t how;
  const char* basic;
  bool fielder;
  const char* modifier;
};
constexpr ReachWriting kReachWritings[] = {
    {kReachSingle, "S", true, nullptr},
    {kReachOnBaseSingle, "S", true, "BG"},
    {kReachDouble, "D", true, nullptr},
    {kReachTriple, "T", true, nullptr},
    {kReachGroundRuleDouble, "DGR", false, nullptr},
    {kReachHomeRun, "HR", false, nullptr},
    {kReachWalk, "W", false, nullptr},
    {kReachIntentionalWalk, "IW", false, nullptr},
    {kReachHitByPitch, "HP", false, nullptr},
};

// A reach on an error, with the flag of the sacrifice it was (E6/SH).
struct ErrorReachWriting {
  std::int32_t how;
  const char* flag;
};
constexpr ErrorReachWriting kErrorReachWritings[] = {
    {kReachError, nullptr},           {kReachAssistWithError, nullptr},
    {kReachSacrificeWithError, "SH"}, {kReachSacHitWithError, "SH"},
    {kReachSacFlyWithError, "SF"},
};

// The modifiers an out of the batter's kind is written with (G, SF/DP).
struct OutWriting {
  std::int32_t how;
  const char* first;
  const char* second;
};
constexpr OutWriting kOutWritings[] = {
    {kOutGround, "G", nullptr},
    {kOutFly, "F", nullptr},
    {kOutPopOut, "P", nullptr},
    {kOutLineDrive, "L", nullptr},
    {kOutFoul, "FL", nullptr},
    {kOutBuntOut, "BG", nullptr},
    {kOutSacBunt, "SH", nullptr},
    {kOutSacrifice, "SH", nullptr},
    {kOutSacFly, "SF", nullptr},
    {kOutInfieldFly, "IF", nullptr},
    {kOutGroundDoublePlay, "GDP", nullptr},
    {kOutNonForceGdp, "G", "DP"},
    {kOutSacFlyDP, "SF", "DP"},
    {kOutInterference, "BINT", nullptr},
};

template <typename Row>
const Row* RowOf(const Row* first, const Row* last, std::int32_t how) {
  const Row* row = std::find_if(first, last, [&](const Row& r) { return r.how == how; });
  return row == last ? nullptr : row;
}

bool HasBox(const std::vector<Move>& moves, int box) {
  return std::any_of(moves.begin(), moves.end(), [&](const Move& m) { return m.box == box; });
}

int OutsOf(const std::vector<Move>& moves) {
  int made = 0;
  for (const Move& m : moves) made += m.out ? 1 : 0;
  return made;
}

// The first error at the base, else the first fielder of the reach
// credits who made no assist.
std::pair<int, std::int32_t> FirstError(const AT_BAT& ab, int base) {
  const auto errors = ErrorsAt(ab, base);
  if (!errors.empty()) return errors.front();
  for (int i = 0; i < std::min(static_cast<int>(ab.reach_credit_count), kMaxCredits); ++i) {
    const FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(i)];
    if (c.credit != kCreditAssist && c.position >= 1 && c.position <= 9) {
      return {c.position, kErrFielding};
    }
  }
  return {0, kErrFielding};
}

// The first fielder of the reach credits, else the one given.
int ReachFielder(const AT_BAT& ab, int otherwise) {
  for (int i = 0; i < std::min(static_cast<int>(ab.reach_credit_count), kMaxCredits); ++i) {
    const std::int32_t p = ab.reach_credits[static_cast<std::size_t>(i)].position;
    if (p >= 1 && p <= 9) return static_cast<int>(p);
  }
  return otherwise;
}

// A runner's moves that the record carries are one advance (W+WP.1-3).
// (The carried moves are one a runner: only those merged join them.)
void JoinMerged(std::vector<Move>& carried, const std::vector<Move>& merged) {
  for (const Move& m : merged) {
    auto same =
        std::find_if(carried.begin(), carried.end(), [&](const Move& j) { return j.box == m.box; });
    if (same == carried.end()) {
      carried.push_back(m);
      continue;
    }
    same->to = m.to;
    same->out = m.out;
    same->codes.append(m.codes);
    same->entries.append(m.entries);
    same->rbi += m.rbi;
  }
}

}  // namespace

// The batter's record as it is put together: what he did, the moves it
// carries and those after it, its basic play and modifiers, and how the
// runners' outs are written.
struct BatterText {
  // merged_room and modifier_room: lists whose room is kept from event to
  // event, emptied here.
  BatterText(const AT_BAT& at_bat, const Move& his_move, std::vector<Move>& carried_moves,
             std::vector<Move>& rest_moves, std::vector<Move>& merged_room,
             std::vector<std::string>& modifier_room)
      : ab(at_bat),
        batter(his_move),
        reached(at_bat.reached != 0),
        how(reached ? at_bat.how_reached : at_bat.how_out),
        strikeout((!reached && IsStrikeoutOut(how)) ||
                  (reached && (how == kReachDroppedThirdWP || how == kReachDroppedThirdPB ||
                               how == kReachDroppedThirdError))),
        walk(reached && (how == kReachWalk || how == kReachIntentionalWalk)),
        carried(carried_moves),
        rest(rest_moves),
        merged(merged_room),
        modifiers(modifier_room) {
    merged.clear();
    modifiers.clear();
  }

  const AT_BAT& ab;
  const Move& batter;
  const bool reached;
  const std::int32_t how;
  const bool strikeout;
  const bool walk;
  std::vector<Move>& carried;
  std::vector<Move>& rest;
  std::vector<Move>& merged;
  // The runners' plays a strikeout or a walk carries after a plus sign
  // (K+SB2, W+WP): one kind.
  std::optional<MoveKind> plus;
  SmallIntSet skip;  // moves the event itself tells
  SmallIntSet implied;
  std::string basic;
  std::vector<std::string>& modifiers;
  BallPlace place;
  std::string fielder;          // the place's fielder as written, if any
  bool batter_written = false;  // the batter's own move must be written after the dot
  bool fielded = false;         // the event names the fielders of its outs (64(1)3)
  bool caught = false;          // the reader takes the ball as caught in the air
  SmallIntSet in_event;         // runners put out whom the event names
  SmallIntMap forced_of;        // box of a runner put out -> 1 when forced
};

// Whether one of the runner's entries of the play was made after a new
// pitcher came in.
bool GameWriter::AfterNewPitcher(const Move& m) const {
  return std::any_of(m.entries.begin(), m.entries.end(), [&](int q) {
    const PITCH& p = Box(m.box).pitches[static_cast<std::size_t>(q)];
    return p.detail.pitcher.entry_value < 0 && !p.detail.pitcher.name.empty() &&
           p.detail.pitcher.name != std::string_view(sides_[top_ ? 1 : 0].field[1]);
  });
}

// The moves of the place: those the batter's record carries, those after
// a plus sign, and those in records of their own after it.
void GameWriter::SortMoves(const std::vector<Move>& moves, BatterText& t) {
  t.carried.push_back(t.batter);
  for (std::size_t i = 1; i < moves.size(); ++i) {
    const Move& m = moves[i];
    const MoveKind kind = KindOf(m);
    // The batter's own play as a runner comes after his result, and so
    // does a runner's second move of the place (safe on the throw's error,
    // then put out).
    if (m.box == t.batter.box || HasBox(t.carried, m.box)) {
      t.rest.push_back(m);
      continue;
    }
    if (kind == MoveKind::kBatted) {
      t.carried.push_back(m);
      continue;
    }
    // A runner play after the plus sign names the bases as they were
    // before the batter's play (a runner the play moved came after it
    // above); nor does it hold a play made after a new pitcher came in.
    const bool may_join = (t.strikeout || t.walk) && kind != MoveKind::kBalk &&
                          kind != MoveKind::kIndifference && !AfterNewPitcher(m);
    if (may_join && (!t.plus || *t.plus == kind)) {
      t.plus = kind;
      t.merged.push_back(m);
    } else {
      t.rest.push_back(m);
    }
  }
  JoinMerged(t.carried, t.merged);
}

// The fielders whose throw ended in the error the batter reached on.
std::string GameWriter::ThrownTo(const AT_BAT& ab, int box) {
  std::string assists;
  for (int i = 0; i < std::min(static_cast<int>(ab.reach_credit_count), kMaxCredits); ++i) {
    const FIELDER_CREDIT& c = ab.reach_credits[static_cast<std::size_t>(i)];
    if (c.credit != kCreditAssist) break;
    if (c.position >= 1 && c.position <= 9) assists += static_cast<char>('0' + c.position);
    assists_written_.insert(box * 16 + i);
  }
  return assists;
}

// A reach on an error (E6, 6E3/TH), with the flag of its sacrifice.
void GameWriter::ErrorReach(BatterText& t, const char* flag) {
  const auto [by, kind] = FirstError(t.ab, 1);
  if (by == 0) {
    t.basic = "E" + std::to_string(std::max(ReachFielder(t.ab, t.place.fielder), 1));
  } else {
    errors_written_.insert(t.carried.front().box * 8 + 1);
    const std::string assists = ThrownTo(t.ab, t.carried.front().box);
    t.basic = assists + "E" + std::to_string(by);
    t.place = assists.empty() ? PlaceOfBall(t.ab, BallForm::kFixedFielder, by)
                              : PlaceOfBall(t.ab, BallForm::kFieldedFirst, assists[0] - '0');
    if (kind == kErrThrowing) t.modifiers.push_back("TH");
  }
  if (flag) t.modifiers.push_back(flag);
}

// The basic play of a batter who reached.
void GameWriter::ReachBasic(BatterText& t) {
  const std::int32_t how = t.how;
  if (const ReachWriting* w = RowOf(std::begin(kReachWritings), std::end(kReachWritings), how)) {
    t.basic = std::string(w->basic) + (w->fielder ? t.fielder : std::string());
    if (w->modifier) t.modifiers.push_back(w->modifier);
  } else if (const ErrorReachWriting* e =
                 RowOf(std::begin(kErrorReachWritings), std::end(kErrorReachWritings), how)) {
    ErrorReach(t, e->flag);
  } else if (how == kReachInsideParkHR) {
    t.basic = "HR" + (t.fielder.empty() ? std::string("8") : t.fielder);
  } else if (how == kReachInterference) {
    const auto [by, kind] = FirstError(t.ab, 1);
    errors_written_.insert(t.carried.front().box * 8 + 1);
    t.basic = "C";
    t.modifiers.push_back("E" + std::to_string(by ? by : 2));
  } else if (t.strikeout) {
    t.basic = "K";
    t.batter_written = true;
  } else if (how == kReachAwardedBase) {
    // Counted alike: an at-bat without a hit, no walk, no error.
    t.basic = "FC";
    Lost("an award of first base (written as a fielder's choice, which counts alike)");
  } else {
    if (how == kReachOnBase) {
      Lost("a batter on base without a reason given (written as a fielder's choice)");
    }
    // A fielder's choice: the fielded play itself when runners were
    // forced out (64(1)), else FC with the runner's out after the dot.
    t.fielded = true;
    if (how == kReachSacrificeFC) t.modifiers.push_back("SH");
  }
}

// The modifiers of a batter put out on a fielded play.
void GameWriter::OutModifiers(BatterText& t) {
  t.fielded = true;
  if (const OutWriting* w = RowOf(std::begin(kOutWritings), std::end(kOutWritings), t.how)) {
    t.modifiers.push_back(w->first);
    if (w->second) t.modifiers.push_back(w->second);
  } else if (t.how == kOutDoublePlay) {
    const std::string chain = ChainText(t.ab);
    const bool outfield = !chain.empty() && chain.back() >= '7';
    t.modifiers.push_back(outfield ? "F" : "L");
    t.modifiers.push_back("DP");
  } else if (t.how == kOutTriplePlay) {
    // Caught when his out came first.
    bool first = t.ab.box_number > 0;
    for (const Move& m : t.carried) {
      if (m.out && m.box != t.batter.box && Box(m.box).box_number < t.ab.box_number) first = false;
    }
    t.modifiers.push_back(first ? "L" : "G");
    t.modifiers.push_back("TP");
  } else {
    Lost("the kind of some outs (\"" + std::string(OutName(t.how)) +
         "\", written as an out by its fielders)");
  }
}

bool GameWriter::NoneGained(const Move& m) const {
  return m.to == m.from && KindOf(m) == MoveKind::kBatted && ErrorsAt(Box(m.box), m.to + 1).empty();
}

// Where the ball is written to have gone, now that the play is known, and
// whether the reader takes it as caught.
void GameWriter::PlaceForOuts(BatterText& t) {
  // A hit's trajectory tells the reader the ball was caught or not; with a
  // runner put out, the hit's place is written as a location instead.
  const bool runner_out =
      std::any_of(t.carried.begin() + 1, t.carried.end(), [](const Move& m) { return m.out; });
  if (t.reached && runner_out && !t.place.trajectory.empty() && t.place.location.empty()) {
    t.place.location = Nearest(t.ab.hit_x, t.ab.hit_y, t.how == kReachHomeRun);
    t.place.trajectory.clear();
  }
  // A runner doubled off on a fielder's choice: the reader takes him so
  // when the ball was caught in the air (96(1)/L).
  if (t.fielded && t.reached) {
    const bool doubled_off =
        std::any_of(t.carried.begin() + 1, t.carried.end(), [&](const Move& m) {
          return m.out && NoneGained(m) && Box(m.box).how_out == kOutDidNotTagUp;
        });
    if (doubled_off && !CaughtAsWritten(t.ab, false, t.modifiers, t.place.trajectory)) {
      t.place.trajectory.clear();
      t.modifiers.insert(t.modifiers.begin(), "L");
    }
  }
  t.caught = CaughtAsWritten(t.ab, !t.reached, t.modifiers, t.place.trajectory);
}

// How each runner put out is written: in the event (64(1)) or after the
// dot (1X2(64), 1X1(83) doubled off, 1X2(64/INT)), so that the reader
// gives his out the same kind (forced, tagged, doubled off).  The event
// names the outs of a fielded play the reader gives their kind there:
// doubled off when the ball was caught, forced (or marked /FO), tagged
// otherwise; the others go after the dot, 1X1 doubled off or tagged at
// his base, 1X2 forced or tagged going on.
void GameWriter::PlaceRunnerOuts(BatterText& t) {
  const bool ran = !t.strikeout || t.batter_written;
  // A run that counts on the half's last out: the reader takes a force out
  // of the play for a tag, as the runs say it was.
  bool run_scores = false;
  for (const Move& m : t.carried) run_scores |= !m.out && m.to == 4;
  const bool force_turns_tag = run_scores && outs_ + OutsOf(t.carried) >= 3;
  bool runner_interference = false;
  for (std::size_t i = 1; i < t.carried.size(); ++i) {
    const Move& m = t.carried[i];
    if (!m.out) continue;
    const std::int32_t want = Box(m.box).how_out;
    bool forced = ran && !(t.fielded && !t.reached && t.caught);
    for (int b = 1; b < m.from && forced; ++b) forced = bases_[static_cast<std::size_t>(b)] >= 0;
    t.forced_of[m.box] = forced ? 1 : 0;
    const bool event_tags =
        !t.caught && (!forced || force_turns_tag) && (!t.reached || force_turns_tag);
    const bool in_play = NoneGained(m) && t.fielded;
    if (want == kOutInterference && in_play && !t.reached) {
      t.in_event.insert(m.box);
      runner_interference = true;
    } else if (want == kOutInterference) {
      out_interference_.insert(m.box);
    } else if (in_play && ((want == kOutDidNotTagUp && t.caught) ||
                           (want == kOutForced && !t.caught && !force_turns_tag) ||
                           (want == kOutTagged && event_tags))) {
      t.in_event.insert(m.box);
    }
  }
  if (runner_interference) t.modifiers.push_back("RINT");
}

// The runners put out who are written after the dot at a base of their
// own (1X1 doubled off, 1X2 tagged).  True when a runner the event names
// was forced where the reader would not take him so (/FO).
bool GameWriter::NoteOutTargets(BatterText& t) {
  bool force_flag = false;
  for (std::size_t i = 1; i < t.carried.size(); ++i) {
    const Move& m = t.carried[i];
    if (!m.out) continue;
    const std::int32_t want = Box(m.box).how_out;
    if (t.skip.count(m.box)) {
      force_flag |= want == kOutForced && t.forced_of[m.box] == 0;
      continue;
    }
    if (NoneGained(m) &&
        (want == kOutDidNotTagUp || (want == kOutTagged && t.forced_of[m.box] != 0 && !t.caught))) {
      out_target_[m.box] = m.from;
    }
  }
  return force_flag;
}

// The event of a fielded play: its outs (64(1)3), or a fielder's choice.
bool GameWriter::FieldedEvent(BatterText& t) {
  std::string outs;
  if (!FieldedOuts(t.ab, t.carried, !t.reached, t.in_event, outs, t.skip)) return false;
  const bool force_flag = NoteOutTargets(t);
  if (!t.reached) {
    t.basic = outs;
  } else if (!outs.empty()) {
    t.basic = outs;
    t.place = PlaceOfBall(t.ab, BallForm::kFieldedFirst, outs[0] - '0');
  } else {
    const int by = ReachFielder(t.ab, t.place.fielder);
    t.basic = "FC" + (by ? std::to_string(by) : std::string());
    t.place = PlaceOfBall(t.ab, BallForm::kFixedFielder, by);
  }
  if (t.reached && t.how == kReachFieldersChoiceDP && OutsOf(t.carried) >= 2) {
    t.modifiers.push_back("DP");
  }
  if (force_flag) t.modifiers.push_back("FO");
  return true;
}

// The double and triple plays the event is marked with.
void GameWriter::MarkPlays(BatterText& t) {
  const int made = OutsOf(t.carried);
  if (whole_play_) {
    // The runners' boxes name their fielders without credit: the reader
    // gives the batter's box the whole play's when it is marked a double
    // or triple play.
    const bool marked =
        std::any_of(t.modifiers.begin(), t.modifiers.end(),
                    [](const std::string& m) { return m == "DP" || m == "GDP" || m == "TP"; });
    if (!marked && made >= 2) t.modifiers.push_back(made >= 3 ? "TP" : "DP");
  }
  if (!t.plus && !t.merged.empty()) t.plus = KindOf(t.merged.front());
  if (t.plus) t.basic += "+" + RunnerEvent(*t.plus, t.merged, t.implied);
  // A runner caught stealing on the third strike is a double play when his
  // out says so (the scorer may call it none).
  bool cs_dp = false;
  for (const Move& m : t.carried) {
    cs_dp |= m.out && m.from > 0 && Box(m.box).how_out == kOutCaughtStealingDP;
  }
  if (t.strikeout && cs_dp && made >= 2) t.modifiers.push_back("DP");
}

namespace {

// The trajectory and the location of a batted ball make one modifier
// (F78, G5).
void BallModifier(BatterText& t) {
  const bool batted = !t.strikeout && !t.walk &&
                      !(t.reached && (t.how == kReachHitByPitch || t.how == kReachInterference));
  if (!batted) return;
  std::vector<std::string>& modifiers = t.modifiers;
  auto trajectory = std::find_if(modifiers.begin(), modifiers.end(), [](const std::string& m) {
    return m == "G" || m == "F" || m == "P" || m == "L" || m == "BG";
  });
  if (trajectory == modifiers.end() && !t.place.trajectory.empty()) {
    modifiers.insert(modifiers.begin(), t.place.trajectory);
    trajectory = modifiers.begin();
  }
  if (t.place.location.empty()) return;
  if (trajectory != modifiers.end()) {
    *trajectory += t.place.location;
  } else {
    modifiers.push_back(t.place.location);
  }
}

}  // namespace

// The moves after the dot; the batter's own is written when it says more
// than his result.
std::string GameWriter::BatterAdvances(BatterText& t) {
  const Move& b = t.carried.front();
  const int result_base = t.reached ? ReachBases(t.how) : 0;
  if (!t.batter_written) {
    bool errors_left = false;
    for (int base = 1; base <= std::min(b.out ? b.to + 1 : b.to, 4) && t.reached; ++base) {
      errors_left |= !ErrorsAt(t.ab, base).empty() && !errors_written_.count(b.box * 8 + base);
    }
    t.batter_written = (t.reached && (b.to > result_base || b.out)) ||
                       (t.reached && b.to == 4 && !t.ab.earned) || errors_left;
  }
  if (!t.batter_written) t.skip.insert(b.box);
  for (int box : t.implied) t.skip.insert(box);
  std::string advances = Advances(t.carried, t.skip, true, t.ab.rbi);
  if (t.reached && !t.skip.count(b.box) && !b.out &&
      (t.how == kReachDroppedThirdWP || t.how == kReachDroppedThirdPB)) {
    // What let the batter reach on the third strike is written with his
    // advance to first: B-1(WP), B-1(PB) (an error, B-1(E2), as every
    // error of his).
    const std::string mark = t.how == kReachDroppedThirdWP ? "(WP)" : "(PB)";
    const std::string plain = "B-" + std::string(1, BaseChar(b.to));
    const auto at = advances.find(plain);
    if (at != std::string::npos) advances.insert(at + plain.size(), mark);
  }
  return advances;
}

bool GameWriter::BatterEvent(const AT_BAT& ab, const std::vector<Move>& moves,
                             std::vector<Move>& carried, std::vector<Move>& rest,
                             std::string& event) {
  BatterText t(ab, moves.front(), carried, rest, merged_, modifiers_);
  SortMoves(moves, t);
  whole_play_ = false;
  out_target_.clear();
  out_interference_.clear();
  // Where the ball went: a hit names the fielder the place tells.
  t.place = PlaceOfBall(ab, t.reached ? BallForm::kHit : BallForm::kOut, 0);
  t.fielder = t.place.fielder ? std::to_string(t.place.fielder) : std::string();
  if (t.reached) {
    ReachBasic(t);
  } else if (t.strikeout) {
    t.basic = "K";
    if (t.how == kOutDroppedThird) t.basic += ChainText(ab);
  } else {
    OutModifiers(t);
  }
  PlaceForOuts(t);
  PlaceRunnerOuts(t);
  if (t.fielded) {
    if (!FieldedEvent(t)) return false;
  } else {
    NoteOutTargets(t);
  }
  MarkPlays(t);
  BallModifier(t);
  event = t.basic;
  for (const std::string& m : t.modifiers) event += "/" + m;
  const std::string advances = BatterAdvances(t);
  if (!advances.empty()) event += "." + advances;
  return error_.empty();
}

// The outs of a fielded play written in its event, in the order they were
// made (64(1)3: the runner from first, then the batter): the batter's and
// those of runners put out at the base ahead of them.  A double or triple
// play's boxes give the whole play's credits to the batter's box and only
// the fielders to the runners': the batter's own fielders are what the
// runners' leave.
// An out of a fielded play as its event writes it.
struct FieldedOut {
  int box;
  int runner;  // 0 the batter
  int number;  // the out's number in the half
  std::string chain;
};

namespace {

// What a credit of a box's out credits counts: put-outs and assists.
struct CreditCount {
  std::int32_t credit;
  int put_outs;
  int assists;
};
constexpr CreditCount kCreditCounts[] = {
    {kCreditPutOut, 1, 0},     {kCreditAssist, 0, 1},       {kCreditPutOutAndAssist, 1, 1},
    {kCreditTwoPutOuts, 2, 0}, {kCreditThreePutOuts, 3, 0},
};

// The put-outs and assists of a box's out credits by fielder, and the
// fielders in the order they are first named.
struct CreditTally {
  SmallIntMap put_outs;
  SmallIntMap assists;
  std::vector<int> order;
};

CreditTally TallyOf(const AT_BAT& ab) {
  CreditTally t;
  for (int c = 0; c < std::min(static_cast<int>(ab.out_credit_count), kMaxCredits); ++c) {
    const FIELDER_CREDIT& fc = ab.out_credits[static_cast<std::size_t>(c)];
    const int p = fc.position;
    if (std::find(t.order.begin(), t.order.end(), p) == t.order.end()) t.order.push_back(p);
    for (const CreditCount& n : kCreditCounts) {
      if (n.credit != fc.credit) continue;
      if (n.put_outs) t.put_outs[p] += n.put_outs;
      if (n.assists) t.assists[p] += n.assists;
    }
  }
  return t;
}

// The batter's fielders in a play whose box tallies every fielder's
// put-outs and assists: the runners' taken away.
std::string WholePlayChain(const AT_BAT& ab, const std::vector<std::string>& runner_chains,
                           const std::vector<FieldedOut>& outs) {
  CreditTally t = TallyOf(ab);
  for (const std::string& chain : runner_chains) {
    SmallIntSet assisted;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) assisted.insert(chain[i] - '0');
    for (int p : assisted) --t.assists[p];
    --t.put_outs[chain.back() - '0'];
  }
  int put_out_by = 0;
  for (int p : t.order) {
    if (t.put_outs[p] > 0 && !put_out_by) put_out_by = p;
  }
  // The ball goes on from the fielder who made the out before.
  int before = 0, before_number = 0;
  for (const FieldedOut& o : outs) {
    if (o.number < ab.box_number && o.number > before_number) {
      before = o.chain.back() - '0';
      before_number = o.number;
    }
  }
  std::string chain;
  if (before && t.assists[before] > 0) {
    chain += static_cast<char>('0' + before);
    --t.assists[before];
  }
  for (int p : t.order) {
    for (; t.assists[p] > 0; --t.assists[p]) {
      if (p != put_out_by) chain += static_cast<char>('0' + p);
    }
  }
  if (put_out_by) chain += static_cast<char>('0' + put_out_by);
  return chain;
}

// The reader takes each throw after an out as going on from the fielder
// who made it: an out whose fielders begin elsewhere is written after the
// dot (2/DP.3XH(52)); the batter's out stays in the event, first when it
// must be.
std::vector<FieldedOut> OutsInEvent(const std::vector<FieldedOut>& outs) {
  std::vector<FieldedOut> written;
  for (const FieldedOut& o : outs) {
    if (written.empty() || o.chain.front() == written.back().chain.back()) {
      written.push_back(o);
    } else if (o.runner == 0) {
      written.clear();
      written.push_back(o);
    }
  }
  return written;
}

}  // namespace

// The runners' outs of the play that its event may name, and the fielders
// of those whose box names them without credit (the batter's box holds
// the whole play's then).
void GameWriter::RunnersFieldedOuts(const std::vector<Move>& moves, const SmallIntSet& runners,
                                    std::vector<FieldedOut>& outs,
                                    std::vector<std::string>& runner_chains) {
  const int batter_box = moves.front().box;
  for (std::size_t i = 1; i < moves.size(); ++i) {
    const Move& m = moves[i];
    const AT_BAT& rb = Box(m.box);
    if (!m.out || m.box == batter_box) continue;
    bool no_credit = rb.out_credit_count > 0;
    for (int c = 0; c < std::min(static_cast<int>(rb.out_credit_count), kMaxCredits); ++c) {
      no_credit &= rb.out_credits[static_cast<std::size_t>(c)].credit == kCreditNone;
    }
    const std::string chain = ChainText(rb);
    if (no_credit && !chain.empty()) runner_chains.push_back(chain);
    if (runners.count(m.box) && !chain.empty())
      outs.push_back({m.box, m.from, rb.box_number, chain});
  }
}

bool GameWriter::FieldedOuts(const AT_BAT& ab, std::vector<Move>& moves, bool batter_out,
                             const SmallIntSet& runners, std::string& text, SmallIntSet& in_event) {
  std::vector<FieldedOut> outs;
  const int batter_box = moves.front().box;
  std::vector<std::string> runner_chains;
  RunnersFieldedOuts(moves, runners, outs, runner_chains);
  whole_play_ = batter_out && !runner_chains.empty();
  if (!batter_out && outs.empty()) return true;
  if (batter_out) {
    std::string chain = whole_play_ ? WholePlayChain(ab, runner_chains, outs) : ChainText(ab);
    if (chain.empty()) {
      chain = "2";
      Lost("who put out a batter who was out without a fielder named (the catcher is written)");
    }
    outs.push_back({batter_box, 0, ab.box_number > 0 ? ab.box_number : 4, chain});
  }
  SortFew(outs, [](const FieldedOut& a, const FieldedOut& b) { return a.number < b.number; });
  outs = OutsInEvent(outs);
  for (std::size_t i = 0; i < outs.size(); ++i) {
    const FieldedOut& o = outs[i];
    text += o.chain;
    const bool last = i + 1 == outs.size();
    if (o.runner > 0 || !last)
      text += "(" + std::string(1, o.runner == 0 ? 'B' : BaseChar(o.runner)) + ")";
    if (o.runner > 0) in_event.insert(o.box);
  }
  if (batter_out) in_event.insert(batter_box);
  return true;
}

}  // namespace retro_out

std::string NearestHitLocation(int x, int y) {
  if (x == kNoHitX && y == kNoHitY) return {};
  return retro_out::Nearest(x, y, false);
}

}  // namespace scorewick::interop
