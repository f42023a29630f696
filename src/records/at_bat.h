#pragma once
// One box of the score sheet (AT_BAT, 5405 bytes): a batter's turn at the
// plate and that player's trip around the bases for the rest of the
// half-inning.

#include <array>
#include <cstdint>

#include "records/fielder_credit.h"
#include "records/pitch.h"
#include "records/player.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.  A field of a
// packed record may lie at any address: read it in place (ab.balls), but
// copy it before a reference is bound to it (std::min(+ab.balls, 3), a
// test's EXPECT_EQ(+ab.balls, 3)).
#pragma pack(push, 1)
// A pitcher who faced the batter (53 bytes).  last_pitch is the index of
// the last pitch he threw in this turn, or -1 while he is still pitching.
struct PITCHER_SLOT {
  PLAYER pitcher;
  std::int32_t last_pitch = -1;

  bool operator==(const PITCHER_SLOT&) const = default;
};

inline constexpr int kMaxPitchersPerAtBat = 3;
inline constexpr int kMaxPitches = 25;
inline constexpr int kMaxCredits = 10;
inline constexpr int kBases = 4;             // first, second, third, home
inline constexpr std::int32_t kNoHitX = 83;  // the point (83, 117) = no location
inline constexpr std::int32_t kNoHitY = 117;

struct AT_BAT {
  std::array<PITCHER_SLOT, kMaxPitchersPerAtBat> pitchers{};
  std::array<PITCH_DATA, kMaxPitches> pitch_details{};
  PLAYER responsible_pitcher;
  PLAYER batter;
  PLAYER pinch_runner;  // empty or equal to batter = none
  std::int32_t strikes = 0;
  std::int32_t balls = 0;
  std::uint8_t reached = 0;
  std::int32_t how_reached = 0;    // ReachResult
  std::int32_t bases_reached = 0;  // 0 none, 1..3, 4 home; with out: out at the next base
  std::int32_t rbi = 0;
  std::uint8_t out = 0;
  std::int32_t how_out = 0;  // OutType
  std::uint8_t scored = 0;
  std::uint8_t earned = 0;
  std::int32_t box_number = 0;
  std::int32_t out_credit_count = 0;
  std::array<FIELDER_CREDIT, kMaxCredits> out_credits{};
  std::int32_t reach_credit_count = 0;
  std::array<FIELDER_CREDIT, kMaxCredits> reach_credits{};
  std::array<FIELDER_CREDIT, kBases> error_credits{};  // per base reached on an error
  // Plain arrays: the record is packed, and a plain array's elements may be
  // used where they lie whatever their alignment.
  std::int32_t error_kinds[kBases]{};  // ErrorType
  std::int32_t error_bases[kBases]{};  // bases gained on that error
  std::array<FIELDER_CREDIT, kBases> second_error_credits{};
  std::int32_t second_error_kinds[kBases]{};
  std::int32_t advances[3]{};    // AdvanceType: 1st->2nd, 2nd->3rd, 3rd->home
  std::int32_t hit_x = kNoHitX;  // field picture coordinates
  std::int32_t hit_y = kNoHitY;
  std::int32_t last_pitch = -1;  // index of the last entry used in pitches
  std::array<PITCH, kMaxPitches> pitches{};
  std::int32_t tail_value1 = 0;  // carried only
  std::uint8_t tail_flag = 0;    // carried only
  std::int32_t tail_value2 = 0;  // carried only
  std::int32_t tail_value3 = 0;  // carried only

  bool operator==(const AT_BAT&) const = default;

  bool HasHitLocation() const { return !(hit_x == kNoHitX && hit_y == kNoHitY); }
  // Number of pitch details in use; they fill from the front, so this is
  // also the index of the next free one.
  int PitchDetailsInUse() const;
  // Number of pitchers who faced the batter (1 to 3); the last of them
  // finished the turn.
  int PitcherCount() const;
  // Number of entries of the pitch sequence (last_pitch + 1, within 0..25).
  int PitchCount() const;
};
#pragma pack(pop)

inline constexpr std::size_t kPitcherSlotSize = 53;
inline constexpr std::size_t kAtBatSize = 5405;
static_assert(sizeof(PITCHER_SLOT) == kPitcherSlotSize && sizeof(AT_BAT) == kAtBatSize);

}  // namespace scorewick
