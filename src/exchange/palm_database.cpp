#include "exchange/palm_database.h"

#include <algorithm>
#include <cstring>

#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/file_io.h"

namespace scorewick {
namespace {

constexpr std::uint16_t kAttributes = 0x0088;  // backup flag 0x0008 + file stream 0x0080
constexpr std::uint8_t kRecordDirty = 0x40;
constexpr char kBlockTag[4] = {'D', 'B', 'L', 'K'};

std::size_t BlockCount(std::size_t length) {
  return (length + kPalmBlockData - 1) / kPalmBlockData;
}

bool IsBlockTag(const std::uint8_t* p) { return std::memcmp(p, kBlockTag, 4) == 0; }

std::uint32_t LoadU32BE(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 |
         std::uint32_t(p[3]);
}

// Offset of the first block tag at or after from, on a multiple of 4, or
// the database's size when there is none.
std::size_t NextBlock(std::span<const std::uint8_t> db, std::size_t from) {
  while (from + 4 <= db.size()) {
    if (IsBlockTag(db.data() + from)) return from;
    from += 4;
  }
  return db.size();
}

}  // namespace

std::string PalmDatabaseName(std::string_view database_path) {
  std::size_t slash = database_path.find_last_of("/\\");
  std::string_view name =
      slash == std::string_view::npos ? database_path : database_path.substr(slash + 1);
  name = name.substr(0, name.find(".pdb"));
  return std::string(name.substr(0, kPalmNameSize - 1));
}

std::uint32_t PalmTime(std::time_t t) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(t) + kPalmEpochOffset);
}

bool PalmStreamFits(std::size_t stream_length) {
  return BlockCount(stream_length) <= kPalmMaxRecords;
}

std::vector<std::uint8_t> EncodePalmStreamDatabase(std::span<const std::uint8_t> stream,
                                                   std::string_view database_path,
                                                   std::uint32_t palm_time) {
  const std::size_t n = BlockCount(stream.size());
  const std::size_t first = kPalmHeaderSize + 8 * n + 2;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(first + 8 * n + stream.size());
  ByteWriter out(bytes);

  std::string name = PalmDatabaseName(database_path);
  std::memcpy(out.Append(kPalmNameSize), name.data(), name.size());
  out.U16BE(kAttributes);
  out.U16BE(0);          // version
  out.U32BE(palm_time);  // created
  out.U32BE(palm_time);  // modified
  out.Zeros(4 * 4);      // backup date, modification number, app info, sort info
  out.Bytes("strm", 4);
  out.Bytes("Wkzr", 4);
  out.Zeros(4 * 2);  // unique ID seed, next record list
  out.U16BE(static_cast<std::uint16_t>(n));

  for (std::size_t i = 0; i < n; ++i) {
    out.U32BE(static_cast<std::uint32_t>(first + kPalmBlockSize * i));
    out.U8(kRecordDirty);
    out.Zeros(3);
  }
  out.Bytes("ZZ", 2);

  for (std::size_t at = 0; at < stream.size(); at += kPalmBlockData) {
    std::size_t length = std::min(kPalmBlockData, stream.size() - at);
    out.Bytes(kBlockTag, 4);
    out.U32BE(static_cast<std::uint32_t>(length));
    out.Bytes(stream.data() + at, length);
  }
  return bytes;
}

Status DecodePalmStream(std::span<const std::uint8_t> database, std::vector<std::uint8_t>& stream) {
  stream.clear();
  auto fail = [&](std::size_t at, const std::string& why) {
    stream.clear();
    return Status::Broken(Fault::kDamaged, "the block at byte " + std::to_string(at) + " " + why,
                          static_cast<std::int64_t>(at));
  };
  std::size_t at = NextBlock(database, kPalmNameSize);
  while (at < database.size()) {
    if (database.size() - at < 8) return fail(at, "is cut off before its length");
    std::uint32_t length = LoadU32BE(database.data() + at + 4);
    std::size_t data = at + 8;
    if (length > kPalmBlockData) {
      return fail(at, "claims " + std::to_string(length) + " bytes; a block holds at most " +
                          std::to_string(kPalmBlockData));
    }
    if (length > database.size() - data) {
      return fail(at, "claims " + std::to_string(length) + " bytes but only " +
                          std::to_string(database.size() - data) + " remain in the file");
    }
    stream.insert(stream.end(), database.data() + data, database.data() + data + length);
    // The scan goes on directly after the data, in steps of 4 from there.
    at = NextBlock(database, data + length);
  }
  return {};
}

PalmKind PalmStreamKindOf(std::span<const std::uint8_t> database) {
  std::size_t at = NextBlock(database, kPalmNameSize);
  if (database.size() < 12 || at > database.size() - 12) return PalmKind::kNeither;
  const std::uint8_t* tag = database.data() + at + 8;
  if (tag[3] != 0) return PalmKind::kNeither;
  if (std::memcmp(tag, "tem", 3) == 0) return PalmKind::kTeam;
  if (std::memcmp(tag, "gam", 3) == 0) return PalmKind::kGame;
  return PalmKind::kNeither;
}

Status WritePalmStreamDatabase(std::span<const std::uint8_t> stream,
                               const std::string& database_path) {
  if (!PalmStreamFits(stream.size())) {
    return Status::Failed(database_path, "a stream of " + std::to_string(stream.size()) +
                                             " bytes needs more than 65535 database records");
  }
  std::vector<std::uint8_t> bytes =
      EncodePalmStreamDatabase(stream, database_path, PalmTime(std::time(nullptr)));
  return WriteFileAtomically(database_path, bytes);
}

Status WritePalmStreamDatabase(const std::string& source_path, const std::string& database_path,
                               std::size_t length) {
  std::vector<std::uint8_t> stream;
  if (!ReadFilePrefix(source_path, length, stream)) {
    return Status::Failed(source_path, "cannot read " + source_path);
  }
  if (stream.size() < length) {
    return Status::Failed(source_path, source_path + " holds " + std::to_string(stream.size()) +
                                           " bytes, fewer than the " + std::to_string(length) +
                                           " to be wrapped");
  }
  return WritePalmStreamDatabase(stream, database_path);
}

UserMessage CouldNotOpenInputFileMessage() {
  return {"Could not Open Input File", "Error", MessageIcon::kNone};
}

UserMessage CouldNotOpenOutputFileMessage() {
  return {"Could not Open Output File", "Error", MessageIcon::kNone};
}

Status ExtractPalmStream(const std::string& database_path, std::vector<std::uint8_t>& stream) {
  std::vector<std::uint8_t> database;
  if (Status read = ReadWholeFile(database_path, database); !read) {
    return Status::Refused(database_path, CouldNotOpenInputFileMessage(), read.reason);
  }
  if (Status decoded = DecodePalmStream(database, stream); !decoded) {
    return Status::Refused(database_path,
                           {"The Palm database " + database_path + " is damaged: " + decoded.reason,
                            "Error", MessageIcon::kExclamation});
  }
  return {};
}

Status ExtractPalmStream(const std::string& database_path, const std::string& stream_path) {
  std::vector<std::uint8_t> stream;
  if (Status s = ExtractPalmStream(database_path, stream); !s) return s;
  if (Status saved = WriteFileAtomically(stream_path, stream); !saved) {
    return Status::Refused(stream_path, CouldNotOpenOutputFileMessage(), saved.reason);
  }
  return {};
}

PalmKind PalmStreamKind(const std::string& database_path) {
  // The first block lies after the header and at most 65535 list entries.
  constexpr std::size_t kProbe = kPalmHeaderSize + 8 * kPalmMaxRecords + 2 + 12;
  std::vector<std::uint8_t> prefix;
  if (!ReadFilePrefix(database_path, kProbe, prefix)) return PalmKind::kNeither;
  return PalmStreamKindOf(prefix);
}

}  // namespace scorewick
