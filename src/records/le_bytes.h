#pragma once
// Little-endian loads and stores at a raw position.  Callers have checked
// that the bytes are there (ByteReader::Take, ByteWriter::Append).

#include <cstdint>
#include <cstring>

namespace scorewick::le {

inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}
inline std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }
inline std::int16_t LoadI16(const std::uint8_t* p) {
  return static_cast<std::int16_t>(std::uint16_t(p[0]) | std::uint16_t(p[1]) << 8);
}
inline float LoadF32(const std::uint8_t* p) {
  std::uint32_t bits = LoadU32(p);
  float v;
  std::memcpy(&v, &bits, 4);
  return v;
}

inline void StoreU32(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
  p[2] = std::uint8_t(v >> 16);
  p[3] = std::uint8_t(v >> 24);
}
inline void StoreI32(std::uint8_t* p, std::int32_t v) {
  StoreU32(p, static_cast<std::uint32_t>(v));
}

}  // namespace scorewick::le
