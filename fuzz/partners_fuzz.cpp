// Feeds arbitrary text to the Pocket PC partners file parser.  No folder it
// hands out may hold a control character or be empty, and no name may
// span lines.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "exchange/pocket_pc_partners.h"

namespace {

bool HoldsControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const auto& partner : scorewick::ParsePartners(text)) {
    if (partner.key.find('\n') != std::string::npos ||
        partner.display_name.find('\n') != std::string::npos)
      __builtin_trap();
    if (partner.sync_folder && (partner.sync_folder->empty() || HoldsControl(*partner.sync_folder)))
      __builtin_trap();
    if (partner.sync_folder && !partner.refusal.empty()) __builtin_trap();
  }
  return 0;
}
