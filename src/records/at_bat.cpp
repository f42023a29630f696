#include "records/at_bat.h"

#include <algorithm>

namespace scorewick {

int AT_BAT::PitchDetailsInUse() const {
  return static_cast<int>(std::count_if(pitch_details.begin(), pitch_details.end(),
                                        [](const PITCH_DATA& d) { return d.valid != 0; }));
}

int AT_BAT::PitcherCount() const {
  if (!pitchers[2].pitcher.name.empty()) return 3;
  if (!pitchers[1].pitcher.name.empty()) return 2;
  return 1;
}

int AT_BAT::PitchCount() const { return std::clamp(last_pitch + 1, 0, kMaxPitches); }

}  // namespace scorewick
