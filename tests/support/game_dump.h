#pragma once
// A game record as text, one line per record and every field a scored game
// sets, codes by their names: the scorebook tests compare it with a golden
// copy (tools/data/*.txt) to show what a book records, box by box.

#include <string>

#include "records/codes.h"
#include "records/game.h"

namespace scorewick::testing {

namespace dump {

template <typename Text>
inline std::string Q(const Text& text) {
  return "\"" + text.str() + "\"";
}
inline std::string N(std::int64_t n) { return std::to_string(n); }
inline std::string Two(std::int64_t n) { return (n < 10 ? "0" : "") + N(n); }

inline std::string Player(const PLAYER& p) {
  return Q(p.name) + " #" + N(+p.uniform_number) + " pos " + N(+p.position) + " order " +
         N(+p.batting_order) + " in " + N(+p.entered_inning) + " entry " + N(+p.entry_value) + "/" +
         N(+p.entry_flag) + " active " + N(+p.active) + " bats " + N(+p.bats) + " throws " +
         N(+p.throws_right);
}

inline std::string Credits(const FIELDER_CREDIT* credits, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += " " + N(+credits[i].position) + ":" + N(+credits[i].credit) + ":" + Q(credits[i].name);
  }
  return out;
}

inline std::string Detail(const PITCH_DATA& d) {
  return std::string(PitchTypeName(d.pitch_type)) + " at " + N(+d.location_x) + "," +
         N(+d.location_y) + " speed " + N(static_cast<int>(d.speed * 10)) + " strike " +
         N(+d.strike) + " " +
         std::string(d.strike ? StrikeTypeName(d.strike_type) : BallTypeName(d.ball_type)) +
         " hit " + N(+d.hit) + " valid " + N(+d.valid) + " rhb " + N(+d.right_handed_batter) +
         " by " + Q(d.pitcher.name) + " (" + N(+d.pitcher.entered_inning) + "," +
         N(+d.pitcher.batting_order) + ")";
}

inline std::string AtBat(const AT_BAT& ab) {
  std::string s = "  box " + N(+ab.box_number) + " " + Q(ab.batter.name) + " pos " +
                  N(+ab.batter.position) + ": count " + N(+ab.balls) + "-" + N(+ab.strikes);
  if (ab.reached) s += ", reached " + std::string(ReachName(ab.how_reached));
  if (ab.out) s += ", out " + N(+ab.how_out) + " " + std::string(OutName(ab.how_out));
  s += ", bases " + N(+ab.bases_reached) + ", rbi " + N(+ab.rbi) + ", scored " + N(+ab.scored) +
       " earned " + N(+ab.earned) + ", hit at " + N(+ab.hit_x) + "," + N(+ab.hit_y) + "\n";
  s += "    advances";
  for (int b = 0; b < 3; ++b)
    s += " " + (ab.advances[b] ? std::string(AdvanceName(ab.advances[b])) : "-");
  s += "; responsible " + Q(ab.responsible_pitcher.name) + "; runner " + Q(ab.pinch_runner.name);
  for (int i = 0; i < ab.PitcherCount(); ++i)
    s += "; pitcher " + Q(ab.pitchers[i].pitcher.name) + " to " + N(+ab.pitchers[i].last_pitch);
  s += "\n    out credits" + Credits(ab.out_credits.data(), ab.out_credit_count) +
       "; reach credits" + Credits(ab.reach_credits.data(), ab.reach_credit_count) + "\n";
  for (int b = 0; b < kBases; ++b) {
    if (!ab.error_credits[b].name.empty() || ab.error_kinds[b] || ab.error_bases[b])
      s += "    error " + N(b) + Credits(&ab.error_credits[b], 1) + " " +
           std::string(ErrorTypeName(ab.error_kinds[b])) + " bases " + N(+ab.error_bases[b]) + "\n";
    if (!ab.second_error_credits[b].name.empty())
      s += "    second error " + N(b) + Credits(&ab.second_error_credits[b], 1) + " " +
           std::string(ErrorTypeName(ab.second_error_kinds[b])) + "\n";
  }
  for (int i = 0; i <= ab.last_pitch; ++i) {
    const PITCH& p = ab.pitches[i];
    s += "    pitch " + N(i) + " " + std::string(PitchEventName(p.event)) + " at " +
         N(+p.balls_before) + "-" + N(+p.strikes_before) + ": " + Detail(p.detail) + "\n";
  }
  for (int i = 0; i < ab.PitchDetailsInUse(); ++i)
    s += "    detail " + N(i) + ": " + Detail(ab.pitch_details[i]) + "\n";
  return s;
}

}  // namespace dump

inline std::string DumpGame(const Game& g) {
  using namespace dump;
  const GameHeader& h = g.header;
  std::string s = "game " + N(+h.year) + "-" + Two(+h.month) + "-" + Two(+h.day) + " " +
                  Two(+h.start_hour) + ":" + Two(+h.start_minute) + " field " + Q(h.field) +
                  " attendance " + N(+h.attendance) + " duration " + N(+h.duration_hours) + ":" +
                  Two(+h.duration_minutes) + "\numpires";
  for (const NameText& u : h.umpires) s += " " + Q(u);
  s += "\nruns " + N(+g.visitor_runs) + "-" + N(+g.home_runs) + "; won " +
       Q(g.winning_pitcher.name) + " lost " + Q(g.losing_pitcher.name) + " saved " +
       Q(g.saving_pitcher.name) + "; now inning " + N(+g.current_inning) + " top " +
       N(+g.current_half_is_top) + " at-bat " + N(+g.current_at_bat) + " due up " +
       N(+g.batter_due_up) + "\n";
  for (std::size_t i = 0; i < g.innings.size(); ++i) {
    for (bool top : {true, false}) {
      const HALF_INNING& half = g.innings[i].half(top);
      if (half.at_bats.empty() && half.offense.empty()) continue;
      s += std::string(top ? "top " : "bottom ") + N(static_cast<int>(i) + 1) + ": runs " +
           N(+half.runs) + " hits " + N(+half.hits) + " errors " + N(+half.errors) +
           " left on base " + N(+half.left_on_base) + "\n";
      for (const PLAYER& p : half.offense) s += "  offense " + Player(p) + "\n";
      for (const PLAYER& p : half.defense) s += "  defense " + Player(p) + "\n";
      for (const AT_BAT& ab : half.at_bats) s += AtBat(ab);
    }
  }
  for (const GAME_NOTE& n : g.notes)
    s += "note inning " + N(+n.inning) + " half " + N(+n.half) + " at-bat " + N(+n.at_bat) + " " +
         Q(n.text) + "\n";
  return s;
}

}  // namespace scorewick::testing
