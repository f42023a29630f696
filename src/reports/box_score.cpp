#include "reports/box_score.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "records/code_classes.h"
#include "records/format_text.h"
#include "reports/play_by_play.h"
#include "reports/wrapped_lines.h"
#include "stats/entries.h"
#include "stats/sort_table.h"

namespace scorewick::reports {
namespace {

// The notes paragraphs are built as one text of at most this many characters.
constexpr std::size_t kNotesLimit = 999;
// A batting line's name text never runs into its figures.
constexpr std::size_t kNameColumn = 30;

// Appends n as "%2d" followed by tail, without a format parse: the score
// lines hold a figure per inning.
void AppendFigure(std::string& out, int n, char tail = ' ') {
  if (n >= 0 && n < 100) {
    out += n < 10 ? ' ' : static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
  } else {
    out += std::to_string(n);
  }
  if (tail != '\0') out += tail;
}

// Appends text as "%-<width>s".
void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

// Appends " %6.2f" of outs / outs_per_inning (0 when that is not above 0),
// rounding half to even as printf does.
void AppendInnings(std::string& out, int outs, int outs_per_inning) {
  const double hundredths =
      outs_per_inning > 0 ? std::nearbyint(static_cast<double>(outs) * 100.0 / outs_per_inning)
                          : 0.0;
  if (hundredths < 0 || hundredths >= 1e6) {
    out += Format(" %6.2f", hundredths / 100.0);
    return;
  }
  const long h = static_cast<long>(hundredths);
  const std::string whole = std::to_string(h / 100);
  out += ' ';
  if (whole.size() < 3) out.append(3 - whole.size(), ' ');
  out += whole;
  out += '.';
  out += static_cast<char>('0' + h % 100 / 10);
  out += static_cast<char>('0' + h % 10);
}

// Orders every row but the last (the team-totals row keeps its place),
// largest first, as the statistics window orders its tables.
template <typename Row, typename Key>
void SortLargestFirst(std::vector<Row>& rows, Key key) {
  SortKeepingTotalsLast(rows, [&key](const Row& a, const Row& b) { return key(a) > key(b); });
}

// The rows of a table without its team-totals row.
template <typename Row>
std::size_t PlayerRows(const std::vector<Row>& rows) {
  return rows.empty() ? 0 : rows.size() - 1;
}

// "Smith, Jones(2)": the players of both tables whose count is above 0.
template <typename Row, typename Count>
std::string PlayerList(const std::vector<Row>& first, const std::vector<Row>& second, Count count) {
  std::string text;
  for (const std::vector<Row>* rows : {&first, &second}) {
    for (std::size_t i = 0; i < PlayerRows(*rows); ++i) {
      const Row& row = (*rows)[i];
      const int n = count(row);
      if (n <= 0) continue;
      if (!text.empty()) text += ", ";
      text += row.name;
      if (n > 1) text += "(" + std::to_string(n) + ")";
    }
  }
  return text;
}

void AddCategory(std::string& text, std::string_view label, const std::string& list) {
  if (list.empty()) return;
  text += label;
  text += list;
  text += ". ";
}

// One side of a batting line: "%-30s%2d %2d %2d %2d".
void AppendSide(std::string& out, std::string_view name, const BoxBattingFigures& f) {
  AppendPadded(out, name, kNameColumn);
  AppendFigure(out, f.at_bats);
  AppendFigure(out, f.runs);
  AppendFigure(out, f.hits);
  AppendFigure(out, f.rbi, '\0');
}

const HALF_INNING& Half(const Game& game, int inning, bool top) {
  return game.innings[static_cast<std::size_t>(inning)].half(top);
}

void Place(BoxBatter& b, const Arrival& arrival) {
  b.slot = arrival.slot;
  b.entered_inning = arrival.inning;
  b.entered_at_bat = arrival.at_bat;
  b.top_half = arrival.top;
}

}  // namespace

std::string BatterText(const BoxBatter& b) {
  const auto& pos = b.figures.positions;
  std::string text =
      b.starter ? b.figures.name + " " + std::string(PositionAbbrevLower(pos[0]))
                : Format("(%c%d) %s %s", b.top_half ? 't' : 'b', b.entered_inning,
                         b.figures.name.c_str(), std::string(PositionAbbrevLower(pos[0])).c_str());
  for (std::size_t k = 1; k < pos.size() && pos[k] != 0; ++k) {
    if (text.size() >= 27) break;
    text += "-" + std::string(PositionAbbrevLower(pos[k]));
  }
  // A long name with an entry mark would push the figures out of their
  // columns.
  if (text.size() > kNameColumn) text.resize(kNameColumn);
  return text;
}

std::string InningsPitchedText(int outs, int outs_per_inning) {
  std::string text;
  AppendInnings(text, outs, outs_per_inning);
  return text.substr(text.find_first_not_of(' '));
}

BoxScore MakeBoxScore(const Game& game, const StatRules& rules) {
  if (game.innings[0].top.at_bats.empty()) return BoxScore(game, {}, {}, rules.outs_per_inning);
  return BoxScore(game, CountBoxTeam(game, true, rules), CountBoxTeam(game, false, rules),
                  rules.outs_per_inning);
}

int InningsShown(const Game& game) {
  int n = 0;
  while (n < kInnings &&
         !(Half(game, n, true).at_bats.empty() && Half(game, n, false).at_bats.empty()))
    ++n;
  return n;
}

BoxScore::BoxScore(const Game& game, BoxTeamFigures visitors, BoxTeamFigures home,
                   int outs_per_inning)
    : visitors_(std::move(visitors)), home_(std::move(home)), outs_per_inning_(outs_per_inning) {
  visitors_.team_name = game.visitor.team_name.str();
  home_.team_name = game.home.team_name.str();
  if (game.innings[0].top.at_bats.empty()) return;
  innings_shown_ = InningsShown(game);
  lines_.reserve(64 + 2 * static_cast<std::size_t>(innings_shown_) * 8);
  for (int i = 0; i < innings_shown_; ++i) {
    visitor_totals_.push_back(TallyHalfInning(Half(game, i, true)));
    home_totals_.push_back(TallyHalfInning(Half(game, i, false)));
    visitor_played_.push_back(!Half(game, i, true).at_bats.empty());
    home_played_.push_back(!Half(game, i, false).at_bats.empty());
    visitor_inning_runs_.push_back(visitor_totals_.back().runs);
    home_inning_runs_.push_back(home_totals_.back().runs);
    visitor_runs_ += visitor_inning_runs_.back();
    home_runs_ += home_inning_runs_.back();
  }
  AddScoreByInnings(game);
  AddBattingLines(game);
  AddBattingNotes(game);
  AddPitchingLines();
  AddPitchingNotes(game);
  sections_.play_by_play = lines_.size();
  AddPlayByPlay(lines_, game, innings_shown_);
}

std::string BoxScore::InningRunsText(bool visitors, int i) const {
  if (!half_played(visitors, i)) return "x";
  return std::to_string(runs_by_inning(visitors)[static_cast<std::size_t>(i)]);
}

const BoxBattingFigures& BoxScore::batting_totals(bool winner) const {
  const auto& rows = (winner ? this->winner() : loser()).batting;
  return rows.empty() ? no_totals_ : rows.back();
}

int BoxScore::hits(bool visitors) const {
  const auto& rows = team(visitors).batting;
  return rows.empty() ? 0 : rows.back().hits;
}

int BoxScore::errors(bool visitors) const {
  const auto& rows = team(visitors).batting;
  return rows.empty() ? 0 : rows.back().errors;
}

std::string BoxScore::Headline() const {
  const bool home_first = home_won();
  return Format("%s %d, %s %d", winner().team_name.c_str(), home_first ? home_runs_ : visitor_runs_,
                loser().team_name.c_str(), home_first ? visitor_runs_ : home_runs_);
}

void BoxScore::AddScoreByInnings(const Game&) {
  const std::string rule(kBoxRuleWidth, '-');
  lines_.push_back(Format("%s at %s", visitors_.team_name.c_str(), home_.team_name.c_str()));
  lines_.emplace_back();
  lines_.emplace_back();
  std::string header = "Score By Innings         ";
  for (int i = 1; i <= innings_shown_; ++i) AppendFigure(header, i);
  lines_.push_back(header + "  R  H  E");
  lines_.push_back(rule);
  for (bool v : {true, false}) {
    std::string line = Format("%-25s", team(v).team_name.c_str());
    for (int i = 0; i < innings_shown_; ++i) {
      if (half_played(v, i)) {
        AppendFigure(line, runs_by_inning(v)[static_cast<std::size_t>(i)]);
      } else {
        line += " x ";  // as wide as a figure: the half was not played
      }
    }
    line += '-';
    AppendFigure(line, runs(v));
    if (team(v).batting.empty()) {
      line += "  0  0";
    } else {
      AppendFigure(line, hits(v));
      AppendFigure(line, errors(v));
    }
    lines_.push_back(line);
  }
  lines_.push_back(rule);
}

// Each batting line is placed where its player first shows in the game,
// inning by inning; a player taking a slot that an earlier line already
// holds is a substitute.  A pinch hitter or runner counts from the plate
// appearance where he first batted or ran, when that comes before what
// the line-ups say.
std::vector<BoxBatter> BoxScore::PlacedBatters(const Game& game, const BoxTeamFigures& team) const {
  const bool visitors = &team == &visitors_;
  std::vector<BoxBatter> list;
  for (std::size_t i = 0; i < PlayerRows(team.batting); ++i) list.push_back({team.batting[i]});
  for (int i = 0; i < kInnings && !Half(game, i, true).at_bats.empty(); ++i) {
    for (std::size_t k = 0; k < list.size(); ++k) {
      BoxBatter& b = list[k];
      if (b.entered_inning != 0) continue;
      const std::optional<Arrival> arrival = ArrivalIn(game, i, visitors, b.figures.name);
      if (!arrival) continue;
      Place(b, *arrival);
      const auto earlier = list.begin() + static_cast<std::ptrdiff_t>(k);
      b.starter = b.slot == 0 || std::none_of(list.begin(), earlier, [&b](const BoxBatter& o) {
                    return o.slot == b.slot;
                  });
      const std::int32_t first = b.figures.positions[0];
      if (first != kPosPinchHitter && first != kPosPinchRunner) continue;
      const std::optional<Arrival> pinch = FirstPinchTurn(game, visitors, b.figures.name);
      if (pinch && (pinch->inning < b.entered_inning ||
                    (pinch->inning == b.entered_inning && pinch->at_bat < b.entered_at_bat)))
        Place(b, *pinch);
    }
  }
  std::stable_sort(list.begin(), list.end(), [](const BoxBatter& a, const BoxBatter& b) {
    if ((a.slot == 0) != (b.slot == 0)) return b.slot == 0;
    if (a.slot != b.slot) return a.slot < b.slot;
    if (a.entered_inning != b.entered_inning) return a.entered_inning < b.entered_inning;
    if (a.top_half != b.top_half) return a.top_half;
    return a.entered_at_bat < b.entered_at_bat;
  });
  return list;
}

void BoxScore::AddBattingLines(const Game& game) {
  const BoxTeamFigures& w = winner();
  const BoxTeamFigures& l = loser();
  winner_batters_ = PlacedBatters(game, w);
  loser_batters_ = PlacedBatters(game, l);
  lines_.emplace_back();
  lines_.emplace_back();
  lines_.push_back(Headline());
  lines_.emplace_back(kBoxRuleWidth, '-');
  lines_.push_back(Format("%-42s| %-42s", w.team_name.c_str(), l.team_name.c_str()));
  lines_.push_back(Format("%30sab  r  h bi | %30sab  r  h bi", "", ""));
  sections_.batting_rows = lines_.size();
  const std::size_t rows = std::max(winner_batters_.size(), loser_batters_.size());
  for (std::size_t r = 0; r < rows; ++r) {
    const BoxBatter* a = r < winner_batters_.size() ? &winner_batters_[r] : nullptr;
    const BoxBatter* b = r < loser_batters_.size() ? &loser_batters_[r] : nullptr;
    std::string line;
    line.reserve(kBoxRuleWidth);
    if (a != nullptr) {
      AppendSide(line, BatterText(*a), a->figures);
      line += b != nullptr ? " | " : " |";
    } else {
      line.append(42, ' ');
      line += "| ";
    }
    if (b != nullptr) AppendSide(line, BatterText(*b), b->figures);
    lines_.push_back(std::move(line));
  }
  sections_.batting_totals = lines_.size();
  const BoxBattingFigures& wt = batting_totals(true);
  const BoxBattingFigures& lt = batting_totals(false);
  std::string totals;
  AppendSide(totals, wt.name, wt);
  totals += " | ";
  AppendSide(totals, lt.name, lt);
  lines_.push_back(std::move(totals));
  lines_.emplace_back(kBoxRuleWidth, '-');
}

void BoxScore::AddBattingNotes(const Game& game) {
  sections_.batting_notes = lines_.size();
  lines_.emplace_back();
  auto& w = home_won() ? home_.batting : visitors_.batting;
  auto& l = home_won() ? visitors_.batting : home_.batting;
  std::string text;
  using Row = BoxBattingFigures;
  auto by = [&](std::string_view label, int Row::*counter) {
    const auto key = [counter](const Row& r) { return r.*counter; };
    SortLargestFirst(w, key);
    SortLargestFirst(l, key);
    AddCategory(text, label, PlayerList(w, l, key));
  };
  by("E: ", &Row::errors);

  int visitor_dp = 0;  // double plays turned by the visitors (in the bottom halves)
  int home_dp = 0;
  int visitor_lob = 0;
  int home_lob = 0;
  for (int i = 0; i < innings_shown_; ++i) {
    for (const AT_BAT& ab : Half(game, i, true).at_bats)
      home_dp += IsDoublePlayOut(ab.how_out) ? 1 : 0;
    for (const AT_BAT& ab : Half(game, i, false).at_bats)
      visitor_dp += IsDoublePlayOut(ab.how_out) ? 1 : 0;
    visitor_lob += visitor_totals_[static_cast<std::size_t>(i)].left_on_base;
    home_lob += home_totals_[static_cast<std::size_t>(i)].left_on_base;
  }
  std::string dp;
  auto add_dp = [&dp](const std::string& name, int n) {
    if (n == 0) return;
    if (!dp.empty()) dp += ", ";
    dp += Format("%s %d", name.c_str(), n);
  };
  if (home_dp > visitor_dp) {
    add_dp(home_.team_name, home_dp);
    add_dp(visitors_.team_name, visitor_dp);
  } else {
    add_dp(visitors_.team_name, visitor_dp);
    add_dp(home_.team_name, home_dp);
  }
  AddCategory(text, "DP: ", dp);
  if (visitor_lob < home_lob) {
    AddCategory(text, "LOB: ",
                Format("%s %d, %s %d", visitors_.team_name.c_str(), visitor_lob,
                       home_.team_name.c_str(), home_lob));
  } else {
    AddCategory(text, "LOB: ",
                Format("%s %d, %s %d", home_.team_name.c_str(), home_lob,
                       visitors_.team_name.c_str(), visitor_lob));
  }
  by("2B: ", &Row::doubles);
  by("3B: ", &Row::triples);
  by("HR: ", &Row::home_runs);
  by("SB: ", &Row::stolen_bases);
  AddCategory(text, "CS: ", PlayerList(w, l, [](const Row& r) {
                return r.steal_attempts - r.stolen_bases;
              }));
  by("SH: ", &Row::sacrifice_bunts);
  by("S: ", &Row::sacrifices);
  by("SF: ", &Row::sacrifice_flies);
  if (text.size() > kNotesLimit) text.resize(kNotesLimit);
  AddWrappedLine(lines_, text, kNarrativeWidth, LineBreaks::kInText);
}

void BoxScore::AddPitchingLines() {
  sections_.pitching = lines_.size();
  lines_.emplace_back();
  using Row = BoxPitchingFigures;
  const auto by_outs = [](const Row& r) { return r.outs; };
  SortLargestFirst(visitors_.pitching, by_outs);
  SortLargestFirst(home_.pitching, by_outs);
  auto add_staff = [this](const BoxTeamFigures& t, bool winner) {
    std::vector<BoxPitcher>& shown = winner ? winner_pitchers_ : loser_pitchers_;
    for (std::size_t i = 0; i < PlayerRows(t.pitching); ++i) {
      const Row& p = t.pitching[i];
      std::string name = p.name;
      if (winner && p.wins > 0) name += " W";
      if (!winner && p.losses > 0) name += " L";
      if (p.saves > 0) name += " S";
      shown.push_back({name, p});
      // "%-30s %6.2f %2d %2d %2d %2d %2d": innings pitched are outs over
      // outs per inning, 7 outs of 3 showing 2.33.
      std::string line;
      line.reserve(kBoxRuleWidth);
      AppendPadded(line, name, kNameColumn);
      AppendInnings(line, p.outs, outs_per_inning_);
      line += ' ';
      for (int figure : {p.hits, p.runs, p.earned_runs, p.walks}) AppendFigure(line, figure);
      AppendFigure(line, p.strikeouts, '\0');
      lines_.push_back(std::move(line));
    }
  };
  lines_.push_back(Format("%-30s    IP   H  R ER BB SO", winner().team_name.c_str()));
  add_staff(winner(), true);
  lines_.emplace_back();
  lines_.push_back(Format("%-30s", loser().team_name.c_str()));
  add_staff(loser(), false);
}

void BoxScore::AddPitchingNotes(const Game& game) {
  sections_.pitching_notes = lines_.size();
  lines_.emplace_back();
  std::string text;
  std::string hbp;
  for (int i = 0; i < innings_shown_; ++i) {
    for (bool top : {true, false}) {
      for (const AT_BAT& ab : Half(game, i, top).at_bats) {
        if (ab.how_reached != kReachHitByPitch) continue;
        const PLAYER& pitcher =
            ab.pitchers[static_cast<std::size_t>(ab.PitcherCount() - 1)].pitcher;
        if (!hbp.empty()) hbp += ", ";
        hbp += Format("by %s (%s)", pitcher.name.c_str(), ab.batter.name.c_str());
      }
    }
  }
  AddCategory(text, "HBP: ", hbp);
  using P = BoxPitchingFigures;
  using B = BoxBattingFigures;
  auto& wp = winner().pitching;
  auto& lp = loser().pitching;
  auto& w = home_won() ? home_ : visitors_;
  auto& l = home_won() ? visitors_ : home_;
  SortLargestFirst(w.pitching, [](const P& r) { return r.wild_pitches; });
  SortLargestFirst(l.pitching, [](const P& r) { return r.wild_pitches; });
  AddCategory(text, "WP: ", PlayerList(wp, lp, [](const P& r) { return r.wild_pitches; }));
  SortLargestFirst(w.batting, [](const B& r) { return r.passed_balls; });
  SortLargestFirst(l.batting, [](const B& r) { return r.passed_balls; });
  AddCategory(text,
              "PB: ", PlayerList(w.batting, l.batting, [](const B& r) { return r.passed_balls; }));
  SortLargestFirst(w.pitching, [](const P& r) { return r.balks; });
  SortLargestFirst(l.pitching, [](const P& r) { return r.balks; });
  AddCategory(text, "Balk: ", PlayerList(wp, lp, [](const P& r) { return r.balks; }));
  text += Format("T: %d:%02d.", game.header.duration_hours, game.header.duration_minutes);
  text += Format(" A: %d.", game.header.attendance);
  AddWrappedLine(lines_, text, kNarrativeWidth, LineBreaks::kInText);
  lines_.emplace_back();
}

}  // namespace scorewick::reports
