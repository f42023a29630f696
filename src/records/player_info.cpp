#include "records/player_info.h"

namespace scorewick {

PLAYER_INFO NewPlayerInfo() { return PLAYER_INFO{}; }

bool HasBirthday(const PLAYER_INFO& info) {
  return info.birth_month >= 1 && info.birth_month <= 12 && info.birth_day >= 1 &&
         info.birth_day <= 31;
}

}  // namespace scorewick
