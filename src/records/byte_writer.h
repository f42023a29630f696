#pragma once
// Encoding into a growing byte buffer, little-endian unless a BE suffix
// says otherwise.  The buffer is owned by the caller so that repeated
// encodes can reuse its capacity.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/fixed_text.h"

namespace scorewick {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  std::size_t position() const { return out_.size(); }

  void U8(std::uint8_t v) { out_.push_back(v); }
  void I32(std::int32_t v);
  void U32(std::uint32_t v);
  void U16BE(std::uint16_t v);
  void U32BE(std::uint32_t v);
  void Bytes(const void* data, std::size_t count);
  // Appends count zero bytes and returns where they start (valid until the
  // next append).
  std::uint8_t* Append(std::size_t count) {
    std::size_t at = out_.size();
    out_.resize(at + count);
    return out_.data() + at;
  }
  void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }

  template <std::size_t N>
  void Text(const FixedText<N>& text) {
    Bytes(text.bytes.data(), N);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace scorewick
