#include "scoring/book_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

#include "records/codes.h"
#include "records/pitcher_charges.h"
#include "scoring/book_compiler.h"
#include "scoring/book_exact.h"
#include "scoring/book_words.h"

namespace scorewick::scoring {
namespace {

std::string Quoted(std::string_view name) { return QuotedName(name); }

int BaseOfResult(std::int32_t reach) { return reach == kReachTieBreaker ? 2 : ReachBases(reach); }

bool Thrown(std::int32_t reach) {
  return reach == kReachAssistWithError || reach == kReachSacrificeWithError ||
         reach == kReachSacHitWithError || reach == kReachSacFlyWithError;
}

// The letter of a pitch entry, from its event and its detail.
char PitchLetter(const PITCH& p, const PITCH_DATA& d) {
  if (p.event == kEventBall) {
    switch (d.ball_type) {
      case kBallIntentional:
        return 'i';
      case kBallPitchOut:
        return 'p';
      case kBallPitcherToMouth:
        return 'v';
      default:
        return 'b';
    }
  }
  if (p.event == kEventFoul) {
    return d.strike_type == kStrikeFoulBunt          ? 'l'
           : d.strike_type == kStrikeFoulOnHitAndRun ? 'r'
                                                     : 'f';
  }
  switch (d.strike_type) {
    case kStrikeTaken:
      return 'c';
    case kStrikeSwingingOnHitAndRun:
      return 'h';
    case kStrikeBuntMissed:
      return 'm';
    default:
      return 's';
  }
}

// The details of a pitch, where they are not the book's plain pitch.
std::string PitchDetails(const PITCH_DATA& d, bool strike) {
  PitchSpec plain;
  if (!strike) plain.x = 20;
  std::string text;
  static const char* kTypes[] = {"FB", "SF", "FK", "SI", "CB", "SC",
                                 "KN", "SL", "CH", "BO", "BR", "OT"};
  if (d.pitch_type != plain.type && d.pitch_type >= 0 && d.pitch_type < kPitchTypeCount)
    text += std::string("/") + kTypes[d.pitch_type];
  if (d.speed != plain.speed) {
    char speed[32];
    std::snprintf(speed, sizeof speed, "/%g", static_cast<double>(d.speed));
    text += speed;
  }
  if (d.location_x != plain.x || d.location_y != plain.y)
    text += "/" + std::to_string(d.location_x) + "," + std::to_string(d.location_y);
  return text;
}

struct Moment {
  int at_bat;
  int entry;
  auto operator<=>(const Moment&) const = default;
};

class Writer {
 public:
  Writer(const Game& game, const LeagueRules& rules)
      : g_(game), rules_(rules), compiler_(scratch_) {}

  Status Run(std::vector<std::string>& out);

 private:
  bool Emit(const std::string& line);
  bool Fail(const std::string& what);
  void Header();
  bool Team(bool home);
  std::vector<const PLAYER*> StartingOrder(bool home) const;
  const PLAYER* StartingPitcher(bool home) const;
  void PlayersOffTheRoster(bool home, std::vector<std::string>& told);
  bool Half(int h);
  void FindStartingLineUps();
  void PlaceLaterEntries();
  bool Changes(bool between, int box, int after_entry);
  bool ChangesBetweenHalves();
  bool SlotsTakenAtHalfEnd(const Scorer& s);
  bool PinchHittersStayingOn(const Scorer& s);
  Moment FieldChangeDue(const PLAYER& d) const;
  Moment PinchHitterDue(std::size_t i) const;
  bool FieldChangesAt(int box, int after_entry);
  bool Change(const PLAYER& entry, bool home, bool defense);
  void Flush();
  bool Box(int k);
  bool RunnerPlay(Moment m);
  bool PlayAt(Moment m, int batter);
  void BatterPlayAt(Moment m, int batter, Play& play);
  int BatterEntries(Moment m, int batter, BatterPart& b, int& rbi);
  void BatterReachCredits(int batter, BatterPart& b);
  void RunnersAt(Moment m, int batter, Play& play, std::vector<int>& boxes);
  void RunnersErredOnInPlace(int batter, Play& play, std::vector<int>& boxes);
  bool BatterOutFirst(Moment m, int batter) const;
  bool RunsBeatLastForce(const Play& play) const;
  std::string PlayLine(const Play& play, int batter) const;
  void Take(int j, Moment m, RunnerMove& move, std::vector<ErrorMark>& errors);
  bool PinchRunners();
  void ChargesPassed(Play& play, int batter, const std::vector<int>& boxes);
  bool ChargesMatch(const Play& play, const std::vector<int>& boxes,
                    const std::map<int, std::string>& charge) const;
  bool ChangesAndRunners(int box, int entry, Moment m);
  const AT_BAT& Original(int j) const { return half_->at_bats[static_cast<std::size_t>(j)]; }
  Moment MomentOfEntry(int j, int e) const;
  std::vector<ErrorMark> ErrorsAt(const AT_BAT& ab, int after, int upto) const;
  std::string Shorthand(const Play& play) const;

  const Game& g_;
  LeagueRules rules_;
  Game scratch_;
  book::Compiler compiler_;
  std::vector<std::string> lines_;
  std::string error_;

  // The half being told.
  const HALF_INNING* half_ = nullptr;
  int inning_ = 0;
  bool top_ = true;
  std::vector<int> cursor_;  // per box: its entries told so far
  std::vector<int> base_;    // per box: where he stands (0 off, 4 scored)
  std::vector<std::vector<std::int32_t>> assists_left_;  // per box: assists not yet told
  std::map<Moment, std::vector<int>> later_;  // runner plays of older games, by moment: boxes
  std::vector<bool> entry_told_;              // defence entries of the half already told
  std::vector<bool> offense_told_;            // offence entries of the half already told
  std::vector<bool> pr_told_;                 // per box: his pinch runner told
  std::vector<int> zero_told_;     // per box: bases whose mark of no base gained is told (bits)
  std::size_t defense_start_ = 0;  // the defence the half began with, from here
  std::size_t offense_start_ = 0;  // the end of the batting order the half began with
  std::string pitches_;            // plain pitch letters not yet written
};

bool Writer::Fail(const std::string& what) {
  if (error_.empty()) error_ = what;
  return false;
}

bool Writer::Emit(const std::string& line) {
  Flush();
  if (Status read = compiler_.Line(line); !read) {
    return Fail("\"" + line + "\" does not read back: " + read.reason);
  }
  lines_.push_back(line);
  return true;
}

void Writer::Flush() {
  if (pitches_.empty()) return;
  const std::string word = pitches_;
  pitches_.clear();
  Emit(word);
}

void Writer::Header() {
  const GameHeader& h = g_.header;
  char when[96];
  std::snprintf(when, sizeof when, "game date=%04d-%02d-%02d time=%02d:%02d duration=%d:%02d",
                static_cast<int>(h.year), h.month, h.day, static_cast<int>(h.start_hour),
                static_cast<int>(h.start_minute), static_cast<int>(h.duration_hours),
                static_cast<int>(h.duration_minutes));
  std::string line = when;
  line += " attendance=" + std::to_string(std::max(0, int{h.attendance}));
  if (!h.field.empty()) line += " field=" + Quoted(h.field.view());
  Emit(line);
  std::string umpires = "umpires";
  int named = 0;
  for (const auto& u : h.umpires) {
    ++named;
    umpires += " " + Quoted(u.view());
  }
  if (named > 0) Emit(umpires);
  Emit("rules innings=" + std::to_string(rules_.innings) + " strikes=" +
       std::to_string(rules_.strikes_per_out) + " balls=" + std::to_string(rules_.balls_per_walk) +
       " outs=" + std::to_string(rules_.outs_per_inning) + (rules_.softball ? " softball" : "") +
       (rules_.tie_breaker ? " tie-breaker" : ""));
}

// A team: its starting line-up as the first half it bats in and the first
// it fields in show it, then the rest of its roster on the bench.
bool IsStarter(const PLAYER& p) {
  return p.entered_inning == 1 && p.entry_value == 0 && p.entry_flag == 1;
}

// A player's uniform number and his bats/throws, as a line of the book
// ends with them: " 12 R/R".
bool Told(const std::vector<std::string>& told, const PLAYER& p) {
  return std::find(told.begin(), told.end(), p.name.str()) != told.end();
}

// Each slot's first player: from the first half the side played, since
// the next may begin after a change (the home side's starting pitcher
// relieved in the top of the first).
std::vector<const PLAYER*> Writer::StartingOrder(bool home) const {
  const HALF_INNING& bats = g_.innings[0].half(!home);
  const HALF_INNING& fields = g_.innings[0].half(home);
  std::vector<const PLAYER*> order;
  const auto take = [&order](const PLAYER& p) {
    const int slot = p.batting_order;
    if (slot < 1 || slot > 20) return;
    if (static_cast<int>(order.size()) < slot)
      order.resize(static_cast<std::size_t>(slot), nullptr);
    if (!order[static_cast<std::size_t>(slot - 1)]) order[static_cast<std::size_t>(slot - 1)] = &p;
  };
  if (home) {
    for (const PLAYER& p : fields.defense) {
      if (IsStarter(p)) take(p);
    }
  }
  for (const PLAYER& p : bats.offense) take(p);
  return order;
}

// The starting pitcher: the first pitcher of the side's first defence, a
// starter before one who came in.
const PLAYER* Writer::StartingPitcher(bool home) const {
  const PLAYER* pitcher = nullptr;
  for (const PLAYER& p : g_.innings[0].half(home).defense) {
    if (p.position != kPosPitcher) continue;
    if (!pitcher || (IsStarter(p) && !IsStarter(*pitcher))) pitcher = &p;
  }
  return pitcher;
}

// Who played in the game and is not on the club's roster as the game file
// keeps it (a player traded since), on the bench.
void Writer::PlayersOffTheRoster(bool home, std::vector<std::string>& told) {
  for (const INNING& in : g_.innings) {
    for (const std::vector<PLAYER>* list : {&in.half(!home).offense, &in.half(home).defense}) {
      for (const PLAYER& p : *list) {
        if (p.name.empty() || Told(told, p)) continue;
        Emit("- " + Quoted(p.name.view()) + " " + PositionWord(p.position) + PlayerDetails(p));
        told.push_back(p.name.str());
      }
    }
  }
}

bool Writer::Team(bool home) {
  const ::scorewick::Team& team = home ? g_.home : g_.visitor;
  Emit(std::string(home ? "home " : "visitors ") + Quoted(team.team_name.view()));
  const auto roster_player = [&](const PLAYER& p) -> PLAYER {
    return team.FindPlayer(p.name.view()).value_or(p);
  };
  std::vector<std::string> started;
  // Each starter with the position he held as the game began.
  const std::vector<const PLAYER*> order = StartingOrder(home);
  for (std::size_t s = 0; s < order.size(); ++s) {
    if (!order[s]) return Fail("the batting order of " + team.team_name.str() + " has a gap");
    const PLAYER& p = *order[s];
    Emit(std::to_string(s + 1) + " " + Quoted(p.name.view()) + " " + PositionWord(p.position) +
         PlayerDetails(roster_player(p)));
    started.push_back(p.name.str());
  }
  // A pitcher who does not bat: the side uses a designated hitter.
  const PLAYER* pitcher = StartingPitcher(home);
  if (pitcher && !Told(started, *pitcher)) {
    Emit("P " + Quoted(pitcher->name.view()) + " P" + PlayerDetails(roster_player(*pitcher)));
    started.push_back(pitcher->name.str());
  }
  for (const PLAYER& p : team.players()) {
    if (Told(started, p)) continue;
    Emit("- " + Quoted(p.name.view()) + " " + PositionWord(p.position) + PlayerDetails(p));
    started.push_back(p.name.str());
  }
  PlayersOffTheRoster(home, started);
  return error_.empty();
}

}  // namespace

Moment Writer::MomentOfEntry(int j, int e) const {
  const AT_BAT& ab = Original(j);
  const int result = ResultEntry(ab);
  if (result < 0 || e <= result) return {j, e};
  const PlayMoment m = MomentOf(ab, j, e);
  if (m.at_bat != j || m.entry != e) {
    // A moment at or past its box's result that is not the result itself
    // came between two turns: before the next batter's first pitch.
    const AT_BAT& at =
        m.at_bat < static_cast<int>(half_->at_bats.size()) ? Original(m.at_bat) : Original(j);
    const int at_result = m.at_bat < static_cast<int>(half_->at_bats.size()) ? ResultEntry(at) : -1;
    if (at_result >= 0 && m.entry > at_result) return {m.at_bat + 1, -1};
    return {m.at_bat, m.entry};
  }
  // An older game: the next batter's play told it.
  for (const auto& [moment, boxes] : later_) {
    if (std::find(boxes.begin(), boxes.end(), j * 100 + e) != boxes.end()) return moment;
  }
  return {j + 1, -1};
}

std::vector<ErrorMark> Writer::ErrorsAt(const AT_BAT& ab, int after, int upto) const {
  std::vector<ErrorMark> marks;
  const int last = upto > after ? upto : after + 1;
  for (int base = after + 1; base <= std::min(last, 4); ++base) {
    const auto b = static_cast<std::size_t>(base - 1);
    // A mark of no base gained belongs to a play that moved him nowhere.
    if (upto == after && ab.error_bases[b] != 0) continue;
    if (!ab.error_credits[b].name.empty())
      marks.push_back(
          {base, ab.error_credits[b].position, ab.error_kinds[b], ab.error_bases[b], false});
    if (!ab.second_error_credits[b].name.empty())
      marks.push_back(
          {base, ab.second_error_credits[b].position, ab.second_error_kinds[b], 1, true});
  }
  return marks;
}

namespace {

std::vector<Fielded> OutChain(const AT_BAT& ab) {
  std::vector<Fielded> chain;
  for (int i = 0; i < std::min(int{ab.out_credit_count}, kMaxCredits); ++i) {
    const FIELDER_CREDIT& c = ab.out_credits[static_cast<std::size_t>(i)];
    chain.push_back({c.position, c.credit});
  }
  return chain;
}

bool AssistedCode(std::int32_t code) {
  return code == kAdvAssistWithError || code == kAdvCaughtStealingError;
}

}  // namespace

// A runner's entries at moment m: his move in that play.
void Writer::Take(int j, Moment m, RunnerMove& move, std::vector<ErrorMark>& errors) {
  const AT_BAT& ab = Original(j);
  int e = cursor_[static_cast<std::size_t>(j)];
  int base = base_[static_cast<std::size_t>(j)];
  move.from = base;
  for (; e <= std::min(int{ab.last_pitch}, kMaxPitches - 1) && MomentOfEntry(j, e) == m; ++e) {
    const std::int32_t ev = ab.pitches[static_cast<std::size_t>(e)].event;
    if (ev == kEventAdvance) {
      if (base >= 1 && base <= 3)
        move.codes.push_back(std::int32_t{ab.advances[static_cast<std::size_t>(base - 1)]});
      ++base;
    } else if (ev == kEventOut) {
      move.out = true;
      move.how_out = ab.how_out;
      move.chain = OutChain(ab);
    }
  }
  cursor_[static_cast<std::size_t>(j)] = e;
  move.to = base;
  errors = ErrorsAt(ab, move.from, base + (move.out ? 1 : 0));
  move.errors = errors;
  if (!move.out && base == 4) move.earned = ab.earned != 0;
  const bool assisted = std::any_of(move.codes.begin(), move.codes.end(), AssistedCode) ||
                        std::any_of(errors.begin(), errors.end(),
                                    [](const ErrorMark& x) { return x.kind == kErrPickOff; });
  auto& left = assists_left_[static_cast<std::size_t>(j)];
  if (assisted && !left.empty()) {
    move.assists = left;
    left.clear();
  }
  base_[static_cast<std::size_t>(j)] = move.out ? 0 : base;
}

// The play at moment m: the result of box `batter` (-1 for a play of the
// runners alone) and what every runner did in it.
// The batter's result at its entry and what follows it at the same
// moment: the bases he takes, an out as a runner, the runs he drove in.
// Returns the base he reached and leaves his cursor after the moment.
int Writer::BatterEntries(Moment m, int batter, BatterPart& b, int& rbi) {
  const AT_BAT& ab = Original(batter);
  int e = m.entry;
  int base = 0;
  if (ab.pitches[static_cast<std::size_t>(e)].event == kEventReached) {
    b.reached = true;
    b.how_reached = ab.how_reached;
    base = BaseOfResult(ab.how_reached);
  } else {
    b.out = true;
    b.how_out = ab.how_out;
    b.chain = OutChain(ab);
  }
  for (++e; e <= std::min(int{ab.last_pitch}, kMaxPitches - 1) && MomentOfEntry(batter, e) == m;
       ++e) {
    const std::int32_t ev = ab.pitches[static_cast<std::size_t>(e)].event;
    if (ev == kEventAdvance) {
      if (base >= 1 && base <= 3)
        b.codes.push_back(std::int32_t{ab.advances[static_cast<std::size_t>(base - 1)]});
      ++base;
    } else if (ev == kEventOut) {
      b.out = true;
      b.how_out = ab.how_out;
      b.chain = OutChain(ab);
    } else if (ev == kEventRbi) {
      ++rbi;
    }
  }
  cursor_[static_cast<std::size_t>(batter)] = e;
  return base;
}

// His reach credits: the fielders of his reaching base, then the assists
// of throws that ended in errors.  These go with this play when a throw of
// it was assisted or ended in an error, else with the later play of his
// that was.
void Writer::BatterReachCredits(int batter, BatterPart& b) {
  const AT_BAT& ab = Original(batter);
  const int credits = std::min(int{ab.reach_credit_count}, kMaxCredits);
  int split = 0;
  if (b.reached && Thrown(b.how_reached)) {
    while (split < credits &&
           ab.reach_credits[static_cast<std::size_t>(split)].credit == kCreditAssist)
      ++split;
    split = std::min(split + 1, credits);
  } else {
    while (split < credits &&
           ab.reach_credits[static_cast<std::size_t>(split)].credit != kCreditAssist)
      ++split;
  }
  std::vector<std::int32_t> rest;
  for (int i = 0; i < credits; ++i) {
    const std::int32_t position = ab.reach_credits[static_cast<std::size_t>(i)].position;
    (i < split ? b.reach_fielders : rest).push_back(position);
  }
  if (!b.errors.empty() || std::any_of(b.codes.begin(), b.codes.end(), AssistedCode)) {
    b.assists = rest;
  } else {
    assists_left_[static_cast<std::size_t>(batter)] = rest;
  }
}

namespace {

// The pitch of a result made on a pitch (a strikeout, a walk, a dropped
// third strike): the box's last pitch detail.
void ResultPitch(const AT_BAT& ab, BatterPart& b) {
  const bool dropped = (b.reached && (b.how_reached == kReachDroppedThirdWP ||
                                      b.how_reached == kReachDroppedThirdPB ||
                                      b.how_reached == kReachDroppedThirdError)) ||
                       (!b.reached && b.out && b.how_out == kOutDroppedThird);
  const bool pitched = b.reached ? ReachIsPitch(b.how_reached) : OutIsPitch(b.how_out);
  const int details = ab.PitchDetailsInUse();
  if ((!pitched && !dropped) || details <= 0) return;
  const PITCH_DATA& d = ab.pitch_details[static_cast<std::size_t>(details - 1)];
  b.pitch.type = d.pitch_type;
  b.pitch.x = d.location_x;
  b.pitch.y = d.location_y;
  b.pitch.speed = d.speed;
  if (d.strike) b.pitch.strike_type = d.strike_type;
}

bool AnyErrors(const std::vector<ErrorMark>& e) { return !e.empty(); }

}  // namespace

// The batter's part of the play at his result's moment.
void Writer::BatterPlayAt(Moment m, int batter, Play& play) {
  const AT_BAT& ab = Original(batter);
  BatterPart& b = play.batter;
  b.present = true;
  int rbi = 0;
  const int base = BatterEntries(m, batter, b, rbi);
  b.to = base;
  b.errors = ErrorsAt(ab, 0, std::max(base + (b.out ? 1 : 0), 1));
  BatterReachCredits(batter, b);
  b.hit_x = ab.hit_x;
  b.hit_y = ab.hit_y;
  ResultPitch(ab, b);
  if (!b.out && base == 4) b.earned = ab.earned != 0;
  play.rbi = rbi;
  base_[static_cast<std::size_t>(batter)] = b.out ? 0 : base;
}

// The runners who move at the moment, the lead runner first; boxes gets
// the box of each runner's move.
void Writer::RunnersAt(Moment m, int batter, Play& play, std::vector<int>& boxes) {
  for (int from = 3; from >= 1; --from) {
    for (std::size_t j = 0; j < base_.size(); ++j) {
      if (static_cast<int>(j) == batter || base_[j] != from) continue;
      const AT_BAT& ab = Original(static_cast<int>(j));
      if (cursor_[j] > std::min(int{ab.last_pitch}, kMaxPitches - 1)) continue;
      if (!(MomentOfEntry(static_cast<int>(j), cursor_[j]) == m)) continue;
      RunnerMove move;
      std::vector<ErrorMark> errors;
      Take(static_cast<int>(j), m, move, errors);
      play.runners.push_back(move);
      boxes.push_back(static_cast<int>(j));
    }
  }
}

// A runner who stayed where he was while a throw to him went wild (a
// pick-off error that sent another runner on) has the error's mark and no
// entry: it goes with the runners' play that has no error of its own.
void Writer::RunnersErredOnInPlace(int batter, Play& play, std::vector<int>& boxes) {
  bool errors_told = AnyErrors(play.batter.errors);
  bool on_error = false;
  for (const RunnerMove& move : play.runners) {
    errors_told |= AnyErrors(move.errors);
    on_error |= batter < 0 && !move.out && move.to > move.from;
  }
  for (std::size_t j = 0; on_error && !errors_told && j < base_.size(); ++j) {
    const int from = base_[j];
    if (static_cast<int>(j) == batter || from < 1 || from > 3 || (zero_told_[j] >> from) & 1)
      continue;
    if (std::any_of(play.runners.begin(), play.runners.end(),
                    [from](const RunnerMove& r) { return r.from == from; }))
      continue;
    const AT_BAT& ab = Original(static_cast<int>(j));
    std::vector<ErrorMark> marks = ErrorsAt(ab, from, from);
    if (marks.empty()) continue;
    zero_told_[j] |= 1 << from;
    RunnerMove move;
    move.from = from;
    move.to = from;
    move.errors = marks;
    play.runners.push_back(move);
    boxes.push_back(static_cast<int>(j));
  }
}

// Whether the batter's out came first in the play: no runner put out at
// the same moment has a lower out number.
bool Writer::BatterOutFirst(Moment m, int batter) const {
  const int own = Original(batter).box_number;
  for (std::size_t j = 0; j < base_.size(); ++j) {
    if (static_cast<int>(j) == batter) continue;
    const AT_BAT& ab = Original(static_cast<int>(j));
    if (ab.out && base_[j] == 0 && ab.box_number > 0 && ab.box_number < own &&
        cursor_[j] > ResultEntry(ab) && MomentOfEntry(static_cast<int>(j), cursor_[j] - 1) == m) {
      return false;
    }
  }
  return true;
}

// Whether a run of the play counts although the side's last out, made on
// it, is a force out (the book keeps what the box scored).
bool Writer::RunsBeatLastForce(const Play& play) const {
  const Scorer* s = compiler_.scorer();
  int outs = play.batter.present && play.batter.out ? 1 : 0;
  bool runs = play.batter.present && !play.batter.out && play.batter.to == 4;
  for (const RunnerMove& move : play.runners) {
    outs += move.out ? 1 : 0;
    runs |= !move.out && move.to == 4;
  }
  return s && runs && s->outs() + outs >= rules_.outs_per_inning && s->LastOutIsForced(play);
}

// The play's words in the book, with the batter's note after them.
std::string Writer::PlayLine(const Play& play, int batter) const {
  std::string line;
  for (const std::string& word : book::ExactWords(play)) line += (line.empty() ? "" : " ") + word;
  if (batter < 0) return line;
  for (const GAME_NOTE& note : g_.notes) {
    if (note.inning == inning_ && note.at_bat == batter && (note.half != 0) == top_ &&
        !note.text.empty()) {
      line += " ; " + NoteInBook(note.text.view());
      break;
    }
  }
  return line;
}

bool Writer::PlayAt(Moment m, int batter) {
  Play play;
  if (batter >= 0) BatterPlayAt(m, batter, play);
  std::vector<int> boxes;  // the box of each runner's move
  RunnersAt(m, batter, play, boxes);
  RunnersErredOnInPlace(batter, play, boxes);
  if (batter >= 0) ChargesPassed(play, batter, boxes);
  if (!play.batter.present && play.runners.empty()) return true;
  // The order of the outs: the batter's first when his number is lowest.
  if (play.batter.present && play.batter.out && !play.batter.reached) {
    play.batter_out_first = BatterOutFirst(m, batter);
  }
  if (RunsBeatLastForce(play)) play.runs_beat_last_force = true;
  return Emit(PlayLine(play, batter)) && PinchRunners();
}

// A runner put out in a play the batter reached on may pass the pitcher
// charged with him to the runner behind him, and so on back to the batter
// (a fielder's choice).  Where the game's charges show otherwise than the
// scorer would reckon, the play says which runners passed theirs.
namespace {

// Who is charged with each man on a play the batter reached on, as the
// runners put out pass their charges back or not.
struct ChargeReckoning {
  const Play& play;
  const std::vector<int>& boxes;         // the box of each runner's move
  const std::vector<AT_BAT>& now;        // the half's boxes as the book has made them
  const std::vector<std::size_t>& outs;  // the runners put out, by their moves
  std::string facing;                    // the pitcher charged with the batter
  int batter = 0;

  // The charges, by box, as they would stand after the play with the
  // runners of `mask` (bits of outs) passing theirs back (as the scorer
  // passes them): each runner behind takes the charge of the one ahead.
  std::map<int, std::string> After(unsigned mask) const {
    std::array<std::string, 4> on;  // by base before the play; 0 the batter
    std::array<int, 4> box{-1, -1, -1, -1};
    on[0] = facing;
    box[0] = batter;
    for (std::size_t i = 0; i < play.runners.size(); ++i) {
      const int from = play.runners[i].from;
      if (from < 1 || from > 3) continue;
      box[static_cast<std::size_t>(from)] = boxes[i];
      on[static_cast<std::size_t>(from)] =
          now[static_cast<std::size_t>(boxes[i])].responsible_pitcher.name.str();
    }
    for (int b = 3; b >= 1; --b) {
      for (std::size_t k = 0; k < outs.size(); ++k) {
        if (((mask >> k) & 1) && play.runners[outs[k]].from == b) PassBack(b, box, on);
      }
    }
    std::map<int, std::string> charge;
    for (int b = 0; b <= 3; ++b) {
      if (box[static_cast<std::size_t>(b)] >= 0)
        charge[box[static_cast<std::size_t>(b)]] = on[static_cast<std::size_t>(b)];
    }
    return charge;
  }

  static void PassBack(int b, const std::array<int, 4>& box, std::array<std::string, 4>& on) {
    std::string passing = on[static_cast<std::size_t>(b)];
    for (int behind = b - 1; behind >= 0; --behind) {
      if (box[static_cast<std::size_t>(behind)] < 0) continue;
      std::swap(passing, on[static_cast<std::size_t>(behind)]);
    }
  }
};

}  // namespace

// Whether the charges are those the boxes keep for every man not put out.
bool Writer::ChargesMatch(const Play& play, const std::vector<int>& boxes,
                          const std::map<int, std::string>& charge) const {
  for (const auto& [j, name] : charge) {
    bool out = false;
    for (std::size_t i = 0; i < play.runners.size(); ++i)
      out |= boxes[i] == j && play.runners[i].out;
    if (!out && Original(j).responsible_pitcher.name.view() != name) return false;
  }
  return true;
}

void Writer::ChargesPassed(Play& play, int batter, const std::vector<int>& boxes) {
  Flush();  // the pitches of the turn, which open his box
  const Scorer* s = compiler_.scorer();
  if (!play.batter.reached || !s) return;
  const auto& now = compiler_.game().innings[static_cast<std::size_t>(inning_)].half(top_).at_bats;
  // Charged with the batter: the pitcher of his box, or on the mound as
  // the turn's first pitch is the play.
  const std::string facing =
      now.size() > static_cast<std::size_t>(batter)
          ? now[static_cast<std::size_t>(batter)].responsible_pitcher.name.str()
          : s->AtPosition(top_, kPosPitcher).name.str();
  std::vector<std::size_t> outs;
  for (std::size_t i = 0; i < play.runners.size(); ++i) {
    if (play.runners[i].out) outs.push_back(i);
  }
  if (outs.empty()) return;
  const ChargeReckoning reckoning{play, boxes, now, outs, facing, batter};
  const bool on_choice = play.batter.how_reached == kReachFieldersChoice ||
                         play.batter.how_reached == kReachFieldersChoiceDP ||
                         play.batter.how_reached == kReachSacrificeFC;
  unsigned reckoned = 0;
  for (std::size_t k = 0; k < outs.size(); ++k) {
    if (on_choice && play.runners[outs[k]].how_out == kOutForced) reckoned |= 1u << k;
  }
  if (ChargesMatch(play, boxes, reckoning.After(reckoned))) return;
  for (unsigned mask = 0; mask < (1u << outs.size()); ++mask) {
    if (!ChargesMatch(play, boxes, reckoning.After(mask))) continue;
    for (std::size_t k = 0; k < outs.size(); ++k)
      play.runners[outs[k]].passes_charge_back = ((mask >> k) & 1) != 0;
    return;
  }
}

bool Writer::PinchRunners() {
  for (std::size_t j = 0; j < base_.size(); ++j) {
    const AT_BAT& ab = Original(static_cast<int>(j));
    if (ab.pinch_runner.name.empty() || ab.pinch_runner.name == ab.batter.name) continue;
    if (pr_told_[j] || base_[j] < 1 || base_[j] > 3) continue;
    const int from = PinchRunnerFrom(ab);
    const int result = ResultEntry(ab);
    if (result < 0 || (from > 0 ? cursor_[j] < from : cursor_[j] <= result)) continue;
    pr_told_[j] = true;
    if (!Emit("PR" + std::to_string(base_[j]) + " " + Quoted(ab.pinch_runner.name.view())))
      return false;
  }
  return true;
}

// The changes due at (box, entry) and the runners' play at moment m: the
// play first when the pitcher on the mound made it (a balk before he was
// relieved), else the changes first (a reliever's pick-off).
bool Writer::ChangesAndRunners(int box, int entry, Moment m) {
  bool by_pitcher_now = false;
  if (const Scorer* s = compiler_.scorer(); s && s->half_open()) {
    // On the mound, or the last to pitch while the mound is empty in a
    // double switch.
    PLAYER now = s->AtPosition(top_, kPosPitcher);
    const auto& boxes =
        compiler_.game().innings[static_cast<std::size_t>(inning_)].half(top_).at_bats;
    if (now.name.empty() && !boxes.empty() && boxes.back().PitcherCount() > 0)
      now =
          boxes.back().pitchers[static_cast<std::size_t>(boxes.back().PitcherCount() - 1)].pitcher;
    for (std::size_t j = 0; j < cursor_.size(); ++j) {
      const AT_BAT& ab = Original(static_cast<int>(j));
      const int e = cursor_[j];
      if (base_[j] < 1 || base_[j] > 3 || e > std::min(int{ab.last_pitch}, kMaxPitches - 1))
        continue;
      if (!(MomentOfEntry(static_cast<int>(j), e) == m)) continue;
      by_pitcher_now |= PitcherOfEntry(half_->defense, ab, e) == now.name.view();
    }
  }
  if (by_pitcher_now) return RunnerPlay(m) && Changes(false, box, entry);
  return Changes(false, box, entry) && RunnerPlay(m);
}

// A play of the runners alone at moment m.
bool Writer::RunnerPlay(Moment m) { return PlayAt(m, -1); }

// A line-up entry told as the substitution that made it.
bool Writer::Change(const PLAYER& entry, bool home, bool defense) {
  const Scorer* s = compiler_.scorer();
  const std::string name = Quoted(entry.name.view());
  if (!defense) return Emit("PH " + name);
  const int q = entry.position;
  const bool played = s && s->HasPlayed(home, entry.name.view());
  std::string line = played             ? "M" + std::to_string(q)
                     : q == kPosPitcher ? std::string("P")
                                        : "D" + std::to_string(q);
  line += " " + name;
  const int slot = entry.batting_order;
  if (slot > 0 && (!played || (s && s->InSlot(home, slot).name != entry.name)))
    line += " " + std::to_string(slot);
  return Emit(line);
}

// The changes of the half due at (box, after_entry): between halves
// (between) the fielding side's line-up as the half began, else the
// entries made during the half.
// The changes before a half begins: who came in and left before it, then
// the line-up it began with, those already in the game first; a player who
// took a batting slot as the last half ended; a pinch hitter who stays on
// as the designated hitter.
bool Writer::ChangesBetweenHalves() {
  // The first half begins with the starting line-ups.
  const Scorer* s = compiler_.scorer();
  if (!s) return true;
  const bool fielding_home = top_;
  const std::vector<PLAYER>& defense = half_->defense;
  for (std::size_t i = 0; i < defense_start_; ++i) {
    if (!Change(defense[i], fielding_home, true)) return false;
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = defense_start_; i < defense_start_ + 9 && i < defense.size(); ++i) {
      const PLAYER& target = defense[i];
      const PLAYER now = s->AtPosition(fielding_home, target.position);
      // Already there, and in his batting slot (a pitcher may take one).
      const int slot = target.batting_order;
      if (now.name == target.name && (slot < 1 || slot > s->SlotCount(fielding_home) ||
                                      s->InSlot(fielding_home, slot).name == target.name))
        continue;
      const bool played = s->HasPlayed(fielding_home, target.name.view());
      if ((pass == 0) != played) continue;
      if (!Change(target, fielding_home, true)) return false;
    }
  }
  return SlotsTakenAtHalfEnd(*s) && PinchHittersStayingOn(*s);
}

// The side coming to bat: a player in the game who took a batting slot as
// the last half ended (a pitcher in a double switch).
bool Writer::SlotsTakenAtHalfEnd(const Scorer& s) {
  const bool batting_home = !top_;
  const std::vector<PLAYER>& offense = half_->offense;
  for (std::size_t i = 0; i < offense_start_; ++i) {
    const PLAYER& o = offense[i];
    const int slot = o.batting_order;
    if (slot > s.SlotCount(batting_home) || s.InSlot(batting_home, slot).name == o.name) continue;
    for (int q = kPosPitcher; q <= kPosDesignatedHitter; ++q) {
      if (s.AtPosition(batting_home, q).name != o.name) continue;
      const std::string pos = q == kPosDesignatedHitter ? "DH" : std::to_string(q);
      if (!Emit("M" + pos + " " + Quoted(o.name.view()) + " " + std::to_string(slot))) return false;
      break;
    }
  }
  return true;
}

// A pinch hitter or runner of the side taking the field who takes no
// position stays on as its designated hitter.
bool Writer::PinchHittersStayingOn(const Scorer& s) {
  const bool fielding_home = top_;
  const std::vector<PLAYER>& defense = half_->defense;
  for (int slot = 1; slot <= s.SlotCount(fielding_home); ++slot) {
    const PLAYER p = s.InSlot(fielding_home, slot);
    if (p.position != kPosPinchHitter && p.position != kPosPinchRunner) continue;
    bool fields = false;
    for (std::size_t i = defense_start_; i < defense_start_ + 9 && i < defense.size(); ++i)
      fields |= defense[i].name == p.name;
    if (!fields && !Emit("MDH " + Quoted(p.name.view()))) return false;
  }
  return true;
}

// When a fielder's change came: a pitcher's after the last pitch of the one
// he relieved, a catcher's where the box marks it, another's before the
// turn.
Moment Writer::FieldChangeDue(const PLAYER& d) const {
  const auto& boxes = half_->at_bats;
  Moment due{d.entry_value, -1};
  if (d.entry_value < 0 || d.entry_value >= static_cast<int>(boxes.size())) return due;
  const AT_BAT& ab = boxes[static_cast<std::size_t>(d.entry_value)];
  for (int slot = 1; slot < ab.PitcherCount(); ++slot) {
    if (d.position == kPosPitcher &&
        ab.pitchers[static_cast<std::size_t>(slot)].pitcher.name == d.name)
      due.entry = ab.pitchers[static_cast<std::size_t>(slot - 1)].last_pitch;
  }
  for (int e = 0; d.position == kPosCatcher && e <= ab.last_pitch; ++e) {
    if (ab.pitches[static_cast<std::size_t>(e)].event == kEventCatcherSubbed) due.entry = e - 1;
  }
  return due;
}

// When a pinch hitter came in: before the turn, or, when he came in with
// two strikes and struck out, at the pitch that made the count (the
// strikeout is the batter's he replaced).
Moment Writer::PinchHitterDue(std::size_t i) const {
  const std::vector<PLAYER>& offense = half_->offense;
  const auto& boxes = half_->at_bats;
  const PLAYER& o = offense[i];
  Moment due{o.entry_value, -1};
  if (o.entry_value < 0 || o.entry_value >= static_cast<int>(boxes.size())) return due;
  const AT_BAT& ab = boxes[static_cast<std::size_t>(o.entry_value)];
  // The batter of the turn, where he was in the slot before him.
  bool replaced_batter = false;
  for (std::size_t j = 0; j < i; ++j) replaced_batter |= offense[j].name == ab.batter.name;
  if (ab.batter.name == o.name || !replaced_batter) return due;
  for (int e = 0; e <= ab.last_pitch; ++e) {
    if (ab.pitches[static_cast<std::size_t>(e)].strikes_before >= 2) {
      due.entry = e - 1;
      break;
    }
  }
  return due;
}

// The fielders' changes due at the moment; those made with a pitcher's in
// the same turn (a double switch) come with his, so that the mound is never
// empty for a pitch.
bool Writer::FieldChangesAt(int box, int after_entry) {
  const std::vector<PLAYER>& defense = half_->defense;
  const auto& boxes = half_->at_bats;
  for (std::size_t i = defense_start_ + 9; i < defense.size(); ++i) {
    if (entry_told_[i]) continue;
    const PLAYER& d = defense[i];
    Moment due = FieldChangeDue(d);
    for (std::size_t k = i + 1;
         d.position != kPosPitcher && d.position != kPosCatcher && k < defense.size(); ++k) {
      if (defense[k].position == kPosPitcher && defense[k].entry_value == d.entry_value) {
        due = FieldChangeDue(defense[k]);
        break;
      }
    }
    if (!(due == Moment{box, after_entry}) &&
        !(box < 0 && due.at_bat >= static_cast<int>(boxes.size())))
      continue;
    entry_told_[i] = true;
    if (!Change(d, top_, true)) return false;
  }
  return true;
}

bool Writer::Changes(bool between, int box, int after_entry) {
  if (between) return ChangesBetweenHalves();
  if (!FieldChangesAt(box, after_entry)) return false;
  const std::vector<PLAYER>& offense = half_->offense;
  for (std::size_t i = offense_start_; i < offense.size(); ++i) {
    if (offense[i].position != kPosPinchHitter || offense_told_[i]) continue;
    if (!(PinchHitterDue(i) == Moment{box, after_entry})) continue;
    offense_told_[i] = true;
    if (!Change(offense[i], !top_, false)) return false;
  }
  return true;
}

bool Writer::Box(int k) {
  const AT_BAT& ab = Original(k);
  const auto uk = static_cast<std::size_t>(k);
  if (ab.reached && ab.how_reached == kReachTieBreaker) {
    // Placed on second by the rules as the half began.
    cursor_[uk] = std::min(2, int{ab.last_pitch} + 1);
    base_[uk] = 2;
    return true;
  }
  if (!ChangesAndRunners(k, -1, {k, -1})) return false;
  const int result = ResultEntry(ab);
  const int last = result >= 0 ? result - 1 : std::min(int{ab.last_pitch}, kMaxPitches - 1);
  int detail = 0;
  for (int q = 0; q <= last; ++q) {
    const PITCH& p = ab.pitches[static_cast<std::size_t>(q)];
    const std::int32_t ev = p.event;
    if (ev == kEventStrike || ev == kEventBall || ev == kEventFoul) {
      const PITCH_DATA& d =
          ab.pitch_details[static_cast<std::size_t>(std::min(detail, kMaxPitches - 1))];
      ++detail;
      const std::string details = PitchDetails(d, ev != kEventBall);
      const char letter = PitchLetter(p, d);
      if (details.empty()) {
        pitches_ += letter;
      } else if (!Emit(std::string(1, letter) + details)) {
        return false;
      }
    } else if (ev >= kEventPitcherPickoff1st && ev <= kEventCatcherPickoff3rd) {
      const bool catcher = ev >= kEventCatcherPickoff1st;
      const int base = ev - (catcher ? kEventCatcherPickoff1st : kEventPitcherPickoff1st) + 1;
      if (!Emit(std::string(catcher ? "CPA" : "POA") + std::to_string(base))) return false;
    }
    cursor_[uk] = q + 1;
    if (!ChangesAndRunners(k, q, {k, q})) return false;
  }
  if (result < 0) {
    Flush();
    return error_.empty();
  }
  return PlayAt({k, result}, k);
}

// The line-ups as the half began: the run of positions 1 to 9, and of the
// batting slots from 1.
void Writer::FindStartingLineUps() {
  defense_start_ = 0;
  for (std::size_t i = 0; i + 9 <= half_->defense.size(); ++i) {
    bool run = true;
    for (int q = 0; q < 9 && run; ++q)
      run = half_->defense[i + static_cast<std::size_t>(q)].position == q + 1;
    if (run) {
      defense_start_ = i;
      break;
    }
  }
  offense_start_ = 0;
  while (offense_start_ < half_->offense.size() &&
         half_->offense[offense_start_].batting_order == static_cast<int>(offense_start_) + 1) {
    ++offense_start_;
  }
}

namespace {

// The advance code of a box's entry e: the code of the base the runner
// then reached (-1 for another entry).
std::int32_t AdvanceCodeAt(const AT_BAT& ab, int e) {
  const PITCH& p = ab.pitches[static_cast<std::size_t>(e)];
  int base = 0;
  for (int f = 0; f < e; ++f) {
    const std::int32_t ev = ab.pitches[static_cast<std::size_t>(f)].event;
    if (ev == kEventReached) base = BaseOfResult(ab.how_reached);
    if (ev == kEventAdvance) ++base;
  }
  if (p.event == kEventAdvance && base >= 1 && base <= 3)
    return ab.advances[static_cast<std::size_t>(base - 1)];
  return -1;
}

}  // namespace

// Older games: each runner's later entries go with the next plays.
void Writer::PlaceLaterEntries() {
  later_.clear();
  const std::size_t n = half_->at_bats.size();
  for (std::size_t j = 0; j < n; ++j) {
    const AT_BAT& ab = half_->at_bats[j];
    const int result = ResultEntry(ab);
    if (result < 0) continue;
    int next = static_cast<int>(j) + 1;
    std::int32_t last_code = -1;
    for (int e = result + 1; e <= std::min(int{ab.last_pitch}, kMaxPitches - 1); ++e) {
      const PITCH& p = ab.pitches[static_cast<std::size_t>(e)];
      if (p.detail.pitcher.entry_value < 0 || p.event == kEventRbi)
        continue;  // named, or his own turn's
      const std::int32_t code = AdvanceCodeAt(ab, e);
      const bool goes_on = p.event == kEventOut || code == kAdvErrorContinued ||
                           code == kAdvWildPitchContinued || code == kAdvPassedBallContinued ||
                           code == kAdvBalkContinued || (code >= 0 && code == last_code);
      if (!goes_on && e > result + 1) ++next;
      last_code = code;
      Moment at{next, -1};
      if (next < static_cast<int>(n)) {
        const int r = ResultEntry(half_->at_bats[static_cast<std::size_t>(next)]);
        if (r >= 0) at = {next, r};
      }
      later_[at].push_back(static_cast<int>(j) * 100 + e);
    }
  }
}

bool Writer::Half(int h) {
  inning_ = h / 2;
  top_ = h % 2 == 0;
  half_ = &g_.innings[static_cast<std::size_t>(inning_)].half(top_);
  const std::size_t n = half_->at_bats.size();
  cursor_.assign(n, 0);
  base_.assign(n, 0);
  assists_left_.assign(n, {});
  pr_told_.assign(n, false);
  zero_told_.assign(n, 0);
  entry_told_.assign(half_->defense.size(), false);
  offense_told_.assign(half_->offense.size(), false);
  FindStartingLineUps();
  PlaceLaterEntries();
  if (!Changes(true, -1, -1)) return false;
  if (!Emit(std::string(top_ ? "top " : "bottom ") + std::to_string(inning_ + 1))) return false;
  for (std::size_t k = 0; k < n; ++k) {
    if (!Box(static_cast<int>(k))) return false;
  }
  // What came after the last turn began: a change, a runner's last out.
  if (!ChangesAndRunners(-1, -1, {static_cast<int>(n), -1})) return false;
  Flush();
  return error_.empty();
}

Status Writer::Run(std::vector<std::string>& out) {
  Header();
  if (!Team(false) || !Team(true)) return Status::Failed({}, error_);
  bool called = false;
  for (int h = 0; h < 2 * kInnings && error_.empty(); ++h) {
    if (g_.innings[static_cast<std::size_t>(h / 2)].half(h % 2 == 0).offense.empty()) break;
    Half(h);
  }
  for (const GAME_NOTE& note : g_.notes) called |= note.text.view().rfind("Game called", 0) == 0;
  if (called && compiler_.scorer() && !compiler_.scorer()->GameOver()) Emit("called");
  // The decisions, where the game's are not the ones the scorer reckons.
  compiler_.Settle();
  const Game& told = compiler_.game();
  const PLAYER* decided[] = {&g_.winning_pitcher, &g_.losing_pitcher, &g_.saving_pitcher};
  const PLAYER* reckoned[] = {&told.winning_pitcher, &told.losing_pitcher, &told.saving_pitcher};
  const char* words[] = {"won ", "lost ", "saved "};
  for (int k = 0; k < 3 && error_.empty(); ++k) {
    if (decided[k]->name.view() == reckoned[k]->name.view()) continue;
    Emit(words[k] +
         (decided[k]->name.empty() ? std::string("none") : Quoted(decided[k]->name.view())));
  }
  if (!error_.empty()) {
    std::string where;
    if (half_) {
      where = std::string(top_ ? "top " : "bottom ") + std::to_string(inning_ + 1) + ": ";
    }
    out = lines_;
    return Status::Failed({}, where + error_);
  }
  out = lines_;
  return {};
}

Status WriteBook(const Game& game, const LeagueRules& rules, std::vector<std::string>& lines) {
  Writer writer(game, rules);
  return writer.Run(lines);
}

}  // namespace scorewick::scoring
