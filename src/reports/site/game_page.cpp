#include "reports/site/game_page.h"

#include "records/format_text.h"
#include "reports/play_by_play.h"
#include "reports/site/site_charts.h"

namespace scorewick::site {
namespace {

// A text of the box score as the page shows it: a shown name ends in its
// initial's point ("Ann A."), and the point that ends the sentence or the
// list after it is one too many.
std::string OnePoint(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.' && i >= 2 && text[i - 1] == '.' && text[i - 2] >= 'A' && text[i - 2] <= 'Z')
      continue;
    out += text[i];
  }
  return Text(out);
}

// The box score's lines from first up to end, as one paragraph: the box
// score wraps its notes at a width, breaking between words.
std::string Joined(const reports::BoxScore& box, std::size_t first, std::size_t end) {
  std::string text;
  const auto& lines = box.lines();
  for (std::size_t i = first; i < end && i < lines.size(); ++i) {
    const std::string line = Trimmed(lines[i]);
    if (line.empty()) continue;
    if (!text.empty()) text += ' ';
    text += line;
  }
  return text;
}

std::string LineScore(const reports::BoxScore& box) {
  SiteTable t;
  t.caption = "Line score";
  t.columns.push_back({"Team", "", false});
  for (int i = 0; i < box.innings_shown(); ++i)
    t.columns.push_back({std::to_string(i + 1), Format("Inning %d", i + 1), true});
  t.columns.push_back({"R", "Runs", true});
  t.columns.push_back({"H", "Hits", true});
  t.columns.push_back({"E", "Errors", true});
  for (const bool visitors : {true, false}) {
    std::vector<TableCell> row = {Cell(box.team(visitors).team_name)};
    for (int i = 0; i < box.innings_shown(); ++i)
      row.push_back(Cell(box.InningRunsText(visitors, i)));
    row.push_back(Number(box.runs(visitors)));
    row.push_back(Number(box.hits(visitors)));
    row.push_back(Number(box.errors(visitors)));
    t.rows.push_back(std::move(row));
  }
  return TableHtml(t);
}

std::string Batting(const reports::BoxScore& box, bool visitors) {
  const bool winner = visitors != box.home_won();
  SiteTable t;
  t.caption = Text(box.team(visitors).team_name) + " batting";
  t.columns = {{"Batter", "", false},
               {"AB", "At-bats", true},
               {"R", "Runs", true},
               {"H", "Hits", true},
               {"RBI", "Runs batted in", true}};
  const auto figures = [](const reports::BoxBattingFigures& f) {
    return std::vector<TableCell>{Number(f.at_bats), Number(f.runs), Number(f.hits), Number(f.rbi)};
  };
  for (const reports::BoxBatter& b : box.batters(winner)) {
    std::vector<TableCell> row = {Cell(Trimmed(reports::BatterText(b)))};
    for (TableCell& c : figures(b.figures)) row.push_back(std::move(c));
    t.rows.push_back(std::move(row));
  }
  std::vector<TableCell> totals = {{"Totals", {}}};
  for (TableCell& c : figures(box.batting_totals(winner))) totals.push_back(std::move(c));
  t.foot.push_back(std::move(totals));
  return TableHtml(t);
}

std::string Pitching(const reports::BoxScore& box, bool visitors) {
  const bool winner = visitors != box.home_won();
  SiteTable t;
  t.caption = Text(box.team(visitors).team_name) + " pitching";
  t.columns = {{"Pitcher", "", false},    {"IP", "Innings pitched", true}, {"H", "Hits", true},
               {"R", "Runs", true},       {"ER", "Earned runs", true},     {"BB", "Walks", true},
               {"SO", "Strikeouts", true}};
  for (const reports::BoxPitcher& p : box.pitchers(winner)) {
    const reports::BoxPitchingFigures& f = p.figures;
    t.rows.push_back({Cell(p.text),
                      Cell(reports::InningsPitchedText(f.outs, box.outs_per_inning())),
                      Number(f.hits), Number(f.runs), Number(f.earned_runs), Number(f.walks),
                      Number(f.strikeouts)});
  }
  return TableHtml(t);
}

std::string PlayByPlay(const Game& game, const reports::BoxScore& box) {
  std::string out = "<h2>Play-by-play</h2>\n";
  for (const reports::PlayByPlayHalf& half : reports::PlayByPlayHalves(game, box.innings_shown())) {
    std::string heading = half.heading;
    if (!heading.empty() && heading.back() == ':') heading.pop_back();
    out += "<h3>" + Text(heading) + "</h3>\n<ol class=\"plays\">\n";
    for (const auto& entry : half.entries) {
      out += entry.note ? "<li class=\"note\"><em>Note: " + Text(entry.text) + "</em></li>\n"
                        : "<li>" + OnePoint(entry.text) + "</li>\n";
    }
    out += "</ol>\n<p>" + Text(half.totals) + "</p>\n";
  }
  return out;
}

}  // namespace

std::string GameHeading(const reports::BoxScore& box) {
  return Text(box.team(true).team_name) + " " + std::to_string(box.runs(true)) + ", " +
         Text(box.team(false).team_name) + " " + std::to_string(box.runs(false));
}

std::string GamePageBody(const Game& game, const reports::BoxScore& box, const GameSpray& spray) {
  const reports::BoxScoreSections& s = box.sections();
  std::string out =
      "<p>" + Text(box.team(true).team_name) + " at " + Text(box.team(false).team_name) +
      Format(", %04d-%02d-%02d, %d:%02d.", int{game.header.year}, int{game.header.month},
             int{game.header.day}, int{game.header.start_hour}, int{game.header.start_minute}) +
      "</p>\n";
  out += LineScore(box);
  out += "<h2>Box score</h2>\n";
  for (const bool visitors : {true, false}) out += Batting(box, visitors);
  if (const std::string notes = Joined(box, s.batting_notes, s.pitching); !notes.empty())
    out += "<p class=\"notes\">" + OnePoint(notes) + "</p>\n";
  for (const bool visitors : {true, false}) out += Pitching(box, visitors);
  if (const std::string notes = Joined(box, s.pitching_notes, s.play_by_play); !notes.empty())
    out += "<p class=\"notes\">" + OnePoint(notes) + "</p>\n";
  out += PlayByPlay(game, box);
  out +=
      "<h2>Spray chart</h2>\n" + SprayChartFigure(spray.on_base, spray.outs, "this game's batters");
  return out;
}

}  // namespace scorewick::site
