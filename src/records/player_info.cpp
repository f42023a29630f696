#include "records/player_info.h"

#include "records/local_date.h"

namespace scorewick {

PLAYER_INFO NewPlayerInfo() {
  PLAYER_INFO info;
  LocalDate today = Today();
  info.birth_year = today.year;
  info.birth_day = static_cast<std::uint8_t>(today.day);
  info.birth_month = static_cast<std::uint8_t>(today.month);
  return info;
}

}  // namespace scorewick
