#include "records/calendar_day.h"

#include <chrono>

#include "records/format_text.h"

namespace scorewick {

std::optional<LocalDate> ParseCalendarDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  const std::size_t begins[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
  for (int p = 0; p < 3; ++p) {
    for (std::size_t i = begins[p]; i < begins[p] + lengths[p]; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      parts[p] = parts[p] * 10 + (text[i] - '0');
    }
  }
  const std::chrono::year_month_day ymd{std::chrono::year(parts[0]),
                                        std::chrono::month(static_cast<unsigned>(parts[1])),
                                        std::chrono::day(static_cast<unsigned>(parts[2]))};
  if (!ymd.ok()) return std::nullopt;
  return LocalDate{parts[0], parts[1], parts[2]};
}

std::string CalendarDayText(const LocalDate& day) {
  return Format("%04d-%02d-%02d", day.year, day.month, day.day);
}

LocalDate AddDays(const LocalDate& day, int days) {
  using namespace std::chrono;
  // Month and day are counted on from the year's first day, so that an
  // impossible header date still lands on a day.
  const sys_days start = sys_days(year(day.year) / January / 1 + months(day.month - 1)) +
                         std::chrono::days(day.day - 1 + days);
  const year_month_day result{start};
  return {static_cast<int>(result.year()), static_cast<int>(static_cast<unsigned>(result.month())),
          static_cast<int>(static_cast<unsigned>(result.day()))};
}

}  // namespace scorewick
