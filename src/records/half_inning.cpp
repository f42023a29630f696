#include "records/half_inning.h"

namespace scorewick {

void HALF_INNING::Clear() {
  runs = hits = errors = left_on_base = 0;
  at_bats.clear();
  offense.clear();
  defense.clear();
}

}  // namespace scorewick
