#include "records/byte_reader.h"

#include <cstring>

namespace scorewick {

void ByteReader::Fail(const std::string& what, std::size_t at) {
  if (error_.empty()) {
    error_ = what;
    failed_at_ = at == kHere ? pos_ : at;
  }
  pos_ = bytes_.size();
}

bool ByteReader::Need(std::size_t count, const char* what) {
  if (!ok()) return false;
  if (count > bytes_.size() - pos_) {
    Fail(std::string("the data ends inside ") + what + " at byte " + std::to_string(pos_) + " (" +
         std::to_string(bytes_.size() - pos_) + " of " + std::to_string(count) + " bytes present)");
    return false;
  }
  return true;
}

void ByteReader::Skip(std::size_t count) {
  if (Need(count, "skipped bytes")) pos_ += count;
}

const std::uint8_t* ByteReader::Take(std::size_t count, const char* what) {
  if (!Need(count, what)) return nullptr;
  const std::uint8_t* p = bytes_.data() + pos_;
  pos_ += count;
  return p;
}

void ByteReader::Bytes(void* out, std::size_t count) {
  if (!Need(count, "a field")) {
    std::memset(out, 0, count);
    return;
  }
  std::memcpy(out, bytes_.data() + pos_, count);
  pos_ += count;
}

std::uint8_t ByteReader::U8() {
  if (!Need(1, "a byte field")) return 0;
  return bytes_[pos_++];
}

std::uint32_t ByteReader::U32() {
  if (!Need(4, "a 32-bit field")) return 0;
  const std::uint8_t* p = bytes_.data() + pos_;
  pos_ += 4;
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

std::int32_t ByteReader::I32() { return static_cast<std::int32_t>(U32()); }

std::uint16_t ByteReader::U16BE() {
  if (!Need(2, "a 16-bit field")) return 0;
  const std::uint8_t* p = bytes_.data() + pos_;
  pos_ += 2;
  return static_cast<std::uint16_t>(std::uint16_t(p[0]) << 8 | p[1]);
}

std::int32_t ByteReader::Count(std::size_t element_size, const char* what, bool negative_is_empty) {
  std::size_t at = pos_;
  std::int32_t count = I32();
  if (!ok()) return -1;
  if (count < 0) {
    if (negative_is_empty) return 0;
    Fail(std::string("negative ") + what + " (" + std::to_string(count) + ") at byte " +
         std::to_string(at));
    return -1;
  }
  if (element_size != 0 &&
      static_cast<std::uint64_t>(count) * element_size > bytes_.size() - pos_) {
    Fail(std::string(what) + " " + std::to_string(count) + " at byte " + std::to_string(at) +
         " needs " + std::to_string(static_cast<std::uint64_t>(count) * element_size) +
         " bytes but only " + std::to_string(bytes_.size() - pos_) + " remain");
    return -1;
  }
  return count;
}

}  // namespace scorewick
