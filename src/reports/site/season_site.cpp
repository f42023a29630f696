#include "reports/site/season_site.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <tuple>

#include "intake/game_feed.h"
#include "intake/game_headline.h"
#include "reports/box_score.h"
#include "reports/box_team_figures.h"
#include "reports/site/game_page.h"
#include "reports/site/renamed_game.h"
#include "reports/site/season_data.h"
#include "reports/site/site_resources.h"
#include "stats/accumulate.h"
#include "stats/game_part.h"
#include "stats/scatter_info.h"
#include "stats/side_of_game.h"
#include "stats/sort_table.h"

namespace scorewick::site {

PageFrame Season::FrameFor(const std::string& path, const std::string& heading,
                           bool sortable) const {
  PageFrame frame;
  frame.site_title = title;
  frame.title = heading;
  frame.depth = static_cast<int>(std::count(path.begin(), path.end(), '/'));
  frame.nav = nav;
  frame.current = path;
  frame.sortable = sortable;
  return frame;
}

std::vector<const SeasonGame*> Season::ByDate() const {
  std::vector<const SeasonGame*> by_date;
  for (const SeasonGame& g : games)
    if (g.read) by_date.push_back(&g);
  std::stable_sort(by_date.begin(), by_date.end(), [](const SeasonGame* a, const SeasonGame* b) {
    return std::tie(a->day, a->hour, a->minute) < std::tie(b->day, b->hour, b->minute);
  });
  return by_date;
}

const SeasonPlayer* Season::PlayerOf(const std::string& team, const std::string& name) const {
  const auto t = teams.find(team);
  if (t == teams.end()) return nullptr;
  const auto p = t->second.players.find(name);
  return p == t->second.players.end() ? nullptr : &p->second;
}

std::string Href(const std::string& from, const std::string& to) {
  std::string up;
  for (char c : from)
    if (c == '/') up += "../";
  return up + to;
}

namespace {

// What a worker makes of one game: its page and the lines, balls and
// pitches of the players of the teams published.
struct SideWork {
  bool published = false;
  GamePart part;
  std::vector<std::pair<std::string, GameLogEntry>> lines;  // by shown name
  std::map<std::string, GameSpray> spray;                   // by batter
  std::map<std::string, std::vector<ChartPitch>> pitches;   // by pitcher
};

struct GameWork {
  bool played = false;
  int home_runs = 0, visitor_runs = 0;
  std::string page;
  SideWork sides[2];  // [0] visitors, [1] home
};

// A name a file's path may carry: the game file's name without its
// extension, made unique among the games with -2, -3 ...
std::string GamePagePath(const std::string& file, std::set<std::string>& taken) {
  const std::string stem = Slug(std::filesystem::path(file).stem().string());
  std::string path = "games/" + stem + ".html";
  for (int n = 2; !taken.insert(path).second; ++n)
    path = "games/" + stem + "-" + std::to_string(n) + ".html";
  return path;
}

// The balls and pitches of the game by player: batters of the side that
// bats in a half, pitchers of the side in the field.
void TakePlots(const Game& game, SideWork sides[2]) {
  for (int i = 0; i <= game.LastInning(); ++i) {
    for (const bool top : {true, false}) {
      const HALF_INNING& half = game.innings[static_cast<std::size_t>(i)].half(top);
      SideWork& batting = sides[top ? 0 : 1];
      SideWork& fielding = sides[top ? 1 : 0];
      for (const AT_BAT& ab : half.at_bats) {
        PlotPoint point;
        bool on_base = false;
        if (batting.published && SprayPointOf(ab, point, on_base)) {
          GameSpray& s = batting.spray[std::string(ab.batter.name.view())];
          (on_base ? s.on_base : s.outs).push_back(point);
        }
        if (!fielding.published) continue;
        const int used = ab.PitchDetailsInUse();
        for (int p = 0; p < used; ++p) {
          const PITCH_DATA& d = ab.pitch_details[static_cast<std::size_t>(p)];
          fielding.pitches[std::string(d.pitcher.name.view())].push_back(
              {KindOfPitch(d), PlotPoint{d.location_x, d.location_y}});
        }
      }
    }
  }
}

// The lines of the side's players in the game, from the side counted alone.
void TakeLines(const Game& game, bool home, const std::string& file, const Stat& counted,
               SideWork& side) {
  const GameLogEntry base = SideEntry(game, home, file);
  side.lines.reserve(counted.batting.size() + counted.pitching.size());
  for (const BattingStat& b : counted.batting) {
    if (b.team.empty() || b.games == 0) continue;
    side.lines.emplace_back(b.name, base);
    side.lines.back().second.batting = b;
  }
  for (const PitchingStat& p : counted.pitching) {
    if (p.team.empty() || !Pitched(p)) continue;
    auto at = std::find_if(side.lines.begin(), side.lines.end(),
                           [&](const auto& line) { return line.first == p.name; });
    if (at == side.lines.end()) {
      side.lines.emplace_back(p.name, base);
      at = side.lines.end() - 1;
      if (const int b = BattingRowOf(counted, p.name); b >= 0)
        at->second.batting = counted.batting[static_cast<std::size_t>(b)];
    }
    at->second.pitched = true;
    at->second.pitching = p;
  }
}

std::string DefaultTitle(const SiteRequest& r) {
  if (!r.title.empty()) return r.title;
  return r.all_teams ? "League" : r.team;
}

std::vector<NavLink> NavOf(const SiteRequest& r) {
  if (r.all_teams) return {{"index.html", "Home"}, {"results.html", "Results"}};
  return {{"index.html", "Home"}, {"stats.html", "Statistics"}};
}

bool Published(const SiteRequest& r, const std::string& team) {
  return r.all_teams || team == r.team;
}

// The season's team of the name, made with its pages' names when first met.
SeasonTeam& TeamOf(Season& season, const std::string& name) {
  const SiteRequest& r = *season.request;
  SeasonTeam& t = season.teams[name];
  if (t.name.empty()) {
    t.name = name;
    t.stat = Stat(r.rules);
    t.stat.team_name = name;
    if (r.all_teams) {
      t.home_page = "teams/" + Slug(name) + ".html";
      t.stats_page = "teams/" + Slug(name) + "-stats.html";
    } else {
      t.home_page = "index.html";
      t.stats_page = "stats.html";
    }
  }
  return t;
}

// The games of the list that the site shows, from the head of each file,
// with every name of their rosters, so that every name is known before any
// page shows one: those the request's choice takes, and of them the
// team's.  The files to feed, in the games' order; nothing when the
// choice declines (*declined).
std::vector<std::string> ReadHeads(Season& season, PlayerNames& names,
                                   std::set<std::string>& teams_seen, bool* declined) {
  const SiteRequest& r = *season.request;
  std::vector<std::optional<GameHeadline>> heads(r.games.size());
  for (std::size_t i = 0; i < r.games.size(); ++i) {
    if (GameHeadline head; ReadGameHeadline(r.games[i], head, true)) heads[i] = std::move(head);
  }
  std::vector<bool> chosen(r.games.size(), true);
  *declined = r.choose && !r.choose(heads, chosen);
  if (*declined) return {};
  std::vector<std::string> feed;
  for (std::size_t i = 0; i < r.games.size(); ++i) {
    if (!chosen[i]) continue;
    SeasonGame g;
    g.file = r.games[i];
    if (const std::optional<GameHeadline>& head = heads[i]) {
      teams_seen.insert(head->home);
      teams_seen.insert(head->visitor);
      if (!r.all_teams && head->home != r.team && head->visitor != r.team) continue;
      g.day = {head->year, head->month, head->day};
      g.hour = head->hour;
      g.minute = head->minute;
      g.home = head->home;
      g.visitor = head->visitor;
      for (const std::string& n : head->home_players) names.Add(head->home, n);
      for (const std::string& n : head->visitor_players) names.Add(head->visitor, n);
    }
    g.index = season.games.size();
    feed.push_back(g.file);
    season.games.push_back(std::move(g));
  }
  names.Finish();
  return feed;
}

// Each game's page name, and for each team published the template its
// games' parts are counted against (never changed while the workers count).
std::map<std::string, Stat> NameGamesAndTeams(Season& season) {
  const SiteRequest& r = *season.request;
  std::map<std::string, Stat> like;
  std::set<std::string> taken;
  for (SeasonGame& g : season.games) {
    g.page = GamePagePath(g.file, taken);
    for (const std::string* team : {&g.home, &g.visitor}) {
      if (team->empty() || !Published(r, *team) || like.count(*team)) continue;
      Stat t(r.rules);
      t.team_name = *team;
      like.emplace(*team, std::move(t));
      TeamOf(season, *team);
    }
  }
  return like;
}

// What a worker makes of a game: its page, and its lines, part, balls and
// pitches for the sides published.  Reads only what no thread changes.
class GameMaker {
 public:
  GameMaker(const Season& season, const PlayerNames& names, const std::map<std::string, Stat>& like)
      : season_(season), r_(*season.request), names_(names), like_(like) {}

  void Make(const Game& read, std::size_t index, const std::string& file, GameWork& w) const {
    // One copy a thread, game after game: its records keep their room.
    thread_local Game renamed;
    const Game* game = &read;
    if (r_.names == NameMode::kInitials) {
      renamed = read;
      RenamePlayers(renamed, [&](bool home, std::string_view name) {
        return names_.Shown((home ? read.home : read.visitor).team_name.view(), name);
      });
      game = &renamed;
    }
    // Each side counted alone once: its players' lines of the game, and the
    // box score's figures (reports::MakeBoxScore counts the same sides).
    Stat counted[2] = {Stat(r_.rules), Stat(r_.rules)};
    const bool played = !game->innings[0].top.at_bats.empty();
    for (const bool home : {false, true}) {
      if (played) CountSideAlone(counted[home ? 1 : 0], *game, home);
    }
    const reports::BoxScore box =
        played ? reports::BoxScore(*game, reports::FiguresOf(counted[0]),
                                   reports::FiguresOf(counted[1]), r_.rules.outs_per_inning)
               : reports::MakeBoxScore(*game, r_.rules);
    w.played = !box.empty();
    w.home_runs = box.runs(false);
    w.visitor_runs = box.runs(true);
    if (!w.played) return;
    for (const bool home : {false, true}) TakeSide(*game, home, index, file, counted, w);
    TakePlots(*game, w.sides);
    const SeasonGame& g = season_.games[index];
    w.page = Page(season_.FrameFor(g.page, GameHeading(box), false),
                  GamePageBody(*game, box, AllBalls(w)));
  }

 private:
  void TakeSide(const Game& game, bool home, std::size_t index, const std::string& file,
                const Stat counted[2], GameWork& w) const {
    SideWork& side = w.sides[home ? 1 : 0];
    const std::string team = (home ? game.home : game.visitor).team_name.str();
    side.published = Published(r_, team);
    if (!side.published) return;
    TakeLines(game, home, file, counted[home ? 1 : 0], side);
    // The part is counted against the template of the team (made before
    // the feed for every team a headline named).
    if (const auto t = like_.find(team); t != like_.end())
      side.part.Count(t->second, game, static_cast<int>(index) + 1, Split::kAll, Split::kAll,
                      false);
  }

  // The game's balls of both sides, for its spray chart.
  static GameSpray AllBalls(const GameWork& w) {
    GameSpray spray;
    for (const SideWork& side : w.sides) {
      for (const auto& [batter, s] : side.spray) {
        spray.on_base.insert(spray.on_base.end(), s.on_base.begin(), s.on_base.end());
        spray.outs.insert(spray.outs.end(), s.outs.begin(), s.outs.end());
      }
    }
    return spray;
  }

  const Season& season_;
  const SiteRequest& r_;
  const PlayerNames& names_;
  const std::map<std::string, Stat>& like_;
};

// Adds what a worker made of a game to the season, in list order: the
// teams' tables, the players' lines, balls and pitches.
void TakeGameWork(Season& season, std::size_t index, GameWork& w) {
  SeasonGame& g = season.games[index];
  for (int s = 0; s < 2; ++s) {
    SideWork& side = w.sides[s];
    if (!side.published) continue;
    SeasonTeam& team = TeamOf(season, s == 1 ? g.home : g.visitor);
    side.part.AddTo(team.stat);
    for (auto& [name, entry] : side.lines) {
      SeasonPlayer& p = team.players[name];
      p.name = name;
      // Room for a season at once: a line is a large record to move again.
      if (p.lines.empty()) p.lines.reserve(season.games.size() / 8 + 8);
      p.lines.emplace_back(index, std::move(entry));
    }
    for (auto& [batter, balls] : side.spray) {
      SeasonPlayer& p = team.players[batter];
      p.on_base.insert(p.on_base.end(), balls.on_base.begin(), balls.on_base.end());
      p.outs.insert(p.outs.end(), balls.outs.begin(), balls.outs.end());
    }
    for (auto& [pitcher, pitches] : side.pitches) {
      SeasonPlayer& p = team.players[pitcher];
      p.pitches.insert(p.pitches.end(), pitches.begin(), pitches.end());
    }
  }
}

// A player's game log and, for a pitcher, his outings into the workload.
void FinishPlayer(SeasonPlayer& p, const std::string& team, const StatRules& rules,
                  WorkloadCounter& workload) {
  p.log = AssembleGameLog(p.name, team, rules, std::move(p.lines));
  p.lines.clear();
  for (const GameLogEntry& e : p.log.games) {
    if (!e.pitched) continue;
    Outing o;
    o.pitcher = p.name;
    o.day = e.day;
    o.start_hour = e.start_hour;
    o.start_minute = e.start_minute;
    o.opponent = e.opponent;
    o.pitches = e.pitching.pitch_count;
    workload.Take(0, std::move(o));
  }
}

// A team's season tables, names A to Z as the statistics list them, the
// players who have a line in them with their pages' names, logs and
// outings, and the team's workload as of the last day played.
void FinishTeam(const std::string& name, SeasonTeam& team, const SiteRequest& r,
                LocalDate last_day) {
  FinishTables(team.stat);
  for (StatTable table : {StatTable::kBatting, StatTable::kPitching, StatTable::kFielding})
    SortTable(team.stat, table, 0, false);
  WorkloadCounter workload(name, r.rules);
  std::set<std::string> paths;
  for (auto it = team.players.begin(); it != team.players.end();) {
    SeasonPlayer& p = it->second;
    if (p.lines.empty()) {  // a name seen only on the mound's records, never in a line
      it = team.players.erase(it);
      continue;
    }
    std::string path = "players/" + Slug(name) + "-" + Slug(p.name);
    std::string unique = path;
    for (int n = 2; !paths.insert(unique).second; ++n) unique = path + "-" + std::to_string(n);
    p.page = unique + ".html";
    FinishPlayer(p, name, r.rules, workload);
    ++it;
  }
  team.workload = workload.Finish(r.workload, last_day);
  for (auto& [pname, p] : team.players) {
    p.outings.clear();
    for (const Outing& o : team.workload.outings)
      if (o.pitcher == pname) p.outings.push_back(o);
  }
}

}  // namespace

SiteReport BuildSite(const SiteRequest& r, const SiteSink& sink) {
  SiteReport report;
  Season season;
  season.request = &r;
  season.title = Text(DefaultTitle(r));
  season.nav = NavOf(r);

  PlayerNames names(r.names);
  std::set<std::string> teams_seen;
  const std::vector<std::string> feed = ReadHeads(season, names, teams_seen, &report.declined);
  if (report.declined) return report;
  report.teams.assign(teams_seen.begin(), teams_seen.end());
  if (!r.all_teams && !teams_seen.count(r.team)) return report;
  if (!r.all_teams) TeamOf(season, r.team);
  const std::map<std::string, Stat> like = NameGamesAndTeams(season);

  std::vector<GameWork> works(feed.size());
  const GameMaker maker(season, names, like);
  FeedOptions options;
  options.threads = r.threads;
  options.prior_format = true;
  options.hand_over = false;
  options.make = [&](const Game& read, FedGame& fed) {
    maker.Make(read, fed.index, feed[fed.index], works[fed.index]);
  };
  FeedGames(feed, options, [&](FedGame& fed) {
    SeasonGame& g = season.games[fed.index];
    GameWork& w = works[fed.index];
    if (fed.refusal) {
      report.refusals.push_back(*fed.refusal);
      return true;
    }
    ++report.games_read;
    g.read = true;
    g.played = w.played;
    g.home_runs = w.home_runs;
    g.visitor_runs = w.visitor_runs;
    if (Published(r, g.home) || Published(r, g.visitor)) ++report.games_published;
    if (!w.played) {
      g.page.clear();
      return true;
    }
    TakeGameWork(season, fed.index, w);
    sink(g.page, w.page);
    w = GameWork();
    return true;
  });
  if (report.games_published == 0) return report;

  LocalDate last_day{0, 1, 1};
  for (const SeasonGame& g : season.games)
    if (g.played) last_day = std::max(last_day, g.day);
  for (auto& [name, team] : season.teams) FinishTeam(name, team, r, last_day);

  sink(std::string(kStyleSheetName), std::string(StyleSheet()));
  sink(std::string(kSortScriptName), std::string(SortScript()));
  std::vector<PageJob> jobs;
  AddTeamPages(season, jobs);
  AddPlayerPages(season, jobs);
  RunPageJobs(jobs, FeedThreads(r.threads), sink);
  return report;
}

}  // namespace scorewick::site
