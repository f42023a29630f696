#include "records/byte_writer.h"

#include <cstring>

namespace scorewick {

void ByteWriter::U32(std::uint32_t v) {
  std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                       std::uint8_t(v >> 24)};
  out_.insert(out_.end(), b, b + 4);
}

void ByteWriter::I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }

void ByteWriter::U16BE(std::uint16_t v) {
  out_.push_back(std::uint8_t(v >> 8));
  out_.push_back(std::uint8_t(v));
}

void ByteWriter::U32BE(std::uint32_t v) {
  std::uint8_t b[4] = {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8),
                       std::uint8_t(v)};
  out_.insert(out_.end(), b, b + 4);
}

void ByteWriter::Bytes(const void* data, std::size_t count) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  out_.insert(out_.end(), p, p + count);
}

}  // namespace scorewick
