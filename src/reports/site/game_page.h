#pragma once
// The page of one game: the line score, both teams' batting and pitching
// lines, the box score's notes, the play-by-play in the box score's
// sentences and the spray chart of the game.  Figures are the box score's
// own (reports/box_score.h), so the page and the box score always agree.

#include <string>
#include <vector>

#include "records/game.h"
#include "reports/box_score.h"
#include "reports/site/site_html.h"
#include "stats/plot_point.h"

namespace scorewick::site {

// The balls in play of a game on the field picture.
struct GameSpray {
  std::vector<PlotPoint> on_base;
  std::vector<PlotPoint> outs;
};

// The body of the game's page (the frame is the caller's): game and box as
// the site names its players.
std::string GamePageBody(const Game& game, const reports::BoxScore& box, const GameSpray& spray);

// The page's heading: "Hawks 3, Gulls 5" (visitors first), HTML.
std::string GameHeading(const reports::BoxScore& box);

}  // namespace scorewick::site
