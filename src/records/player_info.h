#pragma once
// Personal information of one roster player (331 bytes in a team file).
// The player's name is not repeated: it is the name of the roster player
// at the same index.

#include <cstdint>

#include "records/fixed_text.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.
#pragma pack(push, 1)
struct PLAYER_INFO {
  FixedText<25> phone;
  FixedText<100> address;
  FixedText<40> city;
  FixedText<40> state;
  FixedText<20> zip;
  std::int32_t birth_year = 0;
  std::uint8_t birth_day = 0;
  std::uint8_t birth_month = 0;
  FixedText<50> email;
  FixedText<50> note;

  bool operator==(const PLAYER_INFO&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kPlayerInfoSize = 331;
static_assert(sizeof(PLAYER_INFO) == kPlayerInfoSize);

// A new entry: every text empty and no birthday (all three parts 0) until
// one is entered.
PLAYER_INFO NewPlayerInfo();
// Whether info holds a birthday (a month and a day were entered).
bool HasBirthday(const PLAYER_INFO& info);

}  // namespace scorewick
