// Pitch-count rules and a pitcher's workload: the rules file read and
// refused line by line, the rest at each edge of the youth table, and
// outings on short games of known pitch counts.
#include "stats/pitcher_workload.h"

#include <gtest/gtest.h>

#include <tuple>

#include "records/format_text.h"
#include "stats_support.h"
#include "support/told.h"

namespace scorewick {
namespace {

using testing::CompileBook;

TEST(WorkloadRules, RestAtEachEdgeOfTheYouthTable) {
  const WorkloadRules rules = DefaultWorkloadRules();
  const std::pair<int, int> pitches_rest[] = {{0, 0},  {1, 0},  {20, 0}, {21, 1}, {35, 1},
                                              {36, 2}, {50, 2}, {51, 3}, {65, 3}, {66, 4},
                                              {85, 4}, {86, 4}, {400, 4}};
  for (const auto& [pitches, rest] : pitches_rest)
    EXPECT_EQ(RestDaysAfter(rules, pitches), rest) << pitches << " pitches";
  // A closed last range: a count beyond it takes its rest.
  WorkloadRules closed{{{1, 30, 0}, {31, 60, 2}}, 0};
  EXPECT_EQ(RestDaysAfter(closed, 99), 2);
}

TEST(WorkloadRules, FileTextReadsBackWithCommentsAndCarriageReturns) {
  WorkloadRules read;
  std::string error;
  ASSERT_TRUE(
      testing::Done(ParseWorkloadRules(WorkloadRulesText(DefaultWorkloadRules()), read), &error))
      << error;
  EXPECT_EQ(read, DefaultWorkloadRules());
  ASSERT_TRUE(testing::Done(
      ParseWorkloadRules("# league\r\n 1-40\t1 # short\r\n41+ 3\r\n\r\nmax 100\r\n", read), &error))
      << error;
  EXPECT_EQ(read, (WorkloadRules{{{1, 40, 1}, {41, -1, 3}}, 100}));
}

TEST(WorkloadRules, RefusalsNameTheLine) {
  const std::pair<const char*, const char*> refused[] = {
      {"1-20 0\n15-30 1\n", "line 2, \"15-30 1\": the range overlaps the one before it (up to 20)"},
      {"1-20 0\n# gap\n25-30 1\n",
       "line 3, \"25-30 1\": the ranges must follow on: this one "
       "should start at 21"},
      {"20-10 1\n", "line 1, \"20-10 1\": the range runs backwards"},
      {"1-20 0\n21+ 1\n30-40 2\n",
       "line 3, \"30-40 2\": the range before it already covers every count above it"},
      {"1-20 zero\n", "line 1, \"1-20 zero\": the days of rest are a number, 0 to 365"},
      {"1-20\n",
       "line 1, \"1-20\": a line is a range of pitches and the days of rest "
       "(\"21-35 1\"), or \"max\" and the most pitches a day (\"max 85\")"},
      {"1to20 0\n",
       "line 1, \"1to20 0\": the range of pitches is FROM-TO (\"21-35\") or FROM+ "
       "(\"66+\")"},
      {"1-20 0\nmax 0\n", "line 2, \"max 0\": the maximum is a number of pitches above 0"},
      {"1-20 0\nmax 80\nmax 90\n", "line 3, \"max 90\": the maximum is given twice"},
      {"# nothing\nmax 85\n", "no range of pitches is given (a line such as \"1-20 0\")"},
  };
  for (const auto& [text, message] : refused) {
    WorkloadRules rules = DefaultWorkloadRules();
    std::string error;
    EXPECT_FALSE(testing::Done(ParseWorkloadRules(text, rules), &error)) << text;
    EXPECT_EQ(error, message);
    EXPECT_EQ(rules, DefaultWorkloadRules()) << "left as it was";
  }
}

// n pitches split into parts of at most 18 (a batter's box holds about
// that many), as evenly as it goes.
std::vector<int> Parts(int n, int parts) {
  std::vector<int> out;
  for (int i = 0; i < parts; ++i) out.push_back(n / parts + (i < n % parts ? 1 : 0));
  return out;
}

// A one-inning game on the day at the hour in which Rex Roe throws exactly
// n pitches (3 to 90): beyond 54, up to two long walks (three balls, two
// strikes, fouls, ball four), then three ground outs after fouls.  The
// Hawks win it 1-0 on a first-pitch home run.
Game RexThrows(int n, const char* day, int hour = 18) {
  const int walked = n > 54 ? std::max(n - 54, 6) : 0;
  std::string book = Format("game date=%s time=%d:00\nrules innings=1\ntop 1\n", day, hour);
  for (int k : Parts(walked, (walked + 17) / 18))
    book += "bbbss" + std::string(static_cast<std::size_t>(k - 6), 'f') + "b BB\n";
  for (int k : Parts(n - walked, 3)) {
    book += k == 1   ? "6-3\n"
            : k == 2 ? "s 6-3\n"
                     : "ss" + std::string(static_cast<std::size_t>(k - 3), 'f') + " 6-3\n";
  }
  return CompileBook(book + "bottom 1\nHR7\n");
}

TEST(PitcherWorkload, OutingsAtTheEdgesOnConsecutiveDaysOverTheMaximumAndOnShortRest) {
  struct Row {
    int pitches;
    const char* day;
    int hour;
    int day_pitches, rest;
    const char* next;
    bool over;
    bool short_rest = false;
  };
  const Row rows[] = {
      {20, "2024-05-01", 18, 20, 0, "2024-05-02", false},
      {21, "2024-05-02", 18, 21, 1, "2024-05-04", false},  // the next day: 0 days' rest
      {35, "2024-05-04", 18, 35, 1, "2024-05-06", false},
      {36, "2024-05-06", 18, 36, 2, "2024-05-09", false},
      {50, "2024-05-09", 18, 50, 2, "2024-05-12", false},
      {51, "2024-05-12", 18, 51, 3, "2024-05-16", false},
      {65, "2024-05-16", 18, 65, 3, "2024-05-20", false},
      {66, "2024-05-20", 18, 66, 4, "2024-05-25", false},
      {40, "2024-05-25", 10, 40, 2, "2024-05-28", false},  // two games on one day
      {45, "2024-05-25", 14, 85, 4, "2024-05-30", false},  // 85: at the maximum
      {46, "2024-05-30", 10, 46, 2, "2024-06-02", false},
      {40, "2024-05-30", 14, 86, 4, "2024-06-04", true},         // 86: over it
      {30, "2024-06-02", 10, 30, 1, "2024-06-04", false, true},  // back before June 4
  };
  WorkloadCounter counter("Hawks", StatRules{});
  // Listed newest first: the outings come out by date and start time.
  for (std::size_t i = std::size(rows); i-- > 0;)
    counter.Count(RexThrows(rows[i].pitches, rows[i].day, rows[i].hour), std::size(rows) - i);
  ASSERT_TRUE(counter.team_seen());
  const Workload w = counter.Finish(DefaultWorkloadRules(), *ParseCalendarDay("2024-06-03"));
  std::vector<Outing> rex;
  for (const Outing& o : w.outings)
    if (o.pitcher == "Rex Roe") rex.push_back(o);
  ASSERT_EQ(rex.size(), std::size(rows));
  for (std::size_t i = 0; i < rex.size(); ++i) {
    const Row& r = rows[i];
    const Outing& o = rex[i];
    EXPECT_EQ(std::tuple(CalendarDayText(o.day), o.pitches, o.day_pitches, o.rest_days,
                         CalendarDayText(o.next), o.over_max, o.short_rest, o.opponent),
              std::tuple(std::string(r.day), r.pitches, r.day_pitches, r.rest, std::string(r.next),
                         r.over, r.short_rest, std::string("Gulls")))
        << "outing " << i;
  }
  ASSERT_EQ(w.pitchers.size(), 1u);  // the Gulls' pitchers are not the Hawks'
  const PitcherAvailability& a = w.pitchers[0];
  EXPECT_EQ(std::tuple(a.pitcher, a.outings, CalendarDayText(a.last_day), a.last_day_pitches,
                       CalendarDayText(a.next), a.available),
            std::tuple("Rex Roe", 13, "2024-06-02", 30, "2024-06-04", false));
  // On the day he may pitch again he is available; a day before his first
  // outing, nothing yet counts against him.
  for (const auto& [day, available, outings] :
       {std::tuple("2024-06-04", true, 13), std::tuple("2024-05-31", false, 12),
        std::tuple("2024-04-30", true, 0)}) {
    WorkloadCounter again("Hawks", StatRules{});
    for (std::size_t i = 0; i < std::size(rows); ++i)
      again.Count(RexThrows(rows[i].pitches, rows[i].day, rows[i].hour), i);
    const PitcherAvailability b =
        again.Finish(DefaultWorkloadRules(), *ParseCalendarDay(day)).pitchers.at(0);
    EXPECT_EQ(std::tuple(b.available, b.outings), std::tuple(available, outings)) << day;
  }
}

TEST(PitcherWorkload, LooksAtThePastSeasonTheDayAfterItsLastGame) {
  const LocalDate today = *ParseCalendarDay("2026-12-07");
  const struct {
    std::optional<LocalDate> last_game;
    const char* as_of;
  } cases[] = {
      {ParseCalendarDay("2019-09-29"), "2019-09-30"},  // a past season
      {ParseCalendarDay("2026-12-06"), "2026-12-07"},  // yesterday's game: today
      {ParseCalendarDay("2026-12-07"), "2026-12-07"},  // today's game: today
      {ParseCalendarDay("2027-03-01"), "2026-12-07"},  // a game dated ahead: today
      {std::nullopt, "2026-12-07"},                    // no game read
  };
  for (const auto& c : cases) EXPECT_EQ(CalendarDayText(DefaultAsOf(c.last_game, today)), c.as_of);
}

TEST(LocalDate, DaysCountOnOverMonthsAndYears) {
  EXPECT_EQ(CalendarDayText(AddDays(*ParseCalendarDay("2024-02-27"), 3)), "2024-03-01");
  EXPECT_EQ(CalendarDayText(AddDays(*ParseCalendarDay("2023-12-30"), 5)), "2024-01-04");
}

}  // namespace
}  // namespace scorewick
