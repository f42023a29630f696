// Feeds arbitrary text to the settings file reader.  What it reads must
// write a text that reads back to the same settings, and writing is then
// stable: the text of what was read back is the same text.
#include <cstdint>
#include <string_view>

#include "app/core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using scorewick::app::Settings;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Settings first = scorewick::app::DefaultSettings(1024, 768, "/start");
  scorewick::app::ReadSettingsText(text, first);
  const std::string written = scorewick::app::SettingsText(first);
  Settings again = scorewick::app::DefaultSettings(1024, 768, "/start");
  scorewick::app::ReadSettingsText(written, again);
  if (scorewick::app::SettingsText(again) != written) __builtin_trap();
  return 0;
}
