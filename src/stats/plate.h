#pragma once
// A plate appearance as the counting reads it: the codes, counts and the
// pitch sequence of a box of the score sheet, copied out of the packed
// record into ordinary aligned values once, so that every step of the
// counting computes on plain integers.  Names, credits and pitch details
// are read from the record itself (their fields are byte arrays and
// single-byte-aligned records).

#include <array>
#include <cstdint>

#include "records/at_bat.h"
#include "records/code_classes.h"

namespace scorewick::counting {

struct Plate {
  const AT_BAT* record = nullptr;
  bool reached = false;
  bool out = false;
  bool scored = false;
  bool earned = false;
  std::int32_t how_reached = 0;  // ReachResult, whether or not he reached
  std::int32_t how_out = 0;      // OutType, whether or not he was out
  std::int32_t result = -1;      // how_reached when he reached, else -1
  std::int32_t out_code = -1;    // how_out when he was out, else -1
  std::int32_t bases_reached = 0;
  std::int32_t rbi = 0;
  std::int32_t last_pitch = -1;
  int pitch_count = 0;  // entries of the sequence in use, 0..25
  std::array<std::int32_t, kMaxPitches> events{};
  std::array<std::int32_t, 3> advances{};
  std::array<std::int32_t, kBases> error_kinds{};
  std::array<std::int32_t, kBases> second_error_kinds{};
  int out_credit_count = 0;    // within 0..kMaxCredits
  int reach_credit_count = 0;  // within 0..kMaxCredits
  int pitcher_count = 1;       // pitchers who faced him, 1..3
  std::array<std::int32_t, kMaxPitchersPerAtBat> slot_last_pitch{};
  bool official = false;  // an official at-bat

  // Copies the record's values (keeping a pointer to the record).  The
  // batting counts need no pitches: without with_pitches the pitch
  // sequence, the error kinds and the pitchers' last pitches are left as
  // they were.
  void Take(const AT_BAT& ab, bool with_pitches = true);
  // He has a result or an out: the pitcher faced him.
  bool faced() const { return reached || out; }
  const PLAYER& pitcher(int slot) const {
    return record->pitchers[static_cast<std::size_t>(slot)].pitcher;
  }
  const PLAYER& finishing_pitcher() const { return pitcher(pitcher_count - 1); }
  const FIELDER_CREDIT& out_credit(int k) const {
    return record->out_credits[static_cast<std::size_t>(k)];
  }
  const FIELDER_CREDIT& reach_credit(int k) const {
    return record->reach_credits[static_cast<std::size_t>(k)];
  }
};

// An official at-bat: a result or an out that is neither a walk, a hit
// batter, interference, the tie-breaker runner nor a sacrifice of any kind
// (the sacrifice fly that ends in a double play included).
inline bool IsOfficialAtBat(std::int32_t result, std::int32_t out_code) {
  if (result < 0 && out_code < 0) return false;
  return !IsReachWithoutAtBat(result) && !IsSacrificeOut(out_code);
}

}  // namespace scorewick::counting
