#include "exchange/palm_fields.h"

#include <cmath>
#include <utility>

namespace scorewick::palm {

void PutTag(ByteWriter& out, std::string_view three_letters) {
  std::uint8_t* p = out.Append(4);
  std::memcpy(p, three_letters.data(), std::min<std::size_t>(three_letters.size(), 3));
}

bool GetTag(ByteReader& in, std::string_view three_letters) {
  // Fewer than four bytes are no tag at all; the reader stays sound so that
  // the caller reports the stream as the wrong kind rather than damaged.
  if (in.remaining() < 4) return false;
  const std::uint8_t* p = in.Take(4, "the stream tag");
  return p && three_letters.size() == 3 && std::memcmp(p, three_letters.data(), 3) == 0 &&
         p[3] == 0;
}

std::uint8_t SpeedByte(float speed) {
  if (!std::isfinite(speed)) return 0;
  // fmod is exact, so this is the low 8 bits of the truncated value for
  // every finite speed, even one far outside the range of an int.
  double low = std::fmod(std::trunc(static_cast<double>(speed)), 256.0);
  return static_cast<std::uint8_t>(static_cast<int>(low) & 0xFF);
}

Status StreamDamaged(const ByteReader& in) {
  return Status::Broken(Fault::kDamaged, in.error(), static_cast<std::int64_t>(in.failed_at()));
}

Status StreamRefused(Fault fault, UserMessage message) {
  Status refused = Status::Broken(fault, message.text);
  refused.messages.push_back(std::move(message));
  return refused;
}

}  // namespace scorewick::palm
