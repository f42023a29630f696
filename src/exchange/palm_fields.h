#pragma once
// The field codec of the Palm streams.  The handheld reads and writes its
// streams one field at a time, in a fixed order, with no padding between
// fields:
//
//   byte        1 byte, the low 8 bits of an integer (no range check);
//               widened signed (-128..127) or unsigned (0..255) on reading
//   character   1 byte, as held
//   text        n bytes of a fixed text field; a closed text has a zero in
//               its last byte, so at most n-1 characters travel
//   number      2 bytes, big-endian, the low 16 bits; sign-extended on
//               reading
//   tag         three letters and a zero byte, compared case-sensitively
//
// The functions work on the bounds-checked ByteReader/ByteWriter, so a
// stream that ends early fails the reader instead of reading past it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/fixed_text.h"
#include "records/status.h"
#include "records/user_message.h"

namespace scorewick::palm {

// --- writing ---

inline void PutByte(ByteWriter& out, std::int64_t value) {
  out.U8(static_cast<std::uint8_t>(value));
}
inline void PutChar(ByteWriter& out, std::uint8_t value) { out.U8(value); }
inline void PutNumber(ByteWriter& out, std::int64_t value) {
  out.U16BE(static_cast<std::uint16_t>(value));
}
// Writes three letters and a zero byte.
void PutTag(ByteWriter& out, std::string_view three_letters);

// The whole field as held, terminator and whatever lies behind it.
template <std::size_t N>
void PutText(ByteWriter& out, const FixedText<N>& text) {
  out.Text(text);
}
// The first n bytes of the field (n <= N), the last of them sent as zero.
template <std::size_t N>
void PutClosedText(ByteWriter& out, const FixedText<N>& text, std::size_t n = N) {
  std::uint8_t* p = out.Append(n);
  std::memcpy(p, text.bytes.data(), n - 1);
  p[n - 1] = 0;
}

// A pitch speed as the handheld keeps it: truncated toward zero to a whole
// number, low 8 bits.  A speed that is not a number travels as 0.
std::uint8_t SpeedByte(float speed);

// --- reading ---

inline std::int32_t GetSigned(ByteReader& in) { return static_cast<std::int8_t>(in.U8()); }
inline std::int32_t GetUnsigned(ByteReader& in) { return in.U8(); }
inline std::uint8_t GetChar(ByteReader& in) { return in.U8(); }
inline std::int32_t GetNumber(ByteReader& in) { return static_cast<std::int16_t>(in.U16BE()); }
// True when the next four bytes are the three letters and a zero byte
// (read past either way).  False, reading nothing, when fewer than four
// bytes remain.
bool GetTag(ByteReader& in, std::string_view three_letters);

// A stream that ended early or held an impossible value: the reader's
// error and where it broke.
Status StreamDamaged(const ByteReader& in);
// A stream of another kind (Fault::kWrongTag) or version
// (Fault::kBadVersion), with the message for the person.
Status StreamRefused(Fault fault, UserMessage message);

// Reads n raw bytes (n <= N) into the start of the field; the rest of the
// field becomes zero.  A damaged field with no terminator in the bytes read
// is closed in its last byte, so that the text is at most N-1 characters
// like every text the program keeps (and a file written from it reads
// back).
template <std::size_t N>
void GetText(ByteReader& in, FixedText<N>& text, std::size_t n = N) {
  text.clear();
  in.Bytes(text.bytes.data(), n);
  if (!text.terminated()) text.bytes[N - 1] = '\0';
}

// --- whole records ---
//
// A fixed-size record (a 1012-byte at-bat, a 9-byte reference) is secured
// in one bounds check (ByteReader::Take, ByteWriter::Append) and then coded
// field by field without further checks.

class RecordWriter {
 public:
  explicit RecordWriter(std::uint8_t* p) : p_(p) {}
  void Byte(std::int64_t value) { *p_++ = static_cast<std::uint8_t>(value); }
  void Char(std::uint8_t value) { *p_++ = value; }
  void Number(std::int64_t value) {
    p_[0] = static_cast<std::uint8_t>(value >> 8);
    p_[1] = static_cast<std::uint8_t>(value);
    p_ += 2;
  }

 private:
  std::uint8_t* p_;
};

class RecordReader {
 public:
  // at is the stream offset of p, for messages.
  RecordReader(const std::uint8_t* p, std::size_t at) : start_(p), p_(p), at_(at) {}
  std::int32_t Signed() { return static_cast<std::int8_t>(*p_++); }
  std::int32_t Unsigned() { return *p_++; }
  std::uint8_t Char() { return *p_++; }
  std::int32_t Number() {
    auto v = static_cast<std::int16_t>(std::uint16_t(p_[0]) << 8 | p_[1]);
    p_ += 2;
    return v;
  }
  void Skip(std::size_t n) { p_ += n; }
  // Stream offset of the next byte.
  std::size_t offset() const { return at_ + static_cast<std::size_t>(p_ - start_); }
  // Records the first impossible value; the caller fails its ByteReader.
  void Fail(std::string what) {
    if (error_.empty()) error_ = std::move(what);
  }
  const std::string& error() const { return error_; }

 private:
  const std::uint8_t* start_;
  const std::uint8_t* p_;
  std::size_t at_;
  std::string error_;
};

}  // namespace scorewick::palm
