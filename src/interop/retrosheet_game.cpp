// The records of a game and its line-ups: the id, info and start records,
// substitutions, the halves as the plays reach them, and the header and
// decisions at the end.

#include "interop/retrosheet_game.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>

#include "interop/retrosheet_game_builder.h"
#include "records/codes.h"
#include "scoring/consistency.h"

namespace scorewick::interop {
namespace retro {
namespace {

bool ToInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string Ordinal(int n) { return std::to_string(n) + std::string(OrdinalSuffix(n)); }

// Whether eight digits, yyyymmdd, name a day the calendar has (2019/02/30
// it has not).
bool CalendarDay(std::string_view digits) {
  int year = 0, month = 0, day = 0;
  if (digits.size() != 8 || !ToInt(digits.substr(0, 4), year) ||
      !ToInt(digits.substr(4, 2), month) || !ToInt(digits.substr(6, 2), day)) {
    return false;
  }
  return std::chrono::year_month_day(std::chrono::year(year),
                                     std::chrono::month(static_cast<unsigned>(month)),
                                     std::chrono::day(static_cast<unsigned>(day)))
      .ok();
}

// The yyyymmdd of a date written 2019/03/28, or nothing.
std::string DateDigits(std::string_view date) {
  if (date.size() != 10 || date[4] != '/' || date[7] != '/') return {};
  return std::string(date.substr(0, 4)) + std::string(date.substr(5, 2)) +
         std::string(date.substr(8, 2));
}

// yyyymmdd written as a date is: 2019/03/28.
std::string SlashedDate(std::string_view digits) {
  return std::string(digits.substr(0, 4)) + "/" + std::string(digits.substr(4, 2)) + "/" +
         std::string(digits.substr(6, 2));
}

// The fields of a start or sub record: id,"name",side,batting order,position.
bool LineupFields(const RetroRecord& r, int last_position, int& side, int& slot, int& position) {
  return r.fields.size() >= 6 && ToInt(r.at(3), side) && side >= 0 && side <= 1 &&
         ToInt(r.at(4), slot) && slot >= 0 && slot <= 9 && ToInt(r.at(5), position) &&
         position >= 1 && position <= last_position;
}

// Retrosheet's positions: 1..9 in the field, 10 designated hitter, 11
// pinch hitter, 12 pinch runner.
std::int32_t OurPosition(int retro) {
  switch (retro) {
    case 10:
      return kPosDesignatedHitter;
    case 11:
      return kPosPinchHitter;
    case 12:
      return kPosPinchRunner;
    default:
      return retro;
  }
}

}  // namespace

bool GameBuilder::Fail(std::string why) {
  if (error_.empty()) error_ = std::move(why);
  return false;
}

void GameBuilder::Note(std::string text) { notes_.push_back({line_, std::move(text)}); }

bool GameBuilder::Scored(const Status& taken, const std::string& what) {
  return taken || Fail(what + ": " + taken.reason);
}

std::string GameBuilder::HalfName(int inning, bool top) const {
  return std::string(top ? "top" : "bottom") + " of the " + Ordinal(inning);
}

bool GameBuilder::PlayerName(bool home, std::string_view id, std::string& name) {
  const Club* club = ClubOf(home);
  auto it = club->names.find(id);
  if (it == club->names.end()) {
    return Fail(std::string(id) + " is not on the roster of " + club->team.team_name.str() + " (" +
                club->roster_file + ")");
  }
  name = it->second;
  return true;
}

bool GameBuilder::IdRecord(const RetroRecord& r, GameOrigin& origin) {
  const std::string_view id = r.at(1);
  // SEA201903280: the home club, the date, the game of the day.
  bool good = id.size() == 12;
  for (std::size_t i = 0; good && i < id.size(); ++i) {
    good = i < 3 ? std::isalnum(static_cast<unsigned char>(id[i])) != 0
                 : std::isdigit(static_cast<unsigned char>(id[i])) != 0;
  }
  if (!good) {
    return Fail("the game id \"" + std::string(id) +
                "\" is not a club code, a date and the game of the day (SEA201903280)");
  }
  if (!CalendarDay(id.substr(3, 8))) {
    return Fail("the game id " + std::string(id) + " is not dated on a day of the calendar (" +
                SlashedDate(id.substr(3, 8)) + ")");
  }
  origin.id = id;
  ToInt(id.substr(3, 4), season_);
  day_ = id.substr(3, 8);
  return true;
}

bool GameBuilder::StartRecord(const RetroRecord& r) {
  // start,id,"name",side,batting order,position
  int side = 0, slot = 0, position = 0;
  if (!LineupFields(r, 10, side, slot, position)) {
    return Fail(
        "a starting player is written start,id,\"name\",side (0 visitors, 1 home),batting order "
        "(1 to 9, 0 for a pitcher who does not bat),position (1 to 9, 10 designated hitter)");
  }
  if (any_play_) return Fail("a starting player comes after the first play");
  const bool home = side == 1;
  if (!BeginGame()) return false;
  std::string name;
  if (!PlayerName(home, r.at(1), name)) return false;
  auto& started = started_[home ? 1 : 0];
  if (std::find(started.begin(), started.end(), r.at(1)) != started.end()) {
    return Fail(std::string(r.at(1)) + " starts twice");
  }
  started.emplace_back(r.at(1));
  PLAYER p = *ClubOf(home)->team.FindPlayer(name);
  p.position = OurPosition(position);
  scoring::StartingSide& s = sides_[home ? 1 : 0];
  if (slot == 0) {
    if (position != 1) return Fail("only the pitcher can start without batting (order 0)");
    s.pitcher = p;
    return true;
  }
  if (slot != static_cast<int>(s.batters.size()) + 1) {
    return Fail("the starting batters of a side are listed in order 1 to 9: the " + Ordinal(slot) +
                " comes where the " + Ordinal(static_cast<int>(s.batters.size()) + 1) + " belongs");
  }
  p.batting_order = slot;
  s.batters.push_back(p);
  if (position == 1) s.pitcher = p;
  return true;
}

// The clubs of the game, once its info records have named them.
bool GameBuilder::BeginGame() {
  if (home_ && visitor_) return true;
  const auto visitor = info_.find("visteam");
  const auto home = info_.find("hometeam");
  if (visitor == info_.end() || home == info_.end()) {
    return Fail("the info records visteam and hometeam must come before the line-ups");
  }
  if (Status found = clubs_(visitor->second, season_, visitor_); !found) return Fail(found.reason);
  if (Status found = clubs_(home->second, season_, home_); !found) return Fail(found.reason);
  if (auto innings = info_.find("innings"); innings != info_.end()) {
    int n = 0;
    if (ToInt(innings->second, n) && n >= 1 && n <= 30) rules_.innings = n;
  }
  return true;
}

// The scorer, at the first play: both line-ups are complete by then.
bool GameBuilder::StartScoring() {
  if (scorer_) return true;
  if (!BeginGame()) return false;
  for (bool home : {false, true}) {
    const scoring::StartingSide& s = sides_[home ? 1 : 0];
    const std::string team = ClubOf(home)->team.team_name.str();
    if (s.batters.size() != 9) {
      return Fail("the starting line-up of " + team + " has " + std::to_string(s.batters.size()) +
                  " batters, not 9");
    }
    if (s.pitcher.name.empty()) return Fail("the starting line-up of " + team + " has no pitcher");
  }
  scorer_.emplace(game_, rules_);
  if (!Scored(scorer_->StartGame(home_->team, visitor_->team, sides_[1], sides_[0]),
              "the starting line-ups")) {
    return false;
  }
  return true;
}

bool GameBuilder::SideBatsNow(bool home) const {
  if (scorer_->half_open()) return scorer_->top() != home;
  // Between halves: the side that bats in the half about to start.
  return (scorer_->halves_played() % 2 == 1) == home;
}

bool GameBuilder::SubRecord(const RetroRecord& r) {
  int side = 0, slot = 0, position = 0;
  if (!LineupFields(r, 12, side, slot, position)) {
    return Fail(
        "a substitution is written sub,id,\"name\",side (0 visitors, 1 home),batting order "
        "(1 to 9, 0 for a pitcher who does not bat),position (1 to 9, 10 designated hitter, 11 "
        "pinch hitter, 12 pinch runner)");
  }
  if (!scorer_) return Fail("a substitution comes before the first play");
  Substitution s;
  s.line = r.line;
  s.home = side == 1;
  s.slot = slot;
  s.position = OurPosition(position);
  if (!PlayerName(s.home, r.at(1), s.name)) return false;
  if (slot == 0 && position != 1) {
    return Fail("only a pitcher comes in without a place in the batting order (order 0)");
  }
  if (!scorer_->half_open()) {
    pending_.push_back(s);
    return true;
  }
  // A side at bat changes its fielders when it next takes the field.
  if (SideBatsNow(s.home) && s.position != kPosPinchHitter && s.position != kPosPinchRunner) {
    deferred_[s.home ? 1 : 0].push_back(s);
    return true;
  }
  return ApplySubstitution(s);
}

bool GameBuilder::ApplySubstitution(const Substitution& s) {
  const std::string what = "the substitution of " + s.name;
  const Team& team = s.home ? game_.home : game_.visitor;
  const PLAYER player = *team.FindPlayer(s.name);
  const bool played = scorer_->HasPlayed(s.home, s.name);
  if (s.position == kPosPinchHitter) {
    if (!scorer_->half_open() || !SideBatsNow(s.home)) {
      return Fail(what + ": a pinch hitter comes in for the side at bat");
    }
    if (scorer_->DueUp(s.home) != s.slot) {
      return Fail(what + ": he bats " + Ordinal(s.slot) + ", but the " +
                  Ordinal(scorer_->DueUp(s.home)) + " in the order is due up");
    }
    if (scorer_->turn_open()) {
      // A box holds one batter: the one the rules charge with the turn,
      // known when it ends (NoteMidTurnPinchHitter).
      mid_turn_pinch_ =
          MidTurnPinch{s.line, s.name, scorer_->InSlot(s.home, s.slot).name.str(),
                       std::to_string(scorer_->balls()) + "-" + std::to_string(scorer_->strikes())};
    }
    return Scored(scorer_->PinchHit(player), what);
  }
  if (s.position == kPosPinchRunner) {
    if (!scorer_->half_open() || !SideBatsNow(s.home)) {
      return Fail(what + ": a pinch runner comes in for the side at bat");
    }
    for (int base = 1; base <= 3; ++base) {
      if (scorer_->occupied(base) && scorer_->runner(base).batting_order == s.slot) {
        return Scored(scorer_->PinchRun(base, player), what);
      }
    }
    return Fail(what + ": nobody batting " + Ordinal(s.slot) + " is on base to run for");
  }
  if (played) {
    // A pitcher who did not bat may take a batting slot (his side gives up
    // its designated hitter); otherwise a player keeps his slot.
    const bool new_slot = s.slot > 0 && scorer_->InSlot(s.home, s.slot).name != s.name;
    if (s.position == kPosPitcher && !new_slot &&
        scorer_->AtPosition(s.home, kPosPitcher).name == s.name) {
      return true;  // the pitcher stays the pitcher
    }
    return Scored(scorer_->MoveFielder(s.name, s.position, s.home, new_slot ? s.slot : 0), what);
  }
  if (s.position == kPosDesignatedHitter) {
    return Fail(what + ": a new designated hitter comes in as a pinch hitter first");
  }
  if (s.position == kPosPitcher) return Scored(scorer_->ChangePitcher(player, s.slot), what);
  return Scored(scorer_->SubstituteFielder(s.position, player, s.slot), what);
}

// Opens the half a play belongs to, closing the one before and bringing in
// the substitutions made between them.
bool GameBuilder::ReachHalf(int inning, bool top) {
  if (!StartScoring()) return false;
  if (scorer_->half_open()) {
    if (scorer_->inning() == inning - 1 && scorer_->top() == top) return true;
    return Fail("this play is in the " + HalfName(inning, top) + ", but the " +
                HalfName(scorer_->inning() + 1, scorer_->top()) + " has " +
                std::to_string(scorer_->outs()) + " out" +
                std::string(PluralSuffix(scorer_->outs())) + ": an out is missing");
  }
  const int h = scorer_->halves_played();
  const int next_inning = h / 2 + 1;
  const bool next_top = h % 2 == 0;
  if (next_inning != inning || next_top != top) {
    return Fail("this play is in the " + HalfName(inning, top) + ", but the " +
                HalfName(next_inning, next_top) + " comes next");
  }
  if (scorer_->GameOver())
    return Fail("the game is already decided before the " + HalfName(inning, top));
  const bool fielding_home = top;
  // The side taking the field: its changes made while it batted, then those
  // made between the halves.
  std::vector<Substitution> batting_side;
  std::vector<Substitution> fielding_side = std::move(deferred_[fielding_home ? 1 : 0]);
  deferred_[fielding_home ? 1 : 0].clear();
  for (Substitution& s : pending_) {
    (s.home == fielding_home ? fielding_side : batting_side).push_back(std::move(s));
  }
  pending_.clear();
  const int saved_line = line_;
  for (const Substitution& s : fielding_side) {
    line_ = s.line;
    if (!ApplySubstitution(s)) return false;
  }
  line_ = saved_line;
  if (!ImplicitDesignatedHitter(fielding_home)) return false;
  if (!Scored(scorer_->StartHalf(), "the " + HalfName(inning, top))) return false;
  if (pending_radj_) {
    pending_radj_ = false;
    if (!Scored(scorer_->PlaceTieBreakerRunner(), "the runner placed on second")) return false;
  }
  for (const Substitution& s : batting_side) {
    line_ = s.line;
    if (s.position == kPosPinchHitter || s.position == kPosPinchRunner) {
      if (!ApplySubstitution(s)) return false;
    } else {
      deferred_[s.home ? 1 : 0].push_back(s);
    }
  }
  line_ = saved_line;
  return true;
}

// A pinch hitter or runner for the designated hitter stays on as the
// designated hitter without a word of the file.
bool GameBuilder::ImplicitDesignatedHitter(bool home) {
  if (!scorer_->UsesDh(home)) return true;
  int dh_slot = 0;
  int replacement_slot = 0;
  for (int slot = 1; slot <= scorer_->SlotCount(home); ++slot) {
    const std::int32_t position = scorer_->InSlot(home, slot).position;
    if (position == kPosDesignatedHitter) dh_slot = slot;
    if (position == kPosPinchHitter || position == kPosPinchRunner) {
      bool fields = false;
      for (int q = 1; q <= 9; ++q) {
        fields |= scorer_->AtPosition(home, q).name == scorer_->InSlot(home, slot).name;
      }
      if (!fields) replacement_slot = slot;
    }
  }
  if (dh_slot != 0 || replacement_slot == 0) return true;
  const std::string name = scorer_->InSlot(home, replacement_slot).name.str();
  return Scored(scorer_->MoveFielder(name, kPosDesignatedHitter, home),
                "the designated hitter " + name);
}

void GameBuilder::NoteMidTurnPinchHitter() {
  if (!mid_turn_pinch_ || scorer_->turn_open()) return;
  const MidTurnPinch m = *mid_turn_pinch_;
  mid_turn_pinch_.reset();
  const auto& h = game_.innings[static_cast<std::size_t>(scorer_->inning())].half(scorer_->top());
  const std::string charged = h.at_bats.back().batter.name.str();
  const int saved = line_;
  line_ = m.line;
  Note(m.entering + " batted for " + m.left + " from the count " + m.count +
       ": both are in the line-up, and the box holds the whole turn as " + charged +
       "'s, the batter the scoring rules charge with it");
  line_ = saved;
}

void GameBuilder::CloseHalfIfOver() {
  if (scorer_->half_open() && (scorer_->HalfOver() || scorer_->GameOver())) {
    ending_ = scorer_->GameOver();
    static_cast<void>(scorer_->EndHalf());
    turn_pitches_.clear();
  }
}

bool GameBuilder::AdjustmentRecord(const RetroRecord& r) {
  const std::string_view type = r.type();
  if (type == "radj") {
    // The runner placed on second to start an extra half: the player who
    // batted last, as the tie-breaker rule has it.
    if (!scorer_ || scorer_->half_open()) {
      return Fail("a runner placed on base (radj) comes before the half's first play");
    }
    pending_radj_ = true;
    return true;
  }
  if (type == "ladj") {
    return Fail(
        "batting out of order (ladj) cannot be recorded: the handheld bats the order as it stands");
  }
  // badj, padj, presadj: a batter or pitcher using his other hand, a
  // pitcher charged with a runner he did not put on; the score sheet keeps
  // neither.
  return true;
}

// --- The end ---------------------------------------------------------------

namespace {

// A start time: "4:11PM", "12:05AM", "19:05".
enum class StartTimeIs { kKnown, kNotKnown, kNoTime };

// What a start time says, and when known its hour (0..23) and minute.
// 0:00 stands for a time not known, and so does no time at all.
StartTimeIs StartTime(std::string_view text, int& hour, int& minute) {
  if (text.empty()) return StartTimeIs::kNotKnown;
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return StartTimeIs::kNoTime;
  std::string_view rest = text.substr(colon + 1);
  bool pm = false, am = false;
  if (rest.size() > 2 &&
      (rest.substr(rest.size() - 2) == "PM" || rest.substr(rest.size() - 2) == "AM")) {
    pm = rest.substr(rest.size() - 2) == "PM";
    am = !pm;
    rest.remove_suffix(2);
  }
  if (!ToInt(text.substr(0, colon), hour) || !ToInt(rest, minute) || minute < 0 || minute > 59) {
    return StartTimeIs::kNoTime;
  }
  if (hour == 0 && minute == 0) return StartTimeIs::kNotKnown;
  if ((pm || am) && (hour < 1 || hour > 12)) return StartTimeIs::kNoTime;
  if (pm && hour < 12) hour += 12;
  if (am && hour == 12) hour = 0;
  return hour >= 0 && hour <= 23 ? StartTimeIs::kKnown : StartTimeIs::kNoTime;
}

// What is wrong with the value of an info record of the game id, or
// nothing.  A day, a time or a count that cannot be is refused rather than
// stored as another: the date must be a day of the calendar and the day
// of the id; the start time a time of day; the length of the game and the
// attendance whole numbers.  An empty value (or a start time of 0:00)
// says the figure is not known.
std::string InfoFault(std::string_view key, std::string_view value, std::string_view id) {
  const std::string quoted = "\"" + std::string(value) + "\"";
  int n = 0, minute = 0;
  if (key == "date") {
    const std::string digits = DateDigits(value);
    if (!CalendarDay(digits)) {
      return "the date " + quoted + " is not a day of the calendar written yyyy/mm/dd (2019/03/28)";
    }
    if (id.size() == 12 && digits != id.substr(3, 8)) {
      return "the date " + std::string(value) + " is not the day of the game " + std::string(id) +
             " (" + SlashedDate(id.substr(3, 8)) + ")";
    }
  } else if (key == "starttime") {
    if (StartTime(value, n, minute) == StartTimeIs::kNoTime) {
      return "the start time " + quoted +
             " is not a time of day (7:05PM, 19:05; 0:00 when not known)";
    }
  } else if (key == "timeofgame" || key == "attendance") {
    if (!value.empty() && (!ToInt(value, n) || n < 0)) {
      return (key == "attendance" ? "the attendance " : "the length of the game ") + quoted +
             " is not a whole number" + (key == "attendance" ? "" : " of minutes");
    }
  }
  return {};
}

}  // namespace

void GameBuilder::FillHeader() {
  GameHeader& h = game_.header;
  auto info = [this](const char* key) -> std::string_view {
    auto it = info_.find(key);
    return it == info_.end() ? std::string_view() : std::string_view(it->second);
  };
  // The day of the id, which a date record must agree with (InfoFault).
  int year = 0, month = 0, day = 0;
  if (day_.size() == 8) {
    ToInt(std::string_view(day_).substr(0, 4), year);
    ToInt(std::string_view(day_).substr(4, 2), month);
    ToInt(std::string_view(day_).substr(6, 2), day);
  }
  h.year = year;
  h.month = static_cast<std::uint8_t>(month);
  h.day = static_cast<std::uint8_t>(day);
  h.creation_year = h.year;
  int hour = 0, minute = 0;
  if (StartTime(info("starttime"), hour, minute) == StartTimeIs::kKnown) {
    h.start_hour = hour;
    h.start_minute = minute;
  }
  if (!info("site").empty()) h.field.set(info("site"));
  const char* umpires[] = {"umphome", "ump1b", "ump2b", "ump3b"};
  for (int i = 0; i < 4; ++i) {
    const std::string_view u = info(umpires[i]);
    if (!u.empty() && u != "(none)") h.umpires[static_cast<std::size_t>(i)].set(u);
  }
  int n = 0;
  if (ToInt(info("attendance"), n) && n >= 0) h.attendance = n;
  if (ToInt(info("timeofgame"), n) && n > 0) {
    h.duration_hours = n / 60;
    h.duration_minutes = n % 60;
  }
  // The game lists show the visitors, "vs", the home side.
  h.list_names[0] = game_.home.team_name;
  h.list_names[1] = game_.visitor.team_name;
}

// The winning, losing and saving pitchers the info records name replace
// the scorer's own reckoning.
bool GameBuilder::SetDecisions() {
  auto pitcher = [this](const char* key, bool winners, PLAYER& out) {
    auto it = info_.find(key);
    if (it == info_.end() || it->second.empty()) return true;
    const bool home_won = game_.home_runs > game_.visitor_runs;
    // A pitcher traded during the season can be on both rosters: the
    // winners' pitcher belongs to the winners.
    for (bool home : {winners == home_won, winners != home_won}) {
      auto name = ClubOf(home)->names.find(it->second);
      if (name == ClubOf(home)->names.end()) continue;
      for (const INNING& in : game_.innings) {
        for (const PLAYER& p : (home ? in.top : in.bottom).defense) {
          if (p.position == kPosPitcher && p.name == name->second) {
            out = p;
            return true;
          }
        }
      }
    }
    return Fail("the " + std::string(key) + " record names " + it->second +
                ", who did not pitch in this game");
  };
  if (info_.count("wp") || info_.count("lp")) {
    game_.winning_pitcher = PLAYER{};
    game_.losing_pitcher = PLAYER{};
    game_.saving_pitcher = PLAYER{};
  }
  return pitcher("wp", true, game_.winning_pitcher) && pitcher("lp", false, game_.losing_pitcher) &&
         pitcher("save", true, game_.saving_pitcher);
}

bool GameBuilder::FinishGame() {
  if (!any_play_) return Fail("the game has no plays");
  line_ = last_play_line_;
  // A game called (for rain, say) is official when its decisions are given.
  auto named = [this](const char* key) {
    auto it = info_.find(key);
    return it != info_.end() && !it->second.empty();
  };
  const bool decided = named("wp") || named("lp");
  if (scorer_->half_open()) {
    if (!scorer_->HalfOver() && !scorer_->GameOver()) {
      const std::string where = HalfName(scorer_->inning() + 1, scorer_->top()) + " with " +
                                std::to_string(scorer_->outs()) + " out" +
                                std::string(PluralSuffix(scorer_->outs()));
      // Without decisions the file seems cut short.
      if (!decided) {
        return Fail("the game stops in the " + where +
                    " and nobody ahead: the file seems cut short");
      }
      // The last box keeps a note of its own if it has one.
      static_cast<void>(scorer_->AddNote("Game called in the " + where + "."));
      Note("the game was called in the " + where +
           ": the innings played stand, with the decisions of the official score");
    }
    static_cast<void>(scorer_->EndHalf());
  } else if (decided && !scorer_->GameOver()) {
    // Called between two halves: the innings played stand.
    const std::string after = HalfName(scorer_->inning() + 1, scorer_->top());
    static_cast<void>(scorer_->AddNote("Game called after the " + after + "."));
    Note("the game ends after the " + after +
         ", before the rules would end it: the innings played stand, as the official score has "
         "them");
  }
  scorer_->FinishGame();
  line_ = 0;
  FillHeader();
  if (!SetDecisions()) return false;
  // A last guard: the game must agree with itself before it is written.
  const auto found = scoring::CheckGame(game_, rules_);
  if (!found.empty()) return Fail("the game does not add up: " + found.front().Text());
  return true;
}

bool GameBuilder::Run(const std::vector<RetroRecord>& records, GameOrigin& origin,
                      EventRefusal& refusal) {
  for (const RetroRecord& r : records) {
    if (r.type() == "data") earned_stated_ = true;
  }
  for (const RetroRecord& r : records) {
    line_ = r.line;
    if (!r.broken.empty()) {
      Fail(r.broken);
      break;
    }
    const std::string_view type = r.type();
    bool ok = true;
    if (type == "id") {
      ok = IdRecord(r, origin);
    } else if (type == "version" || type == "com" || type == "data") {
    } else if (type == "info") {
      if (any_play_ || home_) {
        ok = r.at(1) == "wp" || r.at(1) == "lp" || r.at(1) == "save" ||
             Fail("an info record comes after the line-ups");
      }
      if (const std::string fault = InfoFault(r.at(1), r.at(2), origin.id); ok && !fault.empty()) {
        ok = Fail(fault);
      }
      info_[std::string(r.at(1))] = r.at(2);
    } else if (type == "start") {
      ok = StartRecord(r);
    } else if (type == "play") {
      ok = PlayRecord(r);
    } else if (type == "sub") {
      ok = SubRecord(r);
    } else if (type == "badj" || type == "padj" || type == "ladj" || type == "radj" ||
               type == "presadj") {
      ok = AdjustmentRecord(r);
    } else {
      ok = Fail("unknown record \"" + std::string(type) +
                "\": a game has id, version, info, start, play, sub, com and data records");
    }
    if (!ok) break;
  }
  if (error_.empty()) FinishGame();
  if (home_) origin.home = home_->code;
  if (visitor_) origin.visitor = visitor_->code;
  refusal.line = line_;
  refusal.reason = error_;
  return error_.empty();
}

}  // namespace retro

bool BuildRetrosheetGame(const std::vector<RetroRecord>& records, const ClubFinder& clubs,
                         Game& game, GameOrigin& origin, EventRefusal& refusal,
                         std::vector<ImportNote>& notes) {
  retro::GameBuilder builder(clubs, game, notes);
  return builder.Run(records, origin, refusal);
}

}  // namespace scorewick::interop
