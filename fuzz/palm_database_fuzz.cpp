// Feeds arbitrary bytes to the Palm database unwrapper and the kind probe.
// A stream that unwraps must wrap and unwrap again to the same bytes.
#include <cstdint>
#include <vector>

#include "exchange/palm_database.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> db(data, size);
  (void)scorewick::PalmStreamKindOf(db);
  std::vector<std::uint8_t> stream;
  if (!scorewick::DecodePalmStream(db, stream)) return 0;
  if (stream.size() > size) __builtin_trap();
  std::vector<std::uint8_t> again;
  if (!scorewick::DecodePalmStream(scorewick::EncodePalmStreamDatabase(stream, "f.pdb", 0),
                                   again) ||
      again != stream)
    __builtin_trap();
  return 0;
}
