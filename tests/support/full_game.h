#pragma once
// A game with every field of every record set to something other than its
// default, for round trips and benchmarks.  at_bats_per_half at-bats in
// each played half, innings_played innings.

#include <string>

#include "records/game.h"

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
  p.active = 1;
  p.bats = static_cast<std::uint8_t>(number % 3);
  p.throws_right = static_cast<std::uint8_t>(number % 2);
  return p;
}

inline Team MakeTeam(const std::string& name, int players) {
  Team t;
  t.team_name.set(name);
  t.manager.set(name + " Mgr");
  t.coach.set(name + " Coach");
  t.logo_file.set(name + ".bmp");
  t.lineup_size = 9;
  t.extra_value = 4;
  t.uses_designated_hitter = 1;
  t.no_personal_info = 1;
  for (int i = 0; i < players; ++i) {
    t.AddPlayer(MakePlayer(name + " P" + std::to_string(i), i + 1, i % 10, i < 9 ? i + 1 : 0),
                PLAYER_INFO{});
  }
  if (players >= 2) {
    t.designated_hitter = t.player(0);
    t.dh_bats_for = t.player(1);
  }
  return t;
}

inline AT_BAT MakeAtBat(const Team& batting, const Team& fielding, int index) {
  AT_BAT ab;
  const PLAYER& pitcher = fielding.player(1);
  ab.pitchers[0] = {pitcher, 4};
  ab.pitchers[1] = {fielding.player(2), -1};
  for (int i = 0; i < 6; ++i) {
    PITCH_DATA& d = ab.pitch_details[i];
    d.pitch_type = i % 12;
    d.pitcher = pitcher;
    d.location_x = 40 + i;
    d.location_y = 80 + i;
    d.speed = 80.5f + static_cast<float>(i);
    d.strike = static_cast<std::uint8_t>(i % 2);
    d.valid = 1;
    d.right_handed_batter = 0;
    d.strike_type = d.strike ? 1 : 0;
    d.ball_type = d.strike ? 0 : 1;
  }
  ab.responsible_pitcher = pitcher;
  ab.batter = batting.player(index % batting.count());
  ab.pinch_runner = batting.player((index + 1) % batting.count());
  ab.strikes = 2;
  ab.balls = 1;
  ab.reached = 1;
  ab.how_reached = 1 + index % 24;
  ab.bases_reached = 1 + index % 4;
  ab.rbi = index % 3;
  ab.out = static_cast<std::uint8_t>(index % 2);
  ab.how_out = index % 41;
  ab.scored = 1;
  ab.earned = 1;
  ab.box_number = index + 1;
  ab.out_credit_count = 2;
  ab.out_credits[0] = {6, fielding.player(5).name, 1};
  ab.out_credits[1] = {3, fielding.player(3).name, 2};
  ab.reach_credit_count = 1;
  ab.reach_credits[0] = {4, fielding.player(4).name, 7};
  ab.error_credits[0] = {5, fielding.player(5).name, 0};
  ab.error_kinds[0] = 2;
  ab.error_bases[0] = 2;
  ab.second_error_credits[2] = {8, fielding.player(7).name, 0};
  ab.second_error_kinds[2] = 3;
  ab.advances[0] = 1;
  ab.advances[1] = 4;
  ab.advances[2] = 2;
  ab.hit_x = 100 + index;
  ab.hit_y = 50;
  ab.last_pitch = 5;
  for (int i = 0; i <= 5; ++i) {
    PITCH& p = ab.pitches[i];
    p.event = 1 + i % 7;
    p.balls_before = static_cast<std::int16_t>(i / 2);
    p.strikes_before = static_cast<std::int16_t>(i % 3);
    p.detail = ab.pitch_details[i];
    p.detail.pitcher.batting_order = index;
    p.detail.pitcher.entered_inning = i;
  }
  ab.tail_value1 = 11;
  ab.tail_flag = 1;
  ab.tail_value2 = 12;
  ab.tail_value3 = 13;
  return ab;
}

inline Game MakeFullGame(int innings_played = 9, int at_bats_per_half = 4) {
  Game g;
  g.header.field.set("Lakeside Field");
  for (int i = 0; i < 4; ++i) g.header.umpires[i].set("Umpire " + std::to_string(i + 1));
  g.header.list_names[0].set("Lakeside Herons");
  g.header.list_names[1].set("Mill Creek Foxes");
  g.header.year = 2026;
  g.header.day = 14;
  g.header.month = 5;
  g.header.start_hour = 18;
  g.header.start_minute = 30;
  g.header.reserved_a[0] = 1;
  g.header.reserved_a[1] = 2;
  g.header.reserved_b[0] = 3;
  g.header.reserved_b[1] = 4;
  g.header.duration_hours = 2;
  g.header.duration_minutes = 47;
  g.header.creation_year = 2025;
  g.header.extra_value = 9;
  g.header.attendance = 312;
  g.home = MakeTeam("Lakeside Herons", 14);
  g.visitor = MakeTeam("Mill Creek Foxes", 13);
  g.visitor.uses_designated_hitter = 0;
  g.home.file_path.set("herons.tem");
  g.visitor.file_path.set("foxes.tem");
  g.winning_pitcher = g.home.player(1);
  g.losing_pitcher = g.visitor.player(1);
  g.saving_pitcher = g.home.player(2);
  int index = 0;
  for (int i = 0; i < innings_played; ++i) {
    for (bool top : {true, false}) {
      HALF_INNING& half = g.innings[i].half(top);
      const Team& batting = top ? g.visitor : g.home;
      const Team& fielding = top ? g.home : g.visitor;
      half.runs = (i + (top ? 1 : 0)) % 3;
      half.hits = 2;
      half.errors = i % 2;
      half.left_on_base = 1;
      for (int a = 0; a < at_bats_per_half; ++a)
        half.at_bats.push_back(MakeAtBat(batting, fielding, index++));
      for (int p = 0; p < 9; ++p) half.offense.push_back(batting.player(p));
      for (int p = 0; p < 9; ++p) half.defense.push_back(fielding.player(p));
    }
  }
  g.current_inning = innings_played - 1;
  g.current_at_bat = 3;
  g.batter_due_up = 5;
  g.current_half_is_top = 0;
  GAME_NOTE note;
  note.inning = 2;
  note.at_bat = 1;
  note.half = 1;
  note.text.set("Rain delay of 20 minutes before this pitch");
  g.notes.push_back(note);
  note.inning = 6;
  note.half = 0;
  note.text.set(std::string(299, 'n'));
  g.notes.push_back(note);
  g.file_path.set("game.gam");
  g.new_game = 0;
  return g;
}

}  // namespace scorewick::testing
