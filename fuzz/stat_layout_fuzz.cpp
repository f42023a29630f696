// Feeds arbitrary text to the statistics layout reader of every table.
// The layout it reads must write a text that reads back to that layout.
#include <cstdint>
#include <string_view>

#include "stats/stat_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int t = 0; t < scorewick::kStatTableCount; ++t) {
    const auto table = static_cast<scorewick::StatTable>(t);
    const scorewick::StatLayout layout = scorewick::ParseLayout(table, text);
    if (layout.size() != scorewick::DefaultLayout(table).size()) __builtin_trap();
    if (scorewick::ParseLayout(table, scorewick::LayoutText(layout)) != layout) __builtin_trap();
    (void)scorewick::ShownColumns(layout);
  }
  return 0;
}
