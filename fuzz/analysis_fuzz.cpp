// Feeds the games the reader accepts through everything that reports on a
// game: the statistics engine (each team, its opponents, every team, with
// league rules taken from the input), the four tables as CSV, HTML and
// text, the box score with its pages and comma-separated text, the
// play-by-play, the score sheet layout and the spray and pitch chart
// figures.  Nothing may crash, read out of bounds or overflow.
#include <cstdint>
#include <string>
#include <vector>

#include "records/game_file.h"
#include "reports/box_score.h"
#include "reports/box_score_export.h"
#include "reports/play_by_play.h"
#include "reports/score_sheet_layout.h"
#include "reports/score_sheet_text.h"
#include "reports/stats_csv.h"
#include "reports/stats_html.h"
#include "reports/stats_text.h"
#include "stats/accumulate.h"
#include "stats/pitcher_info.h"
#include "stats/scatter_info.h"
#include "stats/stat_layout.h"

namespace {

using namespace scorewick;

// The rules a settings file may hold (the reader keeps them in range).
StatRules RulesFrom(std::uint8_t byte) {
  StatRules rules;
  rules.outs_per_inning = 1 + byte % 10;
  rules.strikes_per_out = 1 + (byte >> 4) % 3;
  rules.ll_pitching_rules = (byte & 0x80) != 0;
  return rules;
}

void Tables(const Stat& stat) {
  for (int t = 0; t < kStatTableCount; ++t) {
    const auto table = static_cast<StatTable>(t);
    const StatLayout layout = DefaultLayout(table);
    (void)reports::StatsCsv(stat, table, layout);
    (void)reports::StatsHtml(stat, table, layout, StatView::kTeam, Split::kAll,
                             reports::HtmlStyle{}, LocalDateTime{}, false);
    (void)reports::StatsTextSections(stat, table, layout, Split::kAll, reports::kPortraitPageWidth);
  }
}

void Statistics(const Game& game, const StatRules& rules) {
  for (int side = 0; side < 3; ++side) {
    for (bool opponents : {false, true}) {
      Stat stat(rules);
      stat.all_teams = side == 2;
      stat.team_name = (side == 0 ? game.home : game.visitor).team_name.str();
      Accumulate(stat, game, Split::kAll, opponents ? Split::kRight : Split::kLeft, opponents);
      Tables(stat);
      if (stat.all_teams) break;
    }
  }
}

void BoxScore(const Game& game, const StatRules& rules) {
  const reports::BoxScore box = reports::MakeBoxScore(game, rules);
  const std::string title = reports::BoxScoreTitle(game);
  (void)reports::BoxScoreCsv(box);
  (void)reports::BoxScoreHtml(box, title, reports::HtmlStyle{}, LocalDateTime{});
  (void)reports::BoxScoreFrames(box, title, reports::HtmlStyle{}, LocalDateTime{}, "a b.htm",
                                "c#d.htm");
  std::vector<std::string> lines;
  reports::AddPlayByPlay(lines, game, reports::InningsShown(game));
}

void ScoreSheet(const Game& game) {
  for (bool home : {false, true}) {
    (void)reports::LayOutSide(game, home);
    (void)reports::TeamScoreText(home ? game.home : game.visitor, reports::SideRuns(game, home));
    (void)reports::Substitutes(game, home);
    (void)reports::DesignatedHitterLine(game, home);
  }
  (void)reports::PitchersOfRecordLine(game);
  (void)reports::UmpiresLine(game.header);
  for (int columns : {1, 9, 15}) {
    reports::GamePrintOptions options;
    options.side = reports::PrintSide::kBoth;
    options.fit = columns == 9;
    options.columns = columns;
    options.notes = true;
    (void)reports::PlanGamePages(game, options);
  }
}

void Plots(const Game& game) {
  ScatterInfo spray;
  spray.TakeGame(game);
  spray.FinishLists();
  spray.Collect();
  (void)SpraySharesLine(ComputeSprayShares(spray));
  PitcherInfo pitches;
  pitches.TakeGame(game);
  pitches.FinishLists();
  const PitchFigures figures = pitches.Figures();
  (void)PitchSummaryLine(pitches, figures);
  (void)ZoneThirdsLine(figures);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static Game game;  // reused, as the analyses reuse one game
  if (!DecodeGameFile({data + 1, size - 1}, game)) return 0;
  const StatRules rules = RulesFrom(data[0]);
  Statistics(game, rules);
  BoxScore(game, rules);
  ScoreSheet(game);
  Plots(game);
  return 0;
}
