#pragma once
// A player's game log as a report table: one row per game (date, start
// time, opponent with "vs" at home and "at" away, result with his team's
// score first, the batting line, and the pitching line with the decision
// when he pitched in the log), then the totals row with his team's record.

#include "reports/report_table.h"
#include "stats/game_log.h"

namespace scorewick::reports {

ReportTable GameLogTable(const GameLog& log);

}  // namespace scorewick::reports
