#pragma once
// A fielder named in an at-bat's out, reach or error lists (33 bytes).

#include <cstdint>

#include "records/fixed_text.h"

namespace scorewick {

// Laid out exactly as stored (packed, little-endian fields), so that whole
// arrays of records move to and from files in one block.
#pragma pack(push, 1)
struct FIELDER_CREDIT {
  std::int32_t position = 0;  // Position code of the fielder
  NameText name;              // empty = no fielder
  std::int32_t credit = 0;    // out list: PutOutAssist; other lists: carried only

  bool operator==(const FIELDER_CREDIT&) const = default;
};
#pragma pack(pop)

inline constexpr std::size_t kFielderCreditSize = 33;
static_assert(sizeof(FIELDER_CREDIT) == kFielderCreditSize);

}  // namespace scorewick
