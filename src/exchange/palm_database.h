#pragma once
// The Palm stream database (.pdb): how a Palm team or game stream travels
// to and from the handheld.  The stream is cut into blocks of 4096 bytes;
// each block is one database record tagged "DBLK".  All numbers in the
// file are big-endian; dates count seconds from 1 January 1904.
//
//   0    database name, 32 bytes, zero-padded (at most 31 characters)
//   32   attributes 0x0088 (backup + file stream), 34 version 0
//   36   creation date, 40 modification date (the same), 44 backup date 0
//   48   modification number, 52 app info offset, 56 sort info offset: 0
//   60   type "strm", 64 creator "Wkzr", 68 unique ID seed 0, 72 next list 0
//   76   record count N (16-bit)
//   78   N entries of 8 bytes: offset 80 + 8N + 4104i, attributes 0x40
//        (dirty), unique ID 0 (3 bytes)
//   78+8N  the gap "ZZ"
//   80+8N  the blocks: "DBLK", data length D (32-bit), D bytes of stream;
//        every block but the last carries 4096 bytes.
//
// The header, record list and gap are multiples of 4 bytes long, as is a
// full block, so every block starts on a multiple of 4; readers find the
// blocks by scanning the file in steps of 4 bytes for the tag.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"
#include "records/user_message.h"

namespace scorewick {

inline constexpr std::size_t kPalmHeaderSize = 78;
inline constexpr std::size_t kPalmNameSize = 32;
inline constexpr std::size_t kPalmBlockData = 4096;
inline constexpr std::size_t kPalmBlockSize = 8 + kPalmBlockData;
inline constexpr std::size_t kPalmMaxRecords = 0xFFFF;
// Seconds from 1 January 1904 to 1 January 1970.
inline constexpr std::uint32_t kPalmEpochOffset = 2082844800u;

// What a database's first block holds, by the tag its stream starts with.
enum class PalmKind : int { kNeither = -1, kTeam = 0, kGame = 1 };

// The database name a target path gives: the part after the last folder
// separator ('/' or '\'), cut at its first ".pdb" (case-sensitive), at most
// 31 characters.  "x/Tigers.pdb.pdb" gives "Tigers".
std::string PalmDatabaseName(std::string_view database_path);
// A calendar time as the handheld counts it (seconds since 1904, low 32 bits).
std::uint32_t PalmTime(std::time_t t);

// --- in memory ---

// The database holding stream, named after database_path, dated palm_time.
// The stream must have at most 65535 blocks (about 268 MB); callers check
// PalmStreamFits first.
std::vector<std::uint8_t> EncodePalmStreamDatabase(std::span<const std::uint8_t> stream,
                                                   std::string_view database_path,
                                                   std::uint32_t palm_time);
bool PalmStreamFits(std::size_t stream_length);

// Concatenates the data of every "DBLK" block of database into stream
// (replacing its content).  The scan starts after the 32-byte name, which
// is free text and must never be taken for a block.  A database without
// blocks gives an empty stream.  Fails with Fault::kDamaged, the reason
// saying where and why, when a block claims more than 4096 bytes or more
// than the file holds, or the file ends inside a block's length.
Status DecodePalmStream(std::span<const std::uint8_t> database, std::vector<std::uint8_t>& stream);

// The kind of stream in the first block: "tem" and a zero byte is a team,
// "gam" and a zero byte a game; anything else, or no block, is neither.
PalmKind PalmStreamKindOf(std::span<const std::uint8_t> database);

// --- files ---

// Writes stream as a database at database_path (atomically: a file that
// was there stays whole until the new one is complete), dated now.  Fails,
// with the reason and no message, when it cannot be written.
Status WritePalmStreamDatabase(std::span<const std::uint8_t> stream,
                               const std::string& database_path);
// The same for the first length bytes of the file at source_path; fails
// also when the source cannot be read or holds fewer than length bytes.
Status WritePalmStreamDatabase(const std::string& source_path, const std::string& database_path,
                               std::size_t length);

// Reads the database at database_path and unwraps its stream into stream.
// A database that cannot be opened is refused with "Could not Open Input
// File" (caption "Error"); a damaged one with where it breaks.
Status ExtractPalmStream(const std::string& database_path, std::vector<std::uint8_t>& stream);
// The same, writing the stream to the file at stream_path (created or
// replaced); a stream file that cannot be written is refused with "Could
// not Open Output File" (caption "Error").
Status ExtractPalmStream(const std::string& database_path, const std::string& stream_path);

// The kind of the database at database_path; kNeither also when the file
// cannot be read.
PalmKind PalmStreamKind(const std::string& database_path);

UserMessage CouldNotOpenInputFileMessage();
UserMessage CouldNotOpenOutputFileMessage();

}  // namespace scorewick
