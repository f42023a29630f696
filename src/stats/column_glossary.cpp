#include "stats/column_glossary.h"

#include <array>

namespace scorewick {
namespace {

// Said of the identity columns of every table.
constexpr ColumnGloss kName = {
    "Name", "Player",
    "The player's name as the games record it. The last line, TEAM TOTALS (TOTALS in the "
    "Combined view), counts the whole side."};
constexpr ColumnGloss kTeam = {"Team", "Team", "The team the player was counted for."};
constexpr ColumnGloss kNameAgain = {"Name", "Player",
                                    "The player's name again, at the right-hand end of the table."};

const std::array<ColumnGloss, 61> kBatting = {{
    kName,
    kTeam,
    {"GP", "Games played",
     "Games in which he appeared: in the line-up and active, named as batter or runner, or in "
     "the field. TEAM TOTALS: the number of games the counted side played among the games "
     "counted."},
    {"IP", "Innings played",
     "Innings in which he appeared, at bat, on the bases or in the field. TEAM TOTALS: the "
     "innings the side batted."},
    {"PA", "Plate appearances",
     "Turns at bat with at least one pitch that ended with the batter safe or out (a runner "
     "placed on second by the tie-breaker rule has none)."},
    {"OAB", "Official at-bats",
     "Plate appearances less walks, hit by pitch, interference, sacrifices of every kind and "
     "tie-breaker runners."},
    {"H", "Hits", "Singles, doubles, triples and home runs."},
    {"1B", "Singles", "Singles, bunt singles included."},
    {"2B", "Doubles", "Doubles, ground-rule doubles included."},
    {"3B", "Triples", "Triples."},
    {"HR", "Home runs", "Home runs, inside-the-park home runs included."},
    {"R", "Runs", "Runs scored; a run scored by a pinch runner is the runner's."},
    {"RBI", "Runs batted in", "Runs batted in, as the scorer credited them."},
    {"Avg", "Batting average", "H / OAB."},
    {"Slug", "Slugging average", "Total bases (1B + 2 x 2B + 3 x 3B + 4 x HR) / OAB."},
    {"OBA", "On-base average", "(H + BB + HBP) / (OAB + BB + HBP + SF)."},
    {"BNT", "Bunt hits", "Bunt singles."},
    {"BNT%", "Bunt average",
     "BNT / (BNT + BNTO + BF2S): bunt hits among bunts that counted; 0.00 with none."},
    {"BB", "Bases on balls", "Walks, intentional walks included."},
    {"HBP", "Hit by pitch", "Times awarded first base when hit by a pitch."},
    {"RE", "Reached on error",
     "Safe at first on an error: a fielding or throwing error, an error after an assist, or an "
     "error on a dropped third strike."},
    {"FC", "Fielder's choices",
     "Safe at first on a fielder's choice, one that made a double play included."},
    {"DTSWP", "Dropped third strike, wild pitch",
     "Safe at first on a third strike that got away as a wild pitch (also a strikeout)."},
    {"DTSPB", "Dropped third strike, passed ball",
     "Safe at first on a third strike the catcher let by (also a strikeout)."},
    {"DTSE", "Dropped third strike, error",
     "Safe at first on a dropped third strike and an error (also a strikeout)."},
    {"CATI", "Catcher's interference", "Awarded first base for the catcher's interference."},
    {"OFI", "Other interference", "Awarded first base for another fielder's interference."},
    {"S", "Sacrifices",
     "Sacrifices that are neither a sacrifice bunt out nor a sacrifice fly: a sacrifice out, or "
     "safe on a sacrifice by an error or a fielder's choice."},
    {"BS", "Sacrifice bunts", "Sacrifice bunt outs."},
    {"SF", "Sacrifice flies",
     "Sacrifice fly outs (one that became a double play included) and sacrifice flies safe on "
     "an error."},
    {"SOS", "Strikeouts swinging",
     "Swinging third strikes: out, thrown out after a dropped third strike, a bunt foul on the "
     "third strike, or safe at first on a dropped third strike."},
    {"SOL", "Strikeouts looking", "Called third strikes."},
    {"SO", "Strikeouts", "SOS + SOL."},
    {"GO", "Ground outs", "Put out on a ground ball."},
    {"FO", "Fly outs", "Put out on a fly ball."},
    {"FFO", "Foul fly outs", "Put out on a foul fly."},
    {"PO", "Pop outs", "Put out on a pop-up (here PO is not put-outs)."},
    {"IFFLY", "Infield flies", "Out under the infield fly rule."},
    {"INTF", "Interference outs", "Batter out for interference."},
    {"TBAT", "Thrown bat", "Out for throwing the bat."},
    {"LD", "Line drives", "Put out on a line drive."},
    {"HIDB", "Hit into double play",
     "Batter out in a double play scored as a plain double play (a ground-ball double play "
     "is not counted here)."},
    {"HITP", "Hit into triple play", "Batter out in a triple play."},
    {"TBBB", "Hit by own batted ball", "Out when his own batted ball hit him."},
    {"BOTRN", "Batted out of turn", "Called out for batting out of turn."},
    {"BF2S", "Bunted foul with two strikes",
     "Out on a bunt foul with two strikes (also a strikeout)."},
    {"DTSO", "Dropped third strike, out",
     "Thrown out at first after a dropped third strike (also a strikeout)."},
    {"ILBB", "Illegally batted ball", "Out for batting the ball illegally."},
    {"HBFB", "Hit by fair ball", "Runner out when a fair batted ball hit him."},
    {"FRCO", "Force outs", "Runner forced out."},
    {"TAGO", "Tag outs", "Runner tagged out."},
    {"CO", "Called out", "Called out by the umpire."},
    {"BNTO", "Bunt outs", "Put out on a bunt."},
    {"NFGDP", "Non-force double plays", "Out in a ground-ball double play that was not a force."},
    {"SFDB", "Sacrifice fly double plays", "A sacrifice fly on which a runner was doubled off."},
    kNameAgain,
    {"OPS", "On-base plus slugging", "OBA + Slug; blank when OAB + BB + HBP + SF is 0."},
    {"XBH", "Extra-base hits", "2B + 3B + HR."},
    {"BABIP", "Batting average on balls in play",
     "(H - HR) / (OAB - SO - HR + SF): how often a ball put in play (not over the fence) fell "
     "for a hit; blank when the denominator is 0."},
    {"K%", "Strikeout percentage", "100 x SO / PA; blank without a plate appearance."},
    {"BB%", "Walk percentage", "100 x BB / PA; blank without a plate appearance."},
}};

const std::array<ColumnGloss, 27> kRunning = {{
    kName,
    kTeam,
    {"R", "Runs", "Runs scored; a run scored by a pinch runner is the runner's."},
    {"SB2", "Steals of second", "Bases stolen at second."},
    {"SB3", "Steals of third", "Bases stolen at third."},
    {"SBH", "Steals of home", "Bases stolen at home."},
    {"SB", "Stolen bases", "SB2 + SB3 + SBH, double and triple steals included."},
    {"SBA", "Steal attempts", "SB + CS2 + CS3 + CSH."},
    {"SB%", "Stolen-base percentage", "100 x SB / SBA."},
    {"CS2", "Caught stealing second",
     "Caught stealing second, also when an error then let him stay safe."},
    {"CS3", "Caught stealing third",
     "Caught stealing third, also when an error then let him stay safe."},
    {"CSH", "Caught stealing home",
     "Caught stealing home, also when an error then let him stay safe."},
    {"CSDB", "Caught stealing, double play", "Caught stealing as part of a double play."},
    {"PKO1", "Picked off first", "Picked off at first."},
    {"PKO2", "Picked off second", "Picked off at second."},
    {"PKO3", "Picked off third", "Picked off at third."},
    {"PKO", "Picked off", "PKO1 + PKO2 + PKO3."},
    {"MB", "Missed base", "Out for missing a base."},
    {"LBE", "Left base early", "Out for leaving a base too early."},
    {"DNTU", "Did not tag up", "Out for not tagging up on a caught fly."},
    {"LBP", "Left base path", "Out for running out of the base path."},
    {"CV", "Circle violation", "Out for a pitching-circle violation."},
    {"LOV", "Leading-off violation", "Out for leading off before the pitch."},
    {"BLV", "Base line violation", "Out for a base line violation."},
    {"HFS", "Head-first slide", "Out for sliding head first."},
    {"OVRB", "Over-ran base", "Out after over-running a base."},
    kNameAgain,
}};

const std::array<ColumnGloss, 34> kFielding = {{
    kName,
    kTeam,
    {"Pos", "Position",
     "The position of the line: a player has a line for each position he played."},
    {"GP", "Games played",
     "Games in which he was in the field at this position. TEAM TOTALS: the number of games "
     "the counted side played among the games counted."},
    {"TP", "Time played",
     "Outs made while he was in the field at this position, in innings (outs / outs per "
     "inning: 2.333 is 7 outs). TEAM TOTALS: the side's outs in the field."},
    {"APO", "Assisted put-outs",
     "Put-outs made on a team-mate's assist, and put-outs credited for strikeouts and other "
     "outs that need no throw."},
    {"UAPO", "Unassisted put-outs", "Put-outs with no assist before them in the play."},
    {"PO", "Put-outs", "Put-outs."},
    {"A", "Assists", "Assists."},
    {"E", "Errors", "Errors of every kind (passed balls are counted apart)."},
    {"FE", "Fielding errors", "Errors fielding the ball."},
    {"TE", "Throwing errors", "Errors throwing the ball."},
    {"BE", "Bobbles", "Balls bobbled, scored as errors."},
    {"PKO1", "Pick-offs at first",
     "Runners picked off at first on a play he started (pitcher or catcher)."},
    {"PKO2", "Pick-offs at second",
     "Runners picked off at second on a play he started (pitcher or catcher)."},
    {"PKO3", "Pick-offs at third",
     "Runners picked off at third on a play he started (pitcher or catcher)."},
    {"PKO", "Pick-offs", "PKO1 + PKO2 + PKO3."},
    {"PKOA1", "Pick-off attempts at first",
     "Throws to first to pick a runner off, by the pitcher or the catcher, pick-offs included."},
    {"PKOA2", "Pick-off attempts at second",
     "Throws to second to pick a runner off, by the pitcher or the catcher, pick-offs included."},
    {"PKOA3", "Pick-off attempts at third",
     "Throws to third to pick a runner off, by the pitcher or the catcher, pick-offs included."},
    {"PKOA", "Pick-off attempts", "PKOA1 + PKOA2 + PKOA3."},
    {"PCHR", "Pitches received",
     "Strikes and balls caught as catcher (fouls and balls put in play are not), with dropped "
     "third strikes and catcher's interference."},
    {"PB", "Passed balls", "Passed balls charged to him as catcher."},
    {"DTSOB", "Dropped third strike, batter safe",
     "Third strikes he dropped as catcher, with the batter safe at first."},
    {"DTSOUT", "Dropped third strike, batter out",
     "Third strikes he dropped as catcher, with the batter thrown out."},
    {"CS2", "Caught stealing at second",
     "Runners caught stealing second with him, the catcher, "
     "in the play."},
    {"CS3", "Caught stealing at third",
     "Runners caught stealing third with him, the catcher, "
     "in the play."},
    {"CSH", "Caught stealing at home",
     "Runners caught stealing home with him, the catcher, in "
     "the play."},
    {"CSPOH", "Caught stealing home, catcher's put-out",
     "Runners caught stealing home with the put-out his as catcher."},
    {"SBA", "Stolen bases against", "Bases stolen while he was the catcher or the pitcher."},
    {"INTF", "Interference", "Interference charged to him that put the batter on first."},
    {"F%", "Fielding average", "(PO + A) / (PO + A + E)."},
    {"CPE", "Chances per error", "(PO + A + E) / E; n/a without an error."},
    kNameAgain,
}};

const std::array<ColumnGloss, 46> kPitching = {{
    kName,
    kTeam,
    {"GS", "Games started", "Games in which he threw the first pitch to the game's first batter."},
    {"GC", "Complete games", "Games he started and finished, pitching to the last batter."},
    {"SHO", "Shutouts", "Complete games in which the other side scored no run."},
    {"SA", "Saves", "Games the game record names him the saving pitcher."},
    {"BF", "Batters faced", "Batters charged to him whose turn ended safe or out."},
    {"H", "Hits allowed", "Singles, doubles, triples and home runs hit off him."},
    {"1B", "Singles allowed", "Singles hit off him, bunt singles included."},
    {"2B", "Doubles allowed", "Doubles hit off him, ground-rule doubles included."},
    {"3B", "Triples allowed", "Triples hit off him."},
    {"HR", "Home runs allowed", "Home runs hit off him."},
    {"R", "Runs allowed", "Runs scored by batters charged to him."},
    {"BB", "Bases on balls", "Walks: ball four was his pitch."},
    {"HB", "Hit batsmen", "Batters hit by his pitch."},
    {"BK", "Balks", "Balks."},
    {"WP", "Wild pitches", "Wild pitches, the one on a dropped third strike included."},
    {"SO", "Strikeouts", "Strikeouts on which the third strike was his pitch."},
    {"PKO1", "Pick-offs at first", "Runners he picked off at first."},
    {"PKO2", "Pick-offs at second", "Runners he picked off at second."},
    {"PKO3", "Pick-offs at third", "Runners he picked off at third."},
    {"PKO", "Pick-offs", "PKO1 + PKO2 + PKO3."},
    {"PKOA1", "Pick-off attempts at first", "His throws to first to pick a runner off."},
    {"PKOA2", "Pick-off attempts at second", "His throws to second to pick a runner off."},
    {"PKOA3", "Pick-off attempts at third", "His throws to third to pick a runner off."},
    {"PKOA", "Pick-off attempts", "PKOA1 + PKOA2 + PKOA3."},
    {"W", "Wins", "Games the game record names him the winning pitcher."},
    {"L", "Losses", "Games the game record names him the losing pitcher."},
    {"PCT", "Winning percentage", "100 x W / (W + L)."},
    {"PC", "Pitch count",
     "Pitches thrown: strikes, fouls, balls and balls put in play (intentional balls and "
     "pitch-outs are not pitches)."},
    {"TS", "Total strikes",
     "Strikes thrown: called and swinging strikes, fouls and balls put in play."},
    {"TB", "Total balls",
     "Balls thrown, hit batsmen included (not total bases; intentional balls and pitch-outs are "
     "not counted)."},
    {"FPS", "First-pitch strikes",
     "Batters whose first pitch from him was a strike, a foul or put in play."},
    {"FPB", "First-pitch balls", "Batters whose first pitch from him was a ball."},
    {"FPS%", "First-pitch strike percentage", "100 x FPS / (FPS + FPB)."},
    {"IP", "Innings pitched",
     "Outs made while he pitched, in innings (outs / outs per inning: 6.33 is 19 outs); with "
     "the league's pitching rules for young players, every inning he pitched in counts whole."},
    {"ER", "Earned runs", "Earned runs scored by batters charged to him."},
    {"ERA", "Earned run average",
     "ER x the league's innings per game / IP (the innings per game chosen in the window)."},
    {"OBA", "Opponents' batting average", "H / the official at-bats of the batters he faced."},
    kNameAgain,
    {"WHIP", "Walks and hits per inning pitched", "(BB + H) / IP; blank without an out."},
    {"K/9", "Strikeouts per nine innings",
     "9 x SO / IP; blank without an out. Always per nine innings: unlike ERA it is not scaled to "
     "the league's innings per game, so that the figures of every league compare."},
    {"BB/9", "Walks per nine innings",
     "9 x BB / IP; blank without an out. Per nine innings, not scaled like ERA."},
    {"HR/9", "Home runs per nine innings",
     "9 x HR / IP; blank without an out. Per nine innings, not scaled like ERA."},
    {"K/BB", "Strikeouts per walk", "SO / BB; blank without a walk."},
    {"P/PA", "Pitches per plate appearance", "PC / BF; blank without a batter faced."},
}};

}  // namespace

std::span<const ColumnGloss> Glossary(StatTable table) {
  switch (table) {
    case StatTable::kBatting:
      return kBatting;
    case StatTable::kRunning:
      return kRunning;
    case StatTable::kFielding:
      return kFielding;
    case StatTable::kPitching:
      return kPitching;
  }
  return {};
}

std::string_view ColumnName(StatTable table, int column) {
  const std::span<const ColumnGloss> glossary = Glossary(table);
  if (column < 0 || column >= static_cast<int>(glossary.size())) return {};
  return glossary[static_cast<std::size_t>(column)].name;
}

}  // namespace scorewick
