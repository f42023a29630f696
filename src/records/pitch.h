#pragma once
// The details of one pitch (PITCH_DATA, 77 bytes) and one entry of an
// at-bat's pitch sequence (PITCH, 85 bytes).

#include <cstdint>

#include "records/player.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.
#pragma pack(push, 1)
struct PITCH_DATA {
  std::int32_t pitch_type = 11;  // PitchType; 11 = Other
  PLAYER pitcher;
  std::int32_t location_x = 59;  // strike-zone picture coordinates
  std::int32_t location_y = 94;
  float speed = 80.0f;  // one decimal place
  std::uint8_t hit = 0;
  std::uint8_t strike = 0;  // 1 strike, 0 ball
  std::uint8_t valid = 0;   // entry in use
  std::uint8_t right_handed_batter = 1;
  std::int32_t strike_type = 0;  // StrikeType when strike = 1
  std::int32_t ball_type = 0;    // BallType when strike = 0

  bool operator==(const PITCH_DATA&) const = default;
};

// An entry of the pitch sequence.  The sequence lists the pitches to the
// batter and then every later event of the same player as a runner.  An
// entry whose event is 0 or 8..12 carries no detail; the others carry a
// copy of the detail valid when they were recorded, whose pitcher copy
// holds the at-bat index in batting_order and this entry's index in
// entered_inning.
struct PITCH {
  std::int32_t event = 0;  // PitchEvent
  std::int16_t balls_before = 0;
  std::int16_t strikes_before = 0;
  PITCH_DATA detail;

  bool operator==(const PITCH&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kPitchDataSize = 77;
inline constexpr std::size_t kPitchSize = 85;
static_assert(sizeof(PITCH_DATA) == kPitchDataSize && sizeof(PITCH) == kPitchSize);

}  // namespace scorewick
