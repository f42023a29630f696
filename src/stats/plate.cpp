#include "stats/plate.h"

#include <algorithm>

namespace scorewick::counting {

void Plate::Take(const AT_BAT& ab, bool with_pitches) {
  record = &ab;
  reached = ab.reached != 0;
  out = ab.out != 0;
  scored = ab.scored != 0;
  earned = ab.earned != 0;
  how_reached = ab.how_reached;
  how_out = ab.how_out;
  result = reached ? how_reached : -1;
  out_code = out ? how_out : -1;
  bases_reached = ab.bases_reached;
  rbi = ab.rbi;
  last_pitch = ab.last_pitch;
  for (std::size_t b = 0; b < advances.size(); ++b) advances[b] = ab.advances[b];
  const std::int32_t reaches_listed = ab.reach_credit_count;
  reach_credit_count = std::clamp(reaches_listed, 0, kMaxCredits);
  official = IsOfficialAtBat(result, out_code);
  if (!with_pitches) return;
  pitch_count = std::clamp(last_pitch + 1, 0, kMaxPitches);
  for (int p = 0; p < pitch_count; ++p)
    events[static_cast<std::size_t>(p)] = ab.pitches[static_cast<std::size_t>(p)].event;
  for (std::size_t b = 0; b < error_kinds.size(); ++b) {
    error_kinds[b] = ab.error_kinds[b];
    second_error_kinds[b] = ab.second_error_kinds[b];
  }
  const std::int32_t outs_listed = ab.out_credit_count;
  out_credit_count = std::clamp(outs_listed, 0, kMaxCredits);
  pitcher_count = ab.PitcherCount();
  for (std::size_t s = 0; s < slot_last_pitch.size(); ++s)
    slot_last_pitch[s] = ab.pitchers[s].last_pitch;
}

}  // namespace scorewick::counting
