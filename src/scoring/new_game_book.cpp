#include "scoring/new_game_book.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "records/codes.h"
#include "scoring/book_words.h"

namespace scorewick::scoring {

namespace {

std::string Quoted(std::string_view name) { return QuotedName(name); }

// A roster player on the bench: - "Name" POS [number] B/T.
std::string BenchLine(const PLAYER& p) {
  return "- " + Quoted(p.name.view()) + " " + PositionWord(p.position) + PlayerDetails(p);
}

}  // namespace

Status CheckLineUp(const StartingLineUp& line_up, const Team& team) {
  std::set<std::string> names;
  std::set<int> positions;
  bool dh = false;
  for (const Starter& s : line_up.batters) {
    if (team.IndexOfPlayer(s.name) < 0)
      return Status::Failed({}, s.name + " is not on the roster of " + team.team_name.str());
    if (!names.insert(s.name).second)
      return Status::Failed({}, s.name + " is in the line-up twice");
    if (s.position == kPosDesignatedHitter) {
      if (dh) return Status::Failed({}, "two designated hitters");
      dh = true;
      continue;
    }
    if (s.position < kPosPitcher || s.position > kPosShortField)
      return Status::Failed({}, s.name + " has no position in the field");
    if (!positions.insert(s.position).second)
      return Status::Failed({}, std::string(PositionName(s.position)) + " is given twice");
  }
  if (!line_up.pitcher.empty()) {
    if (team.IndexOfPlayer(line_up.pitcher) < 0)
      return Status::Failed({},
                            line_up.pitcher + " is not on the roster of " + team.team_name.str());
    if (!names.insert(line_up.pitcher).second)
      return Status::Failed({}, line_up.pitcher + " is in the line-up twice");
    if (!positions.insert(kPosPitcher).second) return Status::Failed({}, "two pitchers");
    if (!dh) return Status::Failed({}, "a pitcher who does not bat needs a designated hitter");
  } else if (dh) {
    return Status::Failed({}, "a designated hitter needs a pitcher who does not bat");
  }
  for (int p = kPosPitcher; p <= kPosRightField; ++p) {
    if (!positions.count(p))
      return Status::Failed({}, "nobody plays " + std::string(PositionName(p)));
  }
  return {};
}

std::vector<std::string> NewGameBook(const NewGame& g) {
  std::vector<std::string> lines;
  char when[64];
  std::snprintf(when, sizeof when, "game date=%04d-%02d-%02d", g.year, g.month, g.day);
  std::string game = when;
  if (g.hour >= 0) {
    std::snprintf(when, sizeof when, " time=%02d:%02d", g.hour, g.minute);
    game += when;
  }
  if (!g.field.empty()) game += " field=" + Quoted(g.field);
  lines.push_back(game);
  std::string umpires;
  for (std::size_t i = 0; i < g.umpires.size() && i < 4; ++i) {
    if (!g.umpires[i].empty()) umpires += " " + Quoted(g.umpires[i]);
  }
  if (!umpires.empty()) lines.push_back("umpires" + umpires);
  const LeagueRules& r = g.rules;
  lines.push_back("rules innings=" + std::to_string(r.innings) + " strikes=" +
                  std::to_string(r.strikes_per_out) + " balls=" + std::to_string(r.balls_per_walk) +
                  " outs=" + std::to_string(r.outs_per_inning) + (r.softball ? " softball" : "") +
                  (r.tie_breaker ? " tie-breaker" : ""));
  const std::pair<const char*, const Team*> teams[] = {{"visitors", &g.visitor}, {"home", &g.home}};
  for (const auto& [word, team] : teams) {
    lines.push_back(std::string(word) + " " + Quoted(team->team_name.view()));
    for (const PLAYER& p : team->players()) lines.push_back(BenchLine(p));
  }
  const bool chosen = !g.visitor_line_up.batters.empty() || !g.home_line_up.batters.empty();
  if (!chosen) {
    // The line-ups are typed next, the visitors' first.
    lines.push_back("visitors " + Quoted(g.visitor.team_name.view()));
    return lines;
  }
  const std::pair<const Team*, const StartingLineUp*> sides[] = {{&g.visitor, &g.visitor_line_up},
                                                                 {&g.home, &g.home_line_up}};
  for (std::size_t k = 0; k < 2; ++k) {
    const auto& [team, line_up] = sides[k];
    lines.push_back(std::string(k == 0 ? "visitors " : "home ") + Quoted(team->team_name.view()));
    int order = 0;
    for (const Starter& s : line_up->batters) {
      lines.push_back(std::to_string(++order) + " " + Quoted(s.name) + " " +
                      std::string(PositionAbbrev(s.position)));
    }
    if (!line_up->pitcher.empty()) lines.push_back("P " + Quoted(line_up->pitcher) + " P");
  }
  return lines;
}

}  // namespace scorewick::scoring
