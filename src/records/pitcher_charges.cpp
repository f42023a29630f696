#include "records/pitcher_charges.h"

#include <algorithm>

#include "records/codes.h"

namespace scorewick {

int ResultEntry(const AT_BAT& ab) {
  const int last = std::min(int{ab.last_pitch}, kMaxPitches - 1);
  for (int q = 0; q <= last; ++q) {
    const std::int32_t event = ab.pitches[static_cast<std::size_t>(q)].event;
    if (event == kEventReached || event == kEventOut) return q;
  }
  return -1;
}

int SlotOfEntry(const AT_BAT& ab, int entry) {
  const int count = ab.PitcherCount();
  for (int slot = 0; slot + 1 < count; ++slot) {
    const std::int32_t last = ab.pitchers[static_cast<std::size_t>(slot)].last_pitch;
    if (last >= 0 && entry <= last) return slot;
  }
  return count - 1;
}

const PLAYER& PitcherFacing(const AT_BAT& ab) {
  const bool walked =
      ab.reached && (ab.how_reached == kReachWalk || ab.how_reached == kReachIntentionalWalk);
  if (walked && !ab.responsible_pitcher.name.empty()) {
    for (int slot = 0; slot < ab.PitcherCount(); ++slot) {
      if (ab.pitchers[static_cast<std::size_t>(slot)].pitcher.name == ab.responsible_pitcher.name)
        return ab.responsible_pitcher;
    }
  }
  const int result = ResultEntry(ab);
  const int slot = result >= 0 ? SlotOfEntry(ab, result) : ab.PitcherCount() - 1;
  return ab.pitchers[static_cast<std::size_t>(slot)].pitcher;
}

namespace {

// Whether an entry was made as a runner and names its moment.
bool NamesMoment(const PITCH& p) { return p.detail.pitcher.entry_value < 0; }

}  // namespace

std::string_view PitcherOfEntry(const std::vector<PLAYER>& defense, const AT_BAT& ab, int entry) {
  const PITCH& p = ab.pitches[static_cast<std::size_t>(std::clamp(entry, 0, kMaxPitches - 1))];
  const int result = ResultEntry(ab);
  if (result >= 0 && entry > result && NamesMoment(p) && !p.detail.pitcher.name.empty()) {
    const std::string_view named = p.detail.pitcher.name.view();
    const bool pitches = std::any_of(defense.begin(), defense.end(), [named](const PLAYER& d) {
      return d.position == kPosPitcher && d.name.view() == named;
    });
    if (pitches) return named;
  }
  return ab.pitchers[static_cast<std::size_t>(SlotOfEntry(ab, entry))].pitcher.name.view();
}

int OutsRecorded(const HALF_INNING& half, std::string_view pitcher) {
  int outs = 0;
  for (const AT_BAT& ab : half.at_bats) {
    const int last = std::min(int{ab.last_pitch}, kMaxPitches - 1);
    for (int q = 0; q <= last; ++q) {
      if (ab.pitches[static_cast<std::size_t>(q)].event != kEventOut) continue;
      if (PitcherOfEntry(half.defense, ab, q) == pitcher) ++outs;
    }
  }
  return outs;
}

PlayMoment MomentOf(const AT_BAT& ab, int index, int entry) {
  const PITCH& p = ab.pitches[static_cast<std::size_t>(std::clamp(entry, 0, kMaxPitches - 1))];
  if (NamesMoment(p)) return {p.detail.pitcher.batting_order, -2 - p.detail.pitcher.entry_value};
  return {index, entry};
}

void MarkRunnerEntry(PITCH& entry, PlayMoment moment, const PLAYER& on_mound) {
  const std::int32_t own = entry.detail.pitcher.entered_inning;
  entry.detail.pitcher = on_mound;
  entry.detail.pitcher.batting_order = moment.at_bat;
  entry.detail.pitcher.entered_inning = own;
  entry.detail.pitcher.entry_value = -2 - moment.entry;
}

int PinchRunnerFrom(const AT_BAT& ab) {
  const std::int32_t v = ab.pinch_runner.entry_value;
  return v < 0 ? -1 - v : 0;
}

void MarkPinchRunnerFrom(AT_BAT& ab, int n) { ab.pinch_runner.entry_value = -1 - n; }

}  // namespace scorewick
