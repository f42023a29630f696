#pragma once
// The local calendar date and time of day, read once per call.

#include <compare>

namespace scorewick {

struct LocalDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31

  auto operator<=>(const LocalDate&) const = default;
};

struct LocalDateTime {
  LocalDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDate Today();
LocalDateTime Now();

}  // namespace scorewick
