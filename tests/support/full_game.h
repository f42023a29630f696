#pragma once
// A scored game with every field of every record set to something other
// than its default, for round trips through the game file and the Palm
// form, and for benchmarks: two named rosters (12 home players, 10
// visitors), innings of line-ups, at-bats with relievers from the seventh
// inning on, pitch details and pitches, fielder credits and errors, notes.
// Every value fits the Palm form, so the fields it carries come back
// unchanged.  The header's reserved words are left at zero: a test that
// wants them sets them.

#include <string>
#include <vector>

#include "records/codes.h"
#include "records/game.h"
#include "records/team.h"

namespace scorewick::testing {

inline PLAYER MakePlayer(const std::string& name, int number, int position, int order) {
  PLAYER p;
  p.name.set(name);
  p.uniform_number = static_cast<std::int16_t>(number);
  p.key = static_cast<std::int16_t>(number + 100);
  p.position = position;
  p.batting_order = order;
  p.entered_inning = 1;
  p.entry_value = 3;
  p.entry_flag = 0;
  p.active = 1;
  p.bats = static_cast<std::uint8_t>(order % 3);
  p.throws_right = static_cast<std::uint8_t>(order % 2);
  return p;
}

// A team of the given players: the first nine bat in order at positions 1
// to 9, the rest sit on the bench; the tenth (or the first) is the DH, who
// bats for the first.
inline Team MakeTeam(const std::string& name, const std::vector<std::string>& players,
                     int first_number = 1) {
  Team team;
  team.team_name.set(name);
  team.manager.set(name + " manager");
  team.coach.set(name + " coach");
  team.logo_file.set(name + ".bmp");
  team.reserved = 9;
  team.lineup_size = 9;
  team.extra_value = 2;
  team.uses_designated_hitter = 1;
  team.no_personal_info = 1;
  for (std::size_t i = 0; i < players.size(); ++i) {
    const int slot = i < 9 ? static_cast<int>(i) + 1 : 0;
    team.AddPlayer(MakePlayer(players[i], first_number + static_cast<int>(i) * 3, slot, slot),
                   PLAYER_INFO{});
  }
  if (!players.empty()) {
    team.designated_hitter = team.player(players.size() > 9 ? 9 : 0);
    team.designated_hitter.position = kPosDesignatedHitter;
    team.dh_bats_for = team.player(0);
  }
  return team;
}

// A team of `players` players named after the team: "<name> P0", ...
inline Team MakeTeam(const std::string& name, int players) {
  std::vector<std::string> names;
  for (int i = 0; i < players; ++i) names.push_back(name + " P" + std::to_string(i));
  return MakeTeam(name, names);
}

inline Team HomeTeam() {
  return MakeTeam("Harbor Hawks",
                  {"Ann Cole", "Bea Diaz", "Cal Eto", "Dee Fox", "Eli Gray", "Flo Hart", "Gus Imes",
                   "Hal Jude", "Ivy Kent", "Jo Lamb", "Kit Moss", "Lu Nash"});
}

inline Team VisitingTeam() {
  return MakeTeam("Valley Foxes",
                  {"Max Ortiz", "Nia Park", "Oz Quinn", "Pia Rowe", "Quin Shaw", "Rae Toll",
                   "Sid Umar", "Tia Vale", "Uma West", "Val Xu"},
                  2);
}

// The seq-th at-bat of the game: the batter against pitcher (and reliever
// from the third pitch, when given), with an outcome chosen by seq: a
// ground out 6-3, a single with a stolen base, or a throwing error.
inline AT_BAT MakeAtBat(const Team& batting, const Team& fielding, const PLAYER& batter,
                        const PLAYER& pitcher, const PLAYER* reliever, int seq) {
  AT_BAT ab;
  ab.pitchers[0].pitcher = pitcher;
  ab.batter = batter;
  ab.responsible_pitcher = pitcher;
  ab.box_number = seq % 40;
  const int pitches = 3 + seq % 5;
  for (int k = 0; k < pitches; ++k) {
    const PLAYER& thrower = (reliever && k >= 2) ? *reliever : pitcher;
    PITCH_DATA& d = ab.pitch_details[k];
    d.pitch_type = k % 12;
    d.pitcher = thrower;
    d.location_x = 40 + k * 7;
    d.location_y = 60 + seq % 50;
    d.speed = static_cast<float>(70 + (seq + k) % 25);
    d.strike = static_cast<std::uint8_t>(k % 2);
    d.hit = static_cast<std::uint8_t>(k == pitches - 1);
    d.valid = 1;
    d.right_handed_batter = batter.bats != 0;
    d.strike_type = d.strike ? 1 + k % 3 : 0;
    d.ball_type = d.strike ? 0 : 1 + k % 4;
    PITCH& p = ab.pitches[k];
    p.event = k == pitches - 1 ? (seq % 3 == 0 ? kEventOut : kEventReached)
                               : (k % 2 ? kEventStrike : kEventBall);
    p.balls_before = static_cast<std::int16_t>((k + 1) / 2);
    p.strikes_before = static_cast<std::int16_t>(k / 2);
    p.detail = d;
    p.detail.pitcher.batting_order = seq % 7;  // the at-bat index
    p.detail.pitcher.entered_inning = k;       // the pitch index
  }
  ab.last_pitch = pitches - 1;
  if (reliever) {
    ab.pitchers[0].last_pitch = 1;
    ab.pitchers[1].pitcher = *reliever;
  }
  ab.strikes = pitches / 2;
  ab.balls = (pitches + 1) / 2;
  ab.hit_x = 90 + seq % 60;
  ab.hit_y = 30 + seq % 70;
  const NameText short_stop = fielding.player(5).name;
  const NameText first_base = fielding.player(2).name;
  if (seq % 3 == 0) {
    ab.out = 1;
    ab.how_out = kOutGround;
    ab.bases_reached = 1;
    ab.out_credit_count = 2;
    ab.out_credits[0] = {kPosShortStop, short_stop, kCreditAssist};
    ab.out_credits[1] = {kPosFirst, first_base, kCreditPutOut};
  } else if (seq % 3 == 1) {
    ab.reached = 1;
    ab.how_reached = kReachSingle;
    ab.bases_reached = 2;
    ab.reach_credit_count = 1;
    ab.reach_credits[0] = {kPosShortStop, short_stop, 0};
    ab.advances[0] = kAdvStolenBase;
    ab.advances[1] = kAdvStolenBase;
    ab.advances[2] = kAdvStolenBase;
    ab.scored = static_cast<std::uint8_t>(seq % 2);
    ab.earned = ab.scored;
    ab.rbi = seq % 2;
  } else {
    ab.reached = 1;
    ab.how_reached = kReachError;
    ab.bases_reached = 2;
    ab.error_credits[0] = {kPosShortStop, short_stop, 1};
    ab.error_kinds[0] = kErrThrowing;
    ab.error_bases[0] = 2;
    ab.second_error_credits[1] = {kPosFirst, first_base, 0};
    ab.second_error_kinds[1] = kErrFielding;
  }
  ab.pinch_runner = seq % 4 == 1 ? batting.player(batting.count() - 1) : PLAYER{};
  ab.tail_value1 = seq % 5;
  ab.tail_flag = 1;
  ab.tail_value2 = -(seq % 3);
  ab.tail_value3 = 1000 + seq;
  return ab;
}

inline void FillHalf(HALF_INNING& half, const Team& batting, const Team& fielding, int inning,
                     int at_bats, int& seq) {
  for (int i = 0; i < 9; ++i) {
    PLAYER o = batting.player(i);
    o.entry_value = i;
    half.offense.push_back(o);
    half.defense.push_back(fielding.player(i));
  }
  const PLAYER& pitcher = fielding.player(0);
  const PLAYER& reliever = fielding.player(11 % fielding.count());
  for (int k = 0; k < at_bats; ++k, ++seq) {
    const PLAYER& batter = batting.player((seq + k) % 9);
    half.at_bats.push_back(MakeAtBat(batting, fielding, batter, pitcher,
                                     inning >= 6 && k == 0 ? &reliever : nullptr, seq));
  }
  half.runs = at_bats / 2;
  half.hits = at_bats - 1;
  half.errors = 1;
  half.left_on_base = 2;
}

inline Game MakeFullGame(int innings = 9, int at_bats_per_half = 4) {
  Game game;
  game.home = HomeTeam();
  game.visitor = VisitingTeam();
  game.visitor.uses_designated_hitter = 0;
  game.home.file_path.set("hawks.tem");
  game.visitor.file_path.set("foxes.tem");
  GameHeader& h = game.header;
  h.field.set("Riverside Park");
  h.umpires = {NameText{"Ed Ump"}, NameText{"Fay Line"}, NameText{"Gil Base"}, NameText{" "}};
  h.list_names[0].set("Harbor Hawks");
  h.list_names[1].set("Valley Foxes");
  h.year = 2024;
  h.day = 14;
  h.month = 6;
  h.start_hour = 18;
  h.start_minute = 30;
  h.duration_hours = 2;
  h.duration_minutes = 41;
  h.creation_year = 2023;
  h.extra_value = 3;
  h.attendance = 1250;
  h.home_score = 7;
  h.visitor_score = 5;
  int seq = 0;
  for (int i = 0; i < innings; ++i) {
    FillHalf(game.innings[i].top, game.visitor, game.home, i, at_bats_per_half, seq);
    FillHalf(game.innings[i].bottom, game.home, game.visitor, i, at_bats_per_half, seq);
  }
  game.current_inning = innings - 1;
  game.current_at_bat = 2;
  game.current_half_is_top = 0;
  game.batter_due_up = 4;
  game.winning_pitcher = game.home.player(0);
  game.losing_pitcher = game.visitor.player(0);
  game.saving_pitcher = game.home.player(11);
  for (int i = 0; i < innings; i += 2) {
    GAME_NOTE note;
    note.inning = i;
    note.at_bat = 1;
    note.half = static_cast<std::uint8_t>(i % 4 == 0);
    note.text.set("Diving catch in the gap, inning " + std::to_string(i + 1));
    game.notes.push_back(note);
  }
  game.file_path.set("game.gam");
  game.new_game = 0;
  return game;
}

}  // namespace scorewick::testing
