#include "records/pitch_sequence.h"

#include <cstddef>

#include "records/codes.h"

namespace scorewick {

namespace {

bool IsStoredEntry(int entry) { return entry >= 0 && entry < kMaxPitches; }

}  // namespace

int AdvanceSlotOfEntry(const AT_BAT& ab, int entry) {
  if (!IsStoredEntry(entry)) return -1;
  int bases = 0;
  for (int i = 0; i < entry; ++i) {
    const std::int32_t event = ab.pitches[static_cast<std::size_t>(i)].event;
    if (event == kEventReached) {
      bases += ReachBases(ab.how_reached);
    } else if (event == kEventAdvance) {
      bases += 1;
    }
  }
  return bases >= 1 && bases <= 3 ? bases - 1 : -1;
}

std::string_view PitchEntryName(const AT_BAT& ab, int entry) {
  if (!IsStoredEntry(entry)) return {};
  const std::int32_t event = ab.pitches[static_cast<std::size_t>(entry)].event;
  switch (event) {
    case kEventReached:
      return ReachName(ab.how_reached);
    case kEventOut:
      return OutName(ab.how_out);
    case kEventAdvance: {
      const int slot = AdvanceSlotOfEntry(ab, entry);
      if (slot < 0) return AdvanceName(kAdvNone);
      return AdvanceName(ab.advances[static_cast<std::size_t>(slot)]);
    }
    default:
      return PitchEventName(event);
  }
}

}  // namespace scorewick
