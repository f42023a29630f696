// The records of a game written out: the id and info records, the line-ups
// and every substitution, the halves in the order their plays happened,
// the notes and the earned runs.

#include "interop/retrosheet_game_writer.h"

#include <algorithm>
#include <cstdio>

#include "interop/retrosheet_names.h"
#include "interop/sort_few.h"
#include "records/codes.h"
#include "records/pitcher_charges.h"
#include "scoring/play.h"

namespace scorewick::interop {
namespace retro_out {
namespace {

// Whether an entry of a box was made as a runner and names its moment.
bool NamesMoment(const PITCH& p) { return p.detail.pitcher.entry_value < 0; }

bool IsPitchEvent(std::int32_t event) {
  return event == kEventStrike || event == kEventBall || event == kEventFoul;
}

// Where the line-up of a half begins: the offense's first `slots` entries
// are the batting order at the start of the half; the defense's nine
// entries at positions 1 to 9 in order are its field then (those before
// them came in between the halves and left before it began).
int DefenseBlock(const std::vector<PLAYER>& defense) {
  for (std::size_t i = 0; i + 9 <= defense.size(); ++i) {
    bool block = true;
    for (int q = 1; q <= 9 && block; ++q) {
      block = defense[i + static_cast<std::size_t>(q - 1)].position == q;
    }
    if (block) return static_cast<int>(i);
  }
  return -1;
}

int OffenseBlock(const std::vector<PLAYER>& offense) {
  int n = 0;
  while (n < static_cast<int>(offense.size()) && n < 9 &&
         offense[static_cast<std::size_t>(n)].batting_order == n + 1) {
    ++n;
  }
  return n;
}

std::string TimeText(int hour, int minute) {
  char text[16];
  const int h12 = hour % 12 == 0 ? 12 : hour % 12;
  std::snprintf(text, sizeof text, "%d:%02d%s", h12, minute, hour < 12 ? "AM" : "PM");
  return text;
}

std::string Trimmed(std::string_view text) {
  std::size_t a = 0, b = text.size();
  while (a < b && text[a] == ' ') ++a;
  while (b > a && text[b - 1] == ' ') --b;
  return std::string(text.substr(a, b - a));
}

}  // namespace

int RetroPosition(std::int32_t position) {
  if (position >= kPosPitcher && position <= kPosRightField) return position;
  switch (position) {
    case kPosDesignatedHitter:
      return 10;
    case kPosPinchHitter:
      return 11;
    case kPosPinchRunner:
      return 12;
    default:
      return 0;
  }
}

bool GameWriter::Fail(std::string why) {
  if (error_.empty()) error_ = std::move(why);
  return false;
}

void GameWriter::Lost(const std::string& what) {
  if (lost_said_.insert(what).second) out_.lost.push_back(what);
}

void GameWriter::Line(std::string_view text) {
  out_.text += text;
  out_.text += '\n';
}

// A start or sub record: type,id,"name",side,slot,position.
void GameWriter::PlayerLine(std::string_view type, bool home, std::string_view name, int slot,
                            int position) {
  std::string& text = out_.text;
  text += type;
  text += IdOf(home, name);
  text += ',';
  AppendQuotedField(text, name, true);
  text += home ? ",1," : ",0,";
  text += std::to_string(slot);
  text += ',';
  text += std::to_string(position);
  text += '\n';
}

const std::string& GameWriter::IdOf(bool home, std::string_view name) {
  static const std::string kNone = "?";
  const auto& ids = home ? names_.home_ids : names_.visitor_ids;
  if (const std::string* id = ids.Find(name)) return *id;
  Fail("no id was given to " + std::string(name));
  return kNone;
}

// --- The game's records -----------------------------------------------------

bool GameWriter::CheckShape() {
  for (const INNING& inning : game_.innings) {
    for (const HALF_INNING* h : {&inning.top, &inning.bottom}) {
      if (OffenseBlock(h->offense) == 9 && h->offense.size() > 9 &&
          h->offense[9].batting_order == 10) {
        return Fail("it bats more than nine: Retrosheet's files have nine places in the order");
      }
      for (const std::vector<PLAYER>* list : {&h->offense, &h->defense}) {
        for (const PLAYER& p : *list) {
          if (p.batting_order > 9) {
            return Fail(p.name.str() + " bats " + std::to_string(p.batting_order) +
                        std::string(OrdinalSuffix(p.batting_order)) +
                        ": Retrosheet's files have nine places in the order");
          }
          if (RetroPosition(p.position) == 0 && p.position != kPosBench) {
            return Fail(p.name.str() + " plays " + std::string(PositionName(p.position)) +
                        ": Retrosheet's files have nine fielders, a designated hitter and "
                        "pinch hitters and runners");
          }
        }
      }
    }
  }
  return true;
}

void GameWriter::InfoRecords(const std::string& id, int game_number) {
  const GameHeader& h = game_.header;
  Line("id," + id);
  Line("version,2");
  Line("info,visteam," + names_.visitor_code);
  Line("info,hometeam," + names_.home_code);
  if (const std::string site = Trimmed(h.field.view()); !site.empty()) {
    Line("info,site," + QuotedField(site));
  }
  char date[16];
  std::snprintf(date, sizeof date, "%04d/%02d/%02d", static_cast<int>(h.year),
                static_cast<int>(h.month), static_cast<int>(h.day));
  Line(std::string("info,date,") + date);
  Line("info,number," + std::to_string(game_number));
  const int hour = std::clamp(static_cast<int>(h.start_hour), 0, 23);
  const int minute = std::clamp(static_cast<int>(h.start_minute), 0, 59);
  Line("info,starttime," + TimeText(hour, minute));
  Line(std::string("info,daynight,") + (hour >= 17 ? "night" : "day"));
  const bool dh = game_.home.uses_designated_hitter || game_.visitor.uses_designated_hitter;
  Line(std::string("info,usedh,") + (dh ? "true" : "false"));
  const char* umpires[] = {"umphome", "ump1b", "ump2b", "ump3b"};
  for (int i = 0; i < 4; ++i) {
    const std::string u = Trimmed(h.umpires[static_cast<std::size_t>(i)].view());
    if (!u.empty()) Line(std::string("info,") + umpires[i] + "," + QuotedField(u));
  }
  bool pitches = false;
  for (const INNING& in : game_.innings) {
    for (const HALF_INNING* half : {&in.top, &in.bottom}) {
      for (const AT_BAT& ab : half->at_bats) {
        for (int q = 0; q < ab.PitchCount() && !pitches; ++q) {
          pitches = IsPitchEvent(ab.pitches[static_cast<std::size_t>(q)].event);
        }
      }
    }
  }
  Line(std::string("info,pitches,") + (pitches ? "pitches" : "none"));
  const int minutes = h.duration_hours * 60 + h.duration_minutes;
  if (minutes > 0) Line("info,timeofgame," + std::to_string(minutes));
  Line("info,attendance," + std::to_string(std::max(0, static_cast<int>(h.attendance))));
  // The decisions: a pitcher of the winners, of the losers, of the winners.
  const bool home_won = game_.home_runs > game_.visitor_runs;
  auto decision = [&](const char* key, const PLAYER& p, bool winners) {
    std::string id;
    if (!p.name.empty() && !Pitched(p.name.view())) {
      Lost("a decision given to a pitcher who did not pitch");
    } else if (!p.name.empty()) {
      const bool home = winners == home_won;
      for (bool side : {home, !home}) {
        const auto& ids = side ? names_.home_ids : names_.visitor_ids;
        if (const std::string* found = ids.Find(p.name.view())) {
          id = *found;
          break;
        }
      }
    }
    Line(std::string("info,") + key + "," + id);
  };
  decision("wp", game_.winning_pitcher, true);
  decision("lp", game_.losing_pitcher, false);
  decision("save", game_.saving_pitcher, true);
}

// The side's slots and positions at the start of a half, from the half's
// line-ups: the side in the field from its defense (its designated hitter
// from the next half it bats), the side at bat from its offense.
// Who holds the designated hitter's slot s (nobody in the field bats
// there) once the half begins: who batted there before, or the side's
// designated hitter at the start of the game; a pinch hitter or runner who
// stayed on shows in the next half the side bats, unless he came into the
// field in this half (block: where the half's nine fielders begin).
std::string_view GameWriter::DesignatedHitterAt(int inning, bool top, bool home, int s,
                                                int block) const {
  const HALF_INNING& h = game_.innings[static_cast<std::size_t>(inning)].half(top);
  std::string_view dh = sides_[home ? 1 : 0].slots[static_cast<std::size_t>(s)];
  const Team& team = home ? game_.home : game_.visitor;
  const bool first_half = inning == 0 && top;
  if (first_half && team.designated_hitter.batting_order == s) {
    dh = team.designated_hitter.name.view();
  }
  for (int later = inning * 2 + (top ? 1 : 2); later < 2 * kInnings; ++later) {
    const bool later_top = later % 2 == 0;
    if (later_top == top) continue;  // the side fields again
    const HALF_INNING& next = game_.innings[static_cast<std::size_t>(later / 2)].half(later_top);
    if (OffenseBlock(next.offense) < s) break;
    const PLAYER& there = next.offense[static_cast<std::size_t>(s - 1)];
    bool came_in_now = false;
    for (std::size_t i = static_cast<std::size_t>(block) + 9; i < h.defense.size(); ++i) {
      came_in_now |= h.defense[i].name == there.name.view();
    }
    if (!came_in_now && !(first_half && !dh.empty())) dh = there.name.view();
    break;
  }
  return dh;
}

// Where the fielding side is to stand: its nine fielders, the slots they
// bat in, and the designated hitter's.
bool GameWriter::FieldingTarget(int inning, bool top, bool home, SideState& target) {
  const HALF_INNING& h = game_.innings[static_cast<std::size_t>(inning)].half(top);
  const int block = DefenseBlock(h.defense);
  if (block < 0) {
    return Fail("the fielders of the " + std::string(top ? "top" : "bottom") + " of inning " +
                std::to_string(inning + 1) + " are not all there");
  }
  std::array<bool, 10> filled{};
  std::array<std::string_view, 10> slots{};
  for (int q = 1; q <= 9; ++q) {
    const PLAYER& p = h.defense[static_cast<std::size_t>(block + q - 1)];
    target.field[static_cast<std::size_t>(q)] = p.name.view();
    const int s = p.batting_order;
    if (s >= 1 && s <= 9) {
      slots[static_cast<std::size_t>(s)] = p.name.view();
      filled[static_cast<std::size_t>(s)] = true;
    }
  }
  // The slot nobody in the field bats in is the designated hitter's: who
  // holds it shows in the next half the side bats.
  for (int s = 1; s <= target.slot_count; ++s) {
    if (filled[static_cast<std::size_t>(s)]) {
      target.slots[static_cast<std::size_t>(s)] = slots[static_cast<std::size_t>(s)];
      continue;
    }
    const std::string_view dh = DesignatedHitterAt(inning, top, home, s, block);
    target.slots[static_cast<std::size_t>(s)] = dh;
    if (!dh.empty()) target.role.Set(dh, 10);
  }
  for (int q = 1; q <= 9; ++q) target.role.Set(target.field[static_cast<std::size_t>(q)], q);
  return true;
}

bool GameWriter::TargetOf(int inning, bool top, bool home, SideState& target) {
  const HALF_INNING& h = game_.innings[static_cast<std::size_t>(inning)].half(top);
  const bool fielding = home == top;
  const SideState& now = sides_[home ? 1 : 0];
  // Who bats and fields where; the roles it gives are its fielders' and
  // designated hitter's only.
  target.slots = now.slots;
  target.field = now.field;
  target.slot_count = now.slot_count;
  target.next_slot = now.next_slot;
  target.role.clear();
  if (fielding) return FieldingTarget(inning, top, home, target);
  const int n = OffenseBlock(h.offense);
  if (n == 0)
    return Fail("the line-up of the " + std::string(top ? "top" : "bottom") + " of inning " +
                std::to_string(inning + 1) + " is empty");
  target.slot_count = n;
  for (int s = 1; s <= 9; ++s) {
    target.slots[static_cast<std::size_t>(s)] =
        s <= n ? h.offense[static_cast<std::size_t>(s - 1)].name.view() : std::string_view();
  }
  return true;
}

bool GameWriter::StartRecords() {
  // The visitors bat first: their order and positions from the top of the
  // first; the home side's from its field then, its designated hitter
  // from the bottom of the first.
  const HALF_INNING& top = game_.innings[0].top;
  SideState& visitors = sides_[0];
  const int n = OffenseBlock(top.offense);
  if (n == 0) return Fail("the visitors' line-up is empty");
  visitors.slot_count = n;
  std::string_view pitcher;
  for (int s = 1; s <= n; ++s) {
    const PLAYER& p = top.offense[static_cast<std::size_t>(s - 1)];
    visitors.slots[static_cast<std::size_t>(s)] = p.name.view();
    const int pos = RetroPosition(p.position);
    if (pos >= 1 && pos <= 9) visitors.field[static_cast<std::size_t>(pos)] = p.name.view();
    visitors.role.Set(p.name.view(), pos >= 1 && pos <= 10 ? pos : 10);
    if (pos == 1) pitcher = p.name.view();
  }
  if (pitcher.empty()) {
    // The visitors' pitcher does not bat.
    const PLAYER& dh_for = game_.visitor.dh_bats_for;
    const int block = DefenseBlock(game_.innings[0].bottom.defense);
    if (!dh_for.name.empty() && game_.visitor.IndexOfPlayer(dh_for.name.view()) >= 0) {
      pitcher = dh_for.name.view();
    } else if (block >= 0) {
      pitcher = game_.innings[0].bottom.defense[static_cast<std::size_t>(block)].name.view();
    }
    if (pitcher.empty()) return Fail("the visitors start without a pitcher");
    visitors.field[1] = pitcher;
    visitors.role.Set(pitcher, 1);
  }
  sides_[1].slot_count = std::max(1, OffenseBlock(game_.innings[0].bottom.offense));
  if (game_.innings[0].bottom.offense.empty()) sides_[1].slot_count = 9;
  SideState home_start = sides_[1];
  if (!TargetOf(0, true, true, home_start)) return false;
  sides_[1] = home_start;
  for (int side = 0; side <= 1; ++side) {
    const bool home = side == 1;
    const SideState& s = sides_[static_cast<std::size_t>(side)];
    for (int slot = 1; slot <= s.slot_count; ++slot) {
      const std::string_view name = s.slots[static_cast<std::size_t>(slot)];
      if (name.empty())
        return Fail("the starting line-up has nobody batting " + std::to_string(slot));
      const int* role = s.role.Find(name);
      const int pos = role ? *role : 10;
      PlayerLine("start,", home, name, slot, pos);
    }
    const std::string_view p = s.field[1];
    bool bats = false;
    for (int slot = 1; slot <= s.slot_count; ++slot)
      bats |= s.slots[static_cast<std::size_t>(slot)] == p;
    if (!bats) {
      PlayerLine("start,", home, p, 0, 1);
    }
  }
  return error_.empty();
}

void GameWriter::ApplySub(const Sub& s) {
  SideState& st = sides_[s.home ? 1 : 0];
  if (s.slot > 0) {
    std::string_view& held = st.slots[static_cast<std::size_t>(s.slot)];
    if (!SameName(held, s.name)) {
      for (int q = 1; q <= 9; ++q) {
        if (SameName(st.field[static_cast<std::size_t>(q)], held) && q != s.position) {
          st.field[static_cast<std::size_t>(q)] = {};
        }
      }
      held = s.name;
    }
  }
  if (s.position >= 1 && s.position <= 9) {
    for (int q = 1; q <= 9; ++q) {
      if (SameName(st.field[static_cast<std::size_t>(q)], s.name))
        st.field[static_cast<std::size_t>(q)] = {};
    }
    st.field[static_cast<std::size_t>(s.position)] = s.name;
  }
  st.role.Set(s.name, s.position);
}

// A sub record, after the play record that marks its place: NP for the
// batter due.
void GameWriter::WriteSub(const Sub& s, bool with_no_play) {
  if (with_no_play) {
    PlayLine("NP");
    RecordWritten();
  }
  PlayerLine("sub,", s.home, s.name, s.slot, s.position);
  ApplySub(s);
}

// The changes made between two halves: the side taking the field's, then
// the side at bat's, each a sub record after an NP play.
namespace {

int SlotOf(const SideState& st, std::string_view name) {
  for (int s = 1; s <= 9; ++s) {
    if (SameName(st.slots[static_cast<std::size_t>(s)], name)) return s;
  }
  return 0;
}

// role: what st.role holds for him, when it is known already.
int RoleOf(const SideState& st, std::string_view name, const int* role = nullptr) {
  for (int q = 1; q <= 9; ++q) {
    if (SameName(st.field[static_cast<std::size_t>(q)], name)) return q;
  }
  if (!role) role = st.role.Find(name);
  return role ? *role : 0;
}

// The designated hitter a side's place says: whoever bats in a slot and
// does not field (the last such), with his slot.
std::string_view DesignatedHitterOf(const SideState& target, int& slot) {
  std::string_view name;
  for (int s = 1; s <= target.slot_count; ++s) {
    const std::string_view held = target.slots[static_cast<std::size_t>(s)];
    if (held.empty()) continue;
    bool fields = false;
    for (int f = 1; f <= 9 && !fields; ++f)
      fields = SameName(target.field[static_cast<std::size_t>(f)], held);
    if (!fields) {
      name = held;
      slot = s;
    }
  }
  return name;
}

// The changes that bring the batting side from now to target: a player in
// the game who moves (into moves) and one who comes in (into entering).
void BattingChanges(bool home, const SideState& now, const SideState& target,
                    std::vector<Sub>& moves, std::vector<Sub>& entering) {
  for (int s = 1; s <= target.slot_count; ++s) {
    const std::string_view name = target.slots[static_cast<std::size_t>(s)];
    if (name.empty() || SlotOf(now, name) == s) continue;
    const int* known = now.role.Find(name);
    const bool played = known != nullptr;
    const int role = played ? RoleOf(now, name, known) : 11;
    (played ? moves : entering).push_back({home, name, s, role > 0 ? role : 11});
  }
}

// The same for the fielding side: each position and the designated
// hitter's (10).
void FieldingChanges(bool home, const SideState& now, const SideState& target,
                     std::vector<Sub>& moves, std::vector<Sub>& entering) {
  for (int q = 1; q <= 10; ++q) {
    int slot = 0;
    std::string_view name;
    if (q <= 9) {
      name = target.field[static_cast<std::size_t>(q)];
      slot = SlotOf(target, name);
    } else {
      name = DesignatedHitterOf(target, slot);
    }
    if (name.empty()) continue;
    // Most stay where they stood: the same man at the position, batting
    // in the same slot.
    if (q <= 9 && SameName(now.field[static_cast<std::size_t>(q)], name) &&
        SlotOf(now, name) == slot) {
      continue;
    }
    const int* known = now.role.Find(name);
    const bool played = known != nullptr;
    const int was = played ? RoleOf(now, name, known) : 0;
    const int slot_now = played || q == 10 ? SlotOf(now, name) : 0;
    if (played && was == q && slot_now == slot) continue;
    // A pinch hitter or runner for the designated hitter stays on as
    // the designated hitter: the readers take him so without a word.
    if (q == 10 && (was == 11 || was == 12) && slot_now == slot) continue;
    (played ? moves : entering).push_back({home, name, slot, q});
  }
}

}  // namespace

// Who came into the field between the halves and left before this one
// began.
void GameWriter::ComeAndGone(const HALF_INNING& h, bool home) {
  const int block = DefenseBlock(h.defense);
  for (int i = 0; i < block; ++i) {
    const PLAYER& p = h.defense[static_cast<std::size_t>(i)];
    const int pos = RetroPosition(p.position);
    if (pos < 1 || pos > 9) continue;
    Sub s{home, p.name.view(), std::clamp(static_cast<int>(p.batting_order), 0, 9), pos};
    WriteSub(s, true);
  }
}

bool GameWriter::HalfStart(int inning, bool top) {
  const HALF_INNING& h = game_.innings[static_cast<std::size_t>(inning)].half(top);
  inning_ = inning + 1;
  top_ = top;
  // A turn the last out on the bases cut short is over.
  due_box_ = -1;
  pitches_.clear();
  count_balls_ = count_strikes_ = balls_now_ = strikes_now_ = 0;
  dot_ = false;
  for (bool home : {top, !top}) {
    SideState& target = target_;
    if (!TargetOf(inning, top, home, target)) return false;
    SideState& now = sides_[home ? 1 : 0];
    std::vector<Sub> moves, entering;
    if (home == top) {
      ComeAndGone(h, home);
      FieldingChanges(home, now, target, moves, entering);
    } else {
      BattingChanges(home, now, target, moves, entering);
    }
    for (const Sub& s : moves) WriteSub(s, true);
    for (const Sub& s : entering) WriteSub(s, true);
    // The state the half starts from is the one its line-ups give.
    now.slots = target.slots;
    now.field = target.field;
    now.slot_count = target.slot_count;
    for (const auto& [name, role] : target.role) now.role.Set(name, role);
  }
  return error_.empty();
}

bool GameWriter::Pitched(std::string_view name) {
  for (const auto& [known, pitched] : pitched_) {
    if (SameName(known, name)) return pitched;
  }
  const bool pitched = game_.IsGamePitcher(name);
  pitched_.emplace_back(name, pitched);
  return pitched;
}

void GameWriter::DataRecords() {
  // Every pitcher who pitched, the visitors' first, in the order they came
  // in, with the earned runs charged to him.
  std::vector<std::pair<std::string, int>> earned;  // in the order they came in
  auto of = [&](std::string_view name) -> int& {
    for (auto& e : earned) {
      if (e.first == name) return e.second;
    }
    return earned.emplace_back(std::string(name), 0).second;
  };
  for (bool home : {false, true}) {
    earned.clear();
    for (const INNING& in : game_.innings) {
      const HALF_INNING& h = home ? in.top : in.bottom;
      for (const AT_BAT& ab : h.at_bats) {
        for (int slot = 0; slot < ab.PitcherCount(); ++slot) {
          const std::string_view name =
              ab.pitchers[static_cast<std::size_t>(slot)].pitcher.name.view();
          if (!name.empty()) of(name);
        }
        if (ab.scored && ab.earned) {
          const auto pitched = [this](std::string_view name) { return Pitched(name); };
          ++of(Game::ResponsiblePitcherFixed(ab, pitched).name.view());
        }
      }
    }
    for (const auto& [name, runs] : earned) {
      Line("data,er," + IdOf(home, name) + "," + std::to_string(runs));
    }
  }
}

// --- A half ---------------------------------------------------------------------

std::string_view GameWriter::Due() const {
  const SideState& st = sides_[top_ ? 0 : 1];
  const int slot = due_box_ >= 0
                       ? std::clamp(static_cast<int>(Box(due_box_).batter.batting_order), 1, 9)
                       : st.next_slot;
  return st.slots[static_cast<std::size_t>(slot)];
}

// The count of a play is the one its last pitch was thrown in; that of
// an NP (a substitution) the count as it stands, which the readers take
// for a new pitcher's walk or a pinch hitter's strikeout.
void GameWriter::PlayLine(std::string_view event) {
  std::string& text = out_.text;
  text += "play,";
  text += std::to_string(inning_);
  text += top_ ? ",0," : ",1,";
  text += IdOf(!top_, Due());
  text += ',';
  const bool now = event == "NP";
  const int balls = pitches_.empty() ? 0 : now ? balls_now_ : count_balls_;
  const int strikes = pitches_.empty() ? 0 : now ? strikes_now_ : count_strikes_;
  text += static_cast<char>('0' + std::clamp(balls, 0, 3));
  text += static_cast<char>('0' + std::clamp(strikes, 0, 2));
  text += ',';
  text += pitches_;
  text += ',';
  text += event;
  text += '\n';
}

namespace {

// The letters of a pitch of a kind (an intentional ball I, a foul bunt L).
struct PitchLetter {
  std::int32_t type;
  const char* letters;
};
constexpr PitchLetter kBallLetters[] = {
    {kBallIntentional, "I"}, {kBallPitchOut, "P"}, {kBallPitcherToMouth, "V"}};
constexpr PitchLetter kStrikeLetters[] = {{kStrikeTaken, "C"},
                                          {kStrikeBuntMissed, "M"},
                                          {kStrikeSwingingOnHitAndRun, ">S"},
                                          {kStrikeMissedBuntOnHitAndRun, ">M"}};
constexpr PitchLetter kFoulLetters[] = {
    {kStrikeFoulBunt, "L"}, {kStrikeFoulOnHitAndRun, ">F"}, {kStrikeFoulBuntOnHitAndRun, ">L"}};

template <std::size_t N>
std::string LettersOf(const PitchLetter (&table)[N], std::int32_t type, const char* otherwise) {
  for (const PitchLetter& l : table) {
    if (l.type == type) return l.letters;
  }
  return otherwise;
}

// The letters of an entry of a box's pitches: a pitch, or a throw to a
// base (1, +2); empty for an entry that is no pitch (a change of catcher,
// an out number put right).
std::string PitchLetters(const PITCH& p) {
  switch (p.event) {
    case kEventBall:
      return LettersOf(kBallLetters, p.detail.ball_type, "B");
    case kEventStrike:
      return LettersOf(kStrikeLetters, p.detail.strike_type, "S");
    case kEventFoul:
      return LettersOf(kFoulLetters, p.detail.strike_type, "F");
    case kEventPitcherPickoff1st:
    case kEventPitcherPickoff2nd:
    case kEventPitcherPickoff3rd:
      return std::to_string(p.event - kEventPitcherPickoff1st + 1);
    case kEventCatcherPickoff1st:
    case kEventCatcherPickoff2nd:
    case kEventCatcherPickoff3rd:
      return "+" + std::to_string(p.event - kEventCatcherPickoff1st + 1);
    default:
      return {};
  }
}

}  // namespace

void GameWriter::AddPitchLetters(const AT_BAT& ab, int entry) {
  const PITCH& p = ab.pitches[static_cast<std::size_t>(entry)];
  const std::string letters = PitchLetters(p);
  if (letters.empty()) return;
  if (!throw_before_turn_.empty()) {
    const bool restated = letters == throw_before_turn_;
    throw_before_turn_.clear();
    if (restated) return;
  }
  if (dot_) {
    pitches_ += '.';
    dot_ = false;
  }
  pitches_ += letters;
  if (IsPitchEvent(p.event)) {
    count_balls_ = p.balls_before;
    count_strikes_ = p.strikes_before;
    balls_now_ = count_balls_ + (p.event == kEventBall ? 1 : 0);
    strikes_now_ =
        count_strikes_ +
        (p.event == kEventStrike || (p.event == kEventFoul && count_strikes_ < 2) ? 1 : 0);
    any_pitch_ = true;
  } else {
    // A throw to a base: a play on it comes in the count that stands.
    count_balls_ = balls_now_;
    count_strikes_ = strikes_now_;
  }
}

void GameWriter::Notes(int box) {
  for (const GAME_NOTE& note : game_.notes) {
    if (note.inning != inning_ - 1 || (note.half != 0) != top_ || note.at_bat != box) continue;
    // Long notes go in several comments, cut between words.
    std::string text = FieldText(note.text.view());
    while (!text.empty()) {
      std::size_t cut = text.size();
      if (cut > 70) {
        cut = text.rfind(' ', 70);
        if (cut == std::string::npos || cut == 0) cut = 70;
      }
      Line("com,\"" + text.substr(0, cut) + "\"");
      text = Trimmed(text.substr(cut));
    }
  }
}

bool GameWriter::CollectMoments() {
  moments_.clear();
  const int n = static_cast<int>(half_->at_bats.size());
  bool unnamed = false;
  for (int r = 0; r < n; ++r) {
    const AT_BAT& ab = Box(r);
    const int result = result_[static_cast<std::size_t>(r)];
    const bool tie = ab.reached && ab.how_reached == kReachTieBreaker;
    const int first = tie ? 2 : result + 1;
    if (result < 0) continue;
    // An older game's runner entries: read as made on the batter's own
    // play while they follow it without a pause, then one play of each
    // later box at a time.
    int fallback_box = r;
    std::int32_t last_code = -1;
    for (int q = first; q < ab.PitchCount(); ++q) {
      const PITCH& p = ab.pitches[static_cast<std::size_t>(q)];
      if (p.event != kEventAdvance && p.event != kEventOut && p.event != kEventRbi) continue;
      Key key;
      const PlayMoment m = MomentOf(ab, r, q);
      // A play after the half's last turn (a runner picked off for the
      // third out) names the turn that was to come.
      const bool after_last = m.at_bat == n && m.entry == -1;
      if (NamesMoment(p) && m.at_bat >= r && (m.at_bat < n || after_last) && m.entry >= -1 &&
          m.entry < kMaxPitches && !(m.at_bat == r && m.entry < result)) {
        key = {m.at_bat, m.entry};
      } else {
        unnamed = true;
        if (p.event != kEventRbi && q > result + 1) {
          const std::int32_t code = p.event == kEventAdvance ? -2 : -3;
          if (code != last_code || p.event == kEventOut) ++fallback_box;
          last_code = code;
        }
        fallback_box = std::min(fallback_box, n - 1);
        const int target_result = result_[static_cast<std::size_t>(fallback_box)];
        key = {fallback_box,
               target_result >= 0 ? target_result : Box(fallback_box).PitchCount() - 1};
      }
      moments_.push_back({key, {r, q}});
    }
  }
  SortFew(moments_, Moment::Earlier);
  if (unnamed) {
    Lost(
        "when its runners moved (the game does not say: they are written on the plays their "
        "boxes come nearest to)");
  }
  return true;
}

namespace {

// Changes in the field kept with the box, made before a change of
// pitchers in the middle of its turn, came with it (a double switch after
// a pitch): they keep its place.
void KeepWithPitcherChange(std::vector<TimedSub>& timed, bool batting_home) {
  for (std::size_t i = timed.size(); i-- > 0;) {
    const TimedSub& change = timed[i];
    if (change.sub.position != 1 || change.key.entry == kBeforeBox ||
        change.sub.home == batting_home) {
      continue;
    }
    for (std::size_t j = 0; j < i; ++j) {
      TimedSub& before = timed[j];
      if (before.sub.home != batting_home && before.sub.position != 1 &&
          before.key == Key{change.key.box, kBeforeBox}) {
        before.key = change.key;
      }
    }
  }
}

}  // namespace

// A pinch hitter the box does not name: replaced in his turn by another
// before it began (the box names the later one), or come in with two
// strikes when the strikeout was the batter's he replaced; his place is
// where the count reached two strikes then.
void GameWriter::PinchHitterPlace(std::size_t i, int k, TimedSub& t) const {
  const int n = static_cast<int>(half_->at_bats.size());
  if (k >= n) return;
  const AT_BAT& ab = Box(k);
  const PLAYER& p = half_->offense[i];
  bool replaced_before_batting = false;
  for (std::size_t j = i + 1; j < half_->offense.size(); ++j) {
    replaced_before_batting |= half_->offense[j].name == ab.batter.name.view();
  }
  if (ab.batter.name == p.name.view() || replaced_before_batting) return;
  const int result = result_[static_cast<std::size_t>(k)];
  for (int q = 0; q < (result >= 0 ? result : ab.PitchCount()); ++q) {
    if (ab.pitches[static_cast<std::size_t>(q + 1)].strikes_before >= 2 || q + 1 == result) {
      t.key = {k, q};
      break;
    }
  }
}

// A pinch runner comes in after what the runner did before he was
// replaced.
void GameWriter::PinchRunnerPlace(const PLAYER& p, TimedSub& t) const {
  const int n = static_cast<int>(half_->at_bats.size());
  for (int r = 0; r < n; ++r) {
    const AT_BAT& ab = Box(r);
    if (ab.pinch_runner.name != p.name.view()) continue;
    const int from = PinchRunnerFrom(ab);
    const int result = result_[static_cast<std::size_t>(r)];
    for (int q = result + 1; q < from && q < ab.PitchCount(); ++q) {
      const PlayMoment m = MomentOf(ab, r, q);
      if (NamesMoment(ab.pitches[static_cast<std::size_t>(q)]) && Key{m.at_bat, m.entry} >= t.key) {
        t.key = {m.at_bat, m.entry};
        t.after_plays = true;
      }
    }
  }
}

// The pinch hitters and runners of the batting side.
void GameWriter::OffenseTimedSubs() {
  const bool batting_home = !top_;
  const int n = static_cast<int>(half_->at_bats.size());
  const int offense_block = OffenseBlock(half_->offense);
  for (std::size_t i = static_cast<std::size_t>(offense_block); i < half_->offense.size(); ++i) {
    const PLAYER& p = half_->offense[i];
    const int pos = RetroPosition(p.position);
    if (pos != 11 && pos != 12) continue;
    const int k = std::clamp(static_cast<int>(p.entry_value), 0, n);
    TimedSub t{
        {k, kBeforeBox},
        {batting_home, p.name.view(), std::clamp(static_cast<int>(p.batting_order), 1, 9), pos}};
    if (pos == 11) PinchHitterPlace(i, k, t);
    if (pos == 12) PinchRunnerPlace(p, t);
    timed_.push_back(t);
  }
}

// The fielders who came in during the half: a pitcher when the one before
// him threw his last pitch, a catcher where the box says he came in.
bool GameWriter::DefenseTimedSubs() {
  const bool batting_home = !top_;
  const int n = static_cast<int>(half_->at_bats.size());
  const int defense_block = DefenseBlock(half_->defense);
  if (defense_block < 0) return Fail("the fielders of a half are not all there");
  for (std::size_t i = static_cast<std::size_t>(defense_block) + 9; i < half_->defense.size();
       ++i) {
    const PLAYER& p = half_->defense[i];
    const int pos = RetroPosition(p.position);
    if (pos < 1 || pos > 9) continue;
    const int k = std::clamp(static_cast<int>(p.entry_value), 0, n);
    TimedSub t{
        {k, kBeforeBox},
        {!batting_home, p.name.view(), std::clamp(static_cast<int>(p.batting_order), 0, 9), pos}};
    if (k < n && pos == 1) {
      const AT_BAT& ab = Box(k);
      for (int slot = 1; slot < ab.PitcherCount(); ++slot) {
        if (ab.pitchers[static_cast<std::size_t>(slot)].pitcher.name == p.name.view()) {
          t.key = {k, ab.pitchers[static_cast<std::size_t>(slot - 1)].last_pitch};
        }
      }
    } else if (k < n && pos == 2) {
      const AT_BAT& ab = Box(k);
      const int result = result_[static_cast<std::size_t>(k)];
      for (int q = 0; q < (result >= 0 ? result : ab.PitchCount()); ++q) {
        if (ab.pitches[static_cast<std::size_t>(q)].event == kEventCatcherSubbed) {
          t.key = {k, q - 1};
          break;
        }
      }
    }
    timed_.push_back(t);
  }
  return true;
}

// The next half the side in the field bats, if it has a line-up.
const HALF_INNING* GameWriter::NextBattingHalf(bool home) const {
  for (int later = (inning_ - 1) * 2 + (top_ ? 1 : 2); later < 2 * kInnings; ++later) {
    const bool later_top = later % 2 == 0;
    if (later_top == home) continue;
    const HALF_INNING* next = &game_.innings[static_cast<std::size_t>(later / 2)].half(later_top);
    return next->offense.empty() ? nullptr : next;
  }
  return nullptr;
}

// A player of the side in the field who took a place in the batting
// order without a change of position (a pitcher taking the place of the
// player he replaced as the half went on): only the next half the side
// bats shows it.  His sub goes with the side's last change of the half.
void GameWriter::PlacesTakenInOrder() {
  const bool home_fields = top_;
  const SideState& fielders = sides_[home_fields ? 1 : 0];
  const HALF_INNING* next = NextBattingHalf(home_fields);
  if (!next) return;
  const int n = static_cast<int>(half_->at_bats.size());
  std::array<std::string_view, 10> slots = fielders.slots;
  Key last{0, kBeforeBox};
  for (const TimedSub& t : timed_) {
    if (t.sub.home != home_fields) continue;
    if (t.sub.slot > 0) slots[static_cast<std::size_t>(t.sub.slot)] = t.sub.name;
    last = std::max(last, t.key);
  }
  if (last.box >= n) last = {std::max(n - 1, 0), kBeforeBox};
  const int count = OffenseBlock(next->offense);
  for (int slot = 1; slot <= count; ++slot) {
    const PLAYER& p = next->offense[static_cast<std::size_t>(slot - 1)];
    if (p.name == std::string_view(slots[static_cast<std::size_t>(slot)])) continue;
    int position = 0;
    for (const PLAYER& d : half_->defense) {
      if (d.name == p.name.view()) position = RetroPosition(d.position);
    }
    if (const int* role = fielders.role.Find(p.name.view()); position == 0 && role) {
      position = *role;
    }
    if (position < 1 || position > 10) continue;
    timed_.push_back({last, {home_fields, p.name.view(), slot, position}});
  }
}

bool GameWriter::CollectTimedSubs() {
  timed_.clear();
  OffenseTimedSubs();
  if (!DefenseTimedSubs()) return false;
  PlacesTakenInOrder();
  KeepWithPitcherChange(timed_, !top_);
  return true;
}

namespace {

// Where a foul fly dropped is written: after the last foul before the
// result (-1 before the result when there is none), -2 for none.
int FoulErrorAfter(const AT_BAT& ab, int result, int last_own) {
  if (!(ab.error_kinds[0] == kErrPopFoul && !ab.error_credits[0].name.empty()) &&
      !(ab.second_error_kinds[0] == kErrPopFoul && !ab.second_error_credits[0].name.empty())) {
    return -2;
  }
  int after = -1;
  for (int q = 0; q <= last_own; ++q) {
    if (q != result && ab.pitches[static_cast<std::size_t>(q)].event == kEventFoul) after = q;
  }
  return after;
}

}  // namespace

// The half's state made new.
void GameWriter::BeginHalf(int inning, bool top) {
  half_ = &game_.innings[static_cast<std::size_t>(inning)].half(top);
  inning_ = inning + 1;
  top_ = top;
  outs_ = 0;
  bases_.fill(-1);
  const int n = static_cast<int>(half_->at_bats.size());
  result_.assign(static_cast<std::size_t>(n), -1);
  base_of_.assign(static_cast<std::size_t>(n), -1);
  for (int k = 0; k < n; ++k) result_[static_cast<std::size_t>(k)] = ResultEntry(Box(k));
  errors_written_.clear();
  assists_written_.clear();
  pitches_.clear();
  dot_ = false;
}

// The turn of box k at the plate: its pitches, with what happened at each,
// and his result.  last_own: his box's last entry of the turn.
bool GameWriter::Turn(int k, int& last_own) {
  const AT_BAT& ab = Box(k);
  // The turn's pitches go on from what records written for him before it
  // began (a pick-off throw) hold.
  due_box_ = k;
  throw_before_turn_.clear();
  if (!EmitAt({k, -1}, -1)) return false;
  const int result = result_[static_cast<std::size_t>(k)];
  if (result < 0) last_own = ab.PitchCount() - 1;
  const int foul_error_after = FoulErrorAfter(ab, result, last_own);
  for (int q = 0; q <= last_own; ++q) {
    if (q == result) {
      if (foul_error_after == -1) FoulError(ab);
      if (!BatterPlay(k)) return false;
      continue;
    }
    AddPitchLetters(ab, q);
    if (q == foul_error_after) FoulError(ab);
    if (!EmitAt({k, q}, -1)) return false;
  }
  if (result < 0) Notes(k);
  return true;
}

// What happened between the turn of box k and the next.
bool GameWriter::AfterTurn(int k, int last_own) {
  std::vector<Key> later;
  for (const Moment& m : moments_) {
    if (m.key.box == k && m.key.entry > last_own) later.push_back(m.key);
  }
  for (const TimedSub& t : timed_) {
    if (t.key.box == k && t.key.entry > last_own) later.push_back(t.key);
  }
  std::sort(later.begin(), later.end());
  later.erase(std::unique(later.begin(), later.end()), later.end());
  for (const Key& key : later) {
    if (!EmitAt(key, -1)) return false;
  }
  return true;
}

bool GameWriter::Half(int inning, bool top) {
  BeginHalf(inning, top);
  if (!CollectMoments() || !CollectTimedSubs()) return false;
  const int n = static_cast<int>(half_->at_bats.size());
  for (int k = 0; k < n; ++k) {
    if (!EmitAt({k, kBeforeBox}, -1)) return false;
    const AT_BAT& ab = Box(k);
    int last_own = result_[static_cast<std::size_t>(k)];
    if (ab.reached && ab.how_reached == kReachTieBreaker) {
      // The runner the tie-breaker puts on second.
      Line("radj," + IdOf(!top, ab.batter.name.str()) + ",2");
      bases_[2] = k;
      base_of_[static_cast<std::size_t>(k)] = 2;
      last_own = 1;
    } else if (!Turn(k, last_own)) {
      return false;
    }
    if (!AfterTurn(k, last_own)) return false;
  }
  if (!EmitAt({n, kBeforeBox}, -1) || !EmitAt({n, -1}, -1)) return false;
  if (!moments_.empty()) {
    const Key key = moments_.front().key;
    return Fail("the runners' entries of box " + std::to_string(key.box + 1) + " of the " +
                (top_ ? "top" : "bottom") + " of inning " + std::to_string(inning_) +
                " name a moment the half does not reach");
  }
  CheckErrorsWritten();
  return error_.empty();
}

// An error no record carried (one that gave the runner no base) is said.
void GameWriter::CheckErrorsWritten() {
  for (int k = 0; k < static_cast<int>(half_->at_bats.size()); ++k) {
    const AT_BAT& ab = Box(k);
    for (int base = 1; base <= 4; ++base) {
      const std::size_t i = static_cast<std::size_t>(base - 1);
      for (int list = 0; list < 2; ++list) {
        const FIELDER_CREDIT& c = list == 0 ? ab.error_credits[i] : ab.second_error_credits[i];
        const std::int32_t kind = list == 0 ? ab.error_kinds[i] : ab.second_error_kinds[i];
        if (c.name.empty() || kind == kErrPassedBall || kind == kErrPrevious ||
            kind == kErrPopFoul) {
          continue;
        }
        if (!errors_written_.count(k * 8 + base)) {
          Lost("an error that gave no runner a base (" + c.name.str() + "'s, inning " +
               std::to_string(inning_) + ")");
        }
      }
    }
  }
}

Status GameWriter::Run(const std::string& id, int game_number) {
  if (WriteAll(id, game_number) && error_.empty()) return {};
  return Status::Failed({}, error_);
}

// A pitch is a letter of its call: its type, speed and place have no
// field (a ball is one wide of the zone, a strike one across it, as a
// game read from the files has them).  True when a pitch of the game has
// more than its letter tells.
bool GameWriter::PitchesLost() const {
  for (const INNING& in : game_.innings) {
    for (const HALF_INNING* h : {&in.top, &in.bottom}) {
      for (const AT_BAT& ab : h->at_bats) {
        // The details in use come first; the first unused one ends them.
        for (const PITCH_DATA& d : ab.pitch_details) {
          if (d.valid == 0) break;
          const std::int32_t x = d.strike ? 59 : 20;
          if (d.pitch_type != kPitchOther || d.speed != 80.0f || d.location_y != 94 ||
              (d.location_x != x && d.location_x != 59)) {
            return true;
          }
        }
      }
    }
  }
  return false;
}

bool GameWriter::WriteAll(const std::string& id, int game_number) {
  season_ = game_.header.year;
  if (!CheckShape()) return false;
  if (PitchesLost()) Lost("the pitches' types, speeds and locations");
  InfoRecords(id, game_number);
  if (!Halves()) return false;
  if (!any_pitch_) Lost("its pitches (none were scored)");
  DataRecords();
  return true;
}

// The line-ups at the first half with batters, then every half with its
// changes of line-up before it.
bool GameWriter::Halves() {
  bool started = false;
  const int last = game_.LastInning();
  for (int inning = 0; inning <= last && error_.empty(); ++inning) {
    for (bool top : {true, false}) {
      const HALF_INNING& h = game_.innings[static_cast<std::size_t>(inning)].half(top);
      if (h.offense.empty()) continue;
      if (!started) {
        if (!StartRecords()) return false;
        started = true;
        inning_ = 1;
        top_ = true;
      } else if (!HalfStart(inning, top)) {
        return false;
      }
      if (!Half(inning, top)) return false;
    }
  }
  return started || Fail("it has no line-ups: it was never begun");
}

// After a record that is not the batter's result: the turn's pitches go
// on after a dot; between two turns the reader starts the next turn's
// pitches afresh.
void GameWriter::RecordWritten() {
  if (due_box_ >= 0) {
    dot_ = true;
    return;
  }
  pitches_.clear();
  count_balls_ = count_strikes_ = balls_now_ = strikes_now_ = 0;
  dot_ = false;
}

void GameWriter::FoulError(const AT_BAT& ab) {
  for (int list = 0; list < 2; ++list) {
    const FIELDER_CREDIT& c = list == 0 ? ab.error_credits[0] : ab.second_error_credits[0];
    const std::int32_t kind = list == 0 ? ab.error_kinds[0] : ab.second_error_kinds[0];
    if (kind != kErrPopFoul || c.name.empty() || c.position < 1 || c.position > 9) continue;
    PlayLine("FLE" + std::to_string(c.position));
    RecordWritten();
  }
}

// The moves of one place in the half: each runner's entries made there, cut
// where one play ends and another begins (a single, then a pick-off), the
// batter's own first when the place is his result.
namespace {

// Whether an advance with this code goes on from the runner's last move
// (last_kind) rather than beginning a play of its own: further bases on
// an error, a wild pitch, on the throw, and a runner's additional bases
// after his steal; the batter's extra base without a reason of the play
// comes from a play of the runners after it.
bool AdvanceContinues(std::int32_t code, bool batter, MoveKind last_kind) {
  return code == kAdvErrorContinued || code == kAdvWildPitchContinued ||
         code == kAdvPassedBallContinued || code == kAdvBalkContinued || code == kAdvOnThrow ||
         code == kAdvError || code == kAdvAssistWithError ||
         (code == kAdvAdditionalBase && !batter && last_kind != MoveKind::kPickoff);
}

}  // namespace

// The batter's own move on his result.
Move GameWriter::BatterMove(int batter_box) const {
  const AT_BAT& ab = Box(batter_box);
  Move m;
  m.box = batter_box;
  m.from = 0;
  m.entries.push_back(result_[static_cast<std::size_t>(batter_box)]);
  if (ab.reached) {
    m.to = ReachBases(ab.how_reached);
  } else {
    m.out = true;
  }
  return m;
}

// Whether an advance or out of a runner who moved already in the place
// begins a move of its own (a single, then a pick-off; a walk, then a
// steal) rather than going on with his last.
// batter: the entry is the batter's; his_result: last is his result's move.
bool GameWriter::BeginsMove(const EntryRef& e, int from, const Move& last, bool batter,
                            bool his_result) const {
  const AT_BAT& ab = Box(e.box);
  const PITCH& p = ab.pitches[static_cast<std::size_t>(e.entry)];
  Move alone;
  alone.box = e.box;
  alone.from = from;
  bool continues = false;
  if (p.event == kEventAdvance) {
    const std::int32_t code = ab.advances[std::clamp(from, 1, 3) - 1];
    alone.codes.push_back(code);
    continues = AdvanceContinues(code, batter, KindOf(last));
    // An error on a pick-off throw begins a play of its own.
    continues &= KindOf(alone) != MoveKind::kPickoff;
  } else {
    alone.out = true;
    // Safe on a throw's error, then put out: two plays, as the reader
    // gives the throw's fielders their assists only for the first.
    continues =
        KindOf(alone) == MoveKind::kBatted &&
        std::find(last.codes.begin(), last.codes.end(), kAdvAssistWithError) == last.codes.end();
  }
  return !continues && (KindOf(alone) != KindOf(last) || p.event == kEventOut ||
                        (batter && his_result && p.event == kEventAdvance));
}

// One entry of the place into the moves: a run batted in of the batter's
// play, or a runner's advance or out, going on with his last move or
// beginning one.  base: where each runner stands as the moves go.
bool GameWriter::AddEntry(const EntryRef& e, int batter_box, std::vector<Move>& moves,
                          SmallIntMap& base) {
  const AT_BAT& ab = Box(e.box);
  const PITCH& p = ab.pitches[static_cast<std::size_t>(e.entry)];
  const bool batter = e.box == batter_box;
  // Runs batted in are the batter's play's, whatever follows it.
  if (batter && p.event == kEventRbi) {
    moves.front().entries.push_back(e.entry);
    ++moves.front().rbi;
    return true;
  }
  if (!base.count(e.box)) {
    const int at = batter ? moves.front().to : base_of_[static_cast<std::size_t>(e.box)];
    if (!batter && (at < 1 || at > 3 || bases_[static_cast<std::size_t>(at)] != e.box)) {
      return Fail("the runner of box " + std::to_string(e.box + 1) + " of the " +
                  (top_ ? "top" : "bottom") + " of inning " + std::to_string(inning_) +
                  " moves, but he is not on base");
    }
    base[e.box] = at;
  }
  Move* last = batter ? &moves.front() : nullptr;
  for (Move& mv : moves) {
    if (mv.box == e.box) last = &mv;
  }
  if (last && last->out) {
    return Fail("the runner of box " + std::to_string(e.box + 1) + " moves after his out");
  }
  const bool fresh =
      last == nullptr || ((p.event == kEventAdvance || p.event == kEventOut) &&
                          BeginsMove(e, base[e.box], *last, batter, last == &moves.front()));
  if (fresh) {
    Move mv;
    mv.box = e.box;
    mv.from = base[e.box];
    mv.to = mv.from;
    moves.push_back(mv);
    last = &moves.back();
  }
  Move* m = last;
  m->entries.push_back(e.entry);
  if (p.event == kEventAdvance) {
    if (m->to < 1 || m->to > 3) {
      return Fail("the runner of box " + std::to_string(e.box + 1) + " advances from " +
                  (m->to == 0 ? "the plate" : "home"));
    }
    m->codes.push_back(std::int32_t{ab.advances[m->to - 1]});  // packed: a copy
    ++m->to;
    base[e.box] = m->to;
  } else if (p.event == kEventOut) {
    m->out = true;
  } else if (p.event == kEventRbi) {
    ++m->rbi;
  }
  return true;
}

std::pair<std::vector<GameWriter::Moment>::iterator, std::vector<GameWriter::Moment>::iterator>
GameWriter::MomentsAt(Key key) {
  // The half is written in order of its places: most are before the first
  // place a runner's entry names, none of them after the last.
  if (moments_.empty() || key < moments_.front().key || moments_.back().key < key) {
    return {moments_.end(), moments_.end()};
  }
  return std::equal_range(moments_.begin(), moments_.end(), Moment{key, {}}, Moment::Earlier);
}

// The moves of a place, its runners' entries then taken away as written.
bool GameWriter::TakeMovesAt(Key key, std::vector<Move>& moves, int batter_box) {
  moves.clear();
  if (batter_box >= 0) moves.push_back(BatterMove(batter_box));
  const auto [first, last] = MomentsAt(key);
  if (first == last) return true;
  SmallIntMap base;  // box -> base held, as the moves go
  // A runner's entries of one place make one move, or several when one
  // play follows another (a single, then a pick-off; a walk, then a
  // steal).
  for (auto m = first; m != last; ++m) {
    if (!AddEntry(m->entry, batter_box, moves, base)) return false;
  }
  moments_.erase(first, last);
  return true;
}

void GameWriter::ApplyMoves(const std::vector<Move>& moves) {
  for (const Move& m : moves) {
    if (m.from >= 1 && m.from <= 3 && bases_[static_cast<std::size_t>(m.from)] == m.box) {
      bases_[static_cast<std::size_t>(m.from)] = -1;
    }
  }
  for (const Move& m : moves) {
    if (m.out) {
      ++outs_;
      base_of_[static_cast<std::size_t>(m.box)] = -1;
    } else if (m.to >= 1 && m.to <= 3) {
      bases_[static_cast<std::size_t>(m.to)] = m.box;
      base_of_[static_cast<std::size_t>(m.box)] = m.to;
    } else {
      base_of_[static_cast<std::size_t>(m.box)] = -1;
    }
  }
}

// The runners' plays of one place, each kind its own record (a steal, then
// a wild pitch), in the order the runners' entries give.  The moves are
// used up.
bool GameWriter::RunnerPlays(Key key, std::vector<Move>& moves) {
  while (!moves.empty()) {
    // This record: every runner's first move left, of the kind of the
    // first of them that is not a plain advance (which goes with it, as
    // CSH(262).1-2 has it), OA when all are.
    MoveKind kind = MoveKind::kBatted;
    SmallIntSet seen;
    for (const Move& m : moves) {
      if (!seen.insert(m.box).second) continue;
      if (KindOf(m) != MoveKind::kBatted) {
        kind = KindOf(m);
        break;
      }
    }
    std::vector<Move>& now = now_;
    std::vector<Move>& later = later_;
    now.clear();
    later.clear();
    SmallIntSet taken;
    for (Move& m : moves) {
      const MoveKind k = KindOf(m);
      if (!taken.count(m.box) && (k == kind || k == MoveKind::kBatted)) {
        taken.insert(m.box);
        now.push_back(std::move(m));
      } else {
        taken.insert(m.box);
        later.push_back(std::move(m));
      }
    }
    BringInNamedPitcher(now);
    SmallIntSet implied;
    if (kind == MoveKind::kPickoff) {
      // The throw that picked him off (or got away) is a pitch of the turn.
      if (dot_) pitches_ += '.';
      dot_ = false;
      const std::string throw_letter = std::to_string(std::clamp(now.front().from, 1, 3));
      pitches_ += throw_letter;
      count_balls_ = balls_now_;
      count_strikes_ = strikes_now_;
      // Before the batter's first pitch the readers take his next record's
      // restated throw as a throw of his own turn: the box holds it so.
      if (key.entry == -1 && key.box == due_box_ && pitches_ == throw_letter) {
        throw_before_turn_ = throw_letter;
      }
    }
    const std::string event = RunnerEvent(kind, now, implied);
    const std::string advances = Advances(now, implied, false, 0);
    if (!error_.empty()) return false;
    PlayLine(advances.empty() ? event : event + "." + advances);
    RecordWritten();
    ApplyMoves(now);
    // The moves left go round again; the rooms change hands, none is freed.
    moves.swap(later);
  }
  return true;
}

// A pitcher the runners' entries of a play name on the mound comes in
// before it, wherever the line-ups put his coming in (a reliever who
// picks a runner off before he faces a batter).
void GameWriter::BringInNamedPitcher(const std::vector<Move>& moves) {
  const std::string_view on_mound = sides_[top_ ? 1 : 0].field[1];
  for (const Move& m : moves) {
    for (int q : m.entries) {
      const PITCH& p = Box(m.box).pitches[static_cast<std::size_t>(q)];
      if (!NamesMoment(p) || p.detail.pitcher.name.empty() ||
          p.detail.pitcher.name == std::string_view(on_mound)) {
        continue;
      }
      for (TimedSub& t : timed_) {
        if (!t.done && t.sub.position == 1 && t.sub.name == p.detail.pitcher.name.view()) {
          t.done = true;
          WriteSub(t.sub, true);
          return;
        }
      }
    }
  }
}

bool GameWriter::EmitAt(Key key, int) {
  if (!TakeMovesAt(key, moves_, -1) || !RunnerPlays(key, moves_)) return false;
  for (TimedSub& t : timed_) {
    if (t.key != key || t.done) continue;
    t.done = true;
    WriteSub(t.sub, true);
  }
  return error_.empty();
}

bool GameWriter::BatterPlay(int k) {
  const AT_BAT& ab = Box(k);
  const int result = result_[static_cast<std::size_t>(k)];
  const PITCH& p = ab.pitches[static_cast<std::size_t>(result)];
  // The pitch that is the result itself.
  std::string letter;
  if (ab.reached) {
    switch (ab.how_reached) {
      case kReachHitByPitch:
        letter = "H";
        break;
      case kReachDroppedThirdWP:
      case kReachDroppedThirdPB:
      case kReachDroppedThirdError:
        letter = p.detail.strike_type == kStrikeTaken ? "C" : "S";
        break;
      case kReachWalk:
      case kReachIntentionalWalk:
      case kReachAwardedBase:
      case kReachTieBreaker:
      case kReachInterference:
      case kReachOnBase:
        break;
      default:
        letter = "X";
    }
  } else if (ab.how_out == kOutDroppedThird) {
    letter = p.detail.strike_type == kStrikeTaken ? "C" : "S";
  } else if (ab.how_out == kOutBuntedFoul) {
    letter = "L";
  } else if (ab.how_out != kOutStrikeSwinging && ab.how_out != kOutStrikeLooking &&
             scoring::OutIsPitch(ab.how_out)) {
    letter = "X";
  }
  if (!letter.empty()) {
    if (dot_) pitches_ += '.';
    dot_ = false;
    pitches_ += letter;
    count_balls_ = p.balls_before;
    count_strikes_ = p.strikes_before;
  }
  if (!TakeMovesAt({k, result}, moves_, k)) return false;
  // What the batter's record carries, and what is left of the place: the
  // runners' plays that came after it, with the next batter at the plate.
  std::string event;
  carried_.clear();
  rest_.clear();
  if (!BatterEvent(ab, moves_, carried_, rest_, event)) return false;
  PlayLine(event);
  ApplyMoves(carried_);
  SideState& batting = sides_[top_ ? 0 : 1];
  batting.next_slot = std::clamp(static_cast<int>(ab.batter.batting_order), 1, 9) %
                          std::max(1, batting.slot_count) +
                      1;
  due_box_ = -1;
  pitches_.clear();
  count_balls_ = count_strikes_ = balls_now_ = strikes_now_ = 0;
  dot_ = false;
  Notes(k);
  if (!RunnerPlays({k, result}, rest_)) return false;
  for (TimedSub& t : timed_) {
    if (t.key != Key{k, result} || t.done) continue;
    t.done = true;
    WriteSub(t.sub, true);
  }
  return error_.empty();
}
}  // namespace retro_out

void NameIds::Add(std::string_view name, std::string id) { ids_.emplace_back(name, std::move(id)); }

void NameIds::Seal() {
  index_.Reset(ids_.size());
  const auto name_at = [&](std::uint32_t i) { return ids_[i].first; };
  for (std::size_t i = 0; i < ids_.size(); ++i) {
    index_.Insert(ids_[i].first, static_cast<std::uint32_t>(i), name_at);
  }
}

const std::string* NameIds::Find(std::string_view name) const {
  const std::uint32_t at = index_.Find(name, [&](std::uint32_t i) { return ids_[i].first; });
  return at == NameIndex::kNone ? nullptr : &ids_[at].second;
}

Status ExportRetrosheetGame(const Game& game, const std::string& id, int game_number,
                            const ExportNames& names, ExportedGame& out) {
  // The text's room is kept for the next game written into out.
  out.text.clear();
  out.lost.clear();
  out.text.reserve(8192);
  retro_out::GameWriter writer(game, names, out);
  Status written = writer.Run(id, game_number);
  if (!written) out = ExportedGame{};
  return written;
}

}  // namespace scorewick::interop
