#include "records/local_date.h"

#include <ctime>

namespace scorewick {

LocalDateTime Now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  LocalDateTime now;
  now.date = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  now.hour = tm.tm_hour;
  now.minute = tm.tm_min;
  now.second = tm.tm_sec;
  return now;
}

LocalDate Today() { return Now().date; }

}  // namespace scorewick
