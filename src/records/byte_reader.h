#pragma once
// Bounds-checked decoding of a byte buffer.  Every read checks the bytes
// left; the first read that runs past the end (or an explicit Fail) puts the
// reader into a failed state with a message naming the byte offset, and all
// later reads return zeros.  Callers check ok() at the points where a failed
// read would matter (before allocating for a count, at the end of a record).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "records/fixed_text.h"

namespace scorewick {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  // The byte at which the first failure was found (0 while ok()).
  std::size_t failed_at() const { return failed_at_; }
  std::size_t position() const { return pos_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t remaining() const { return ok() ? bytes_.size() - pos_ : 0; }
  std::span<const std::uint8_t> bytes() const { return bytes_; }

  // Records the first failure, found at byte at (by default the reader's
  // position); later failures keep the first message.
  void Fail(const std::string& what, std::size_t at = kHere);
  void Skip(std::size_t count);

  std::uint8_t U8();
  std::int32_t I32();
  std::uint32_t U32();
  std::uint16_t U16BE();
  // Copies count bytes; on failure the destination is zero-filled.
  void Bytes(void* out, std::size_t count);
  // Returns the next count bytes and moves past them, or nullptr (and the
  // reader fails, naming what) when fewer remain.
  const std::uint8_t* Take(std::size_t count, const char* what);

  // Reads an N-byte text field.  A field without a terminator is damaged:
  // the read fails, naming what was being read.
  template <std::size_t N>
  void Text(FixedText<N>& out, const char* what) {
    std::size_t at = pos_;
    Bytes(out.bytes.data(), N);
    if (ok() && !out.terminated()) {
      Fail(std::string(what) + " has no terminator at byte " + std::to_string(at), at);
    }
  }

  // Reads an element count and checks that the bytes left can hold that
  // many elements of element_size bytes.  Negative counts are taken as 0
  // when negative_is_empty is set (the file formats write no elements for
  // them), and refused otherwise.  Returns -1 after a failure.
  std::int32_t Count(std::size_t element_size, const char* what, bool negative_is_empty);

 private:
  static constexpr std::size_t kHere = static_cast<std::size_t>(-1);
  bool Need(std::size_t count, const char* what);

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  std::string error_;
  std::size_t failed_at_ = 0;
};

}  // namespace scorewick
