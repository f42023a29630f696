#pragma once
// Calendar days (records/local_date.h) as the command line and the
// reports write them, YYYY-MM-DD, and the day arithmetic of pitchers' rest.

#include <optional>
#include <string>
#include <string_view>

#include "records/local_date.h"

namespace scorewick {

// The form a typed date must have, for messages: "YYYY-MM-DD".
inline constexpr const char* kCalendarDayForm = "YYYY-MM-DD";

// The day text names: exactly four digits, '-', two digits, '-', two
// digits, and a day the calendar has (2023-02-29 is not).  Nothing
// otherwise.
std::optional<LocalDate> ParseCalendarDay(std::string_view text);

// "2024-06-01"; a year outside 0..9999 is written as it is.
std::string CalendarDayText(const LocalDate& day);

// The day `days` days after (or before, when negative) the given one.  A
// day the calendar does not have (a game header's month 13) is taken as
// the calendar would roll it over.
LocalDate AddDays(const LocalDate& day, int days);

}  // namespace scorewick
