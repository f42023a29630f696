#pragma once
// Whole-file reads and writes.  Writes never destroy what they replace: the
// bytes go to a new file beside the target, which is renamed over the
// target only once it is completely written.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/byte_buffer.h"
#include "records/status.h"

namespace scorewick {

// Files larger than this are not ours: no team, game or database comes near.
inline constexpr std::size_t kMaxInputFileSize = std::size_t{64} << 20;

// Reads the whole file into out, reusing its capacity.  A failure names
// the file, with the reason ("cannot open x.tem: No such file or
// directory", and as its detail "cannot open: No such file or directory")
// and no message, when the file cannot be opened or read, is
// not a regular file (a folder, a FIFO, a device: never read from) or is
// larger than max_bytes.
Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t max_bytes = kMaxInputFileSize);
Status ReadWholeFile(const std::string& path, ByteBuffer& out,
                     std::size_t max_bytes = kMaxInputFileSize);
Status ReadWholeTextFile(const std::string& path, std::string& out,
                         std::size_t max_bytes = kMaxInputFileSize);

// Reads a file as ReadWholeFile does, in two steps: its first head_size
// bytes (fewer when it is shorter) are shown to want_rest, which answers
// whether the rest is wanted; *whole says whether it was read.  The file is
// opened once and every byte of it read once.  Fails as ReadWholeFile.
using HeadCheck = std::function<bool(std::span<const std::uint8_t> head)>;
Status ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                         ByteBuffer& out, bool* whole, std::size_t max_bytes = kMaxInputFileSize);
Status ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                         std::vector<std::uint8_t>& out, bool* whole,
                         std::size_t max_bytes = kMaxInputFileSize);

// Reads at most the first count bytes of a regular file (fewer when it is
// shorter); fails as ReadWholeFile.
Status ReadFilePrefix(const std::string& path, std::size_t count, std::vector<std::uint8_t>& out);
Status ReadFilePrefix(const std::string& path, std::size_t count, ByteBuffer& out);

// Who may read a file that is written: whoever may read the file it
// replaces (everyone, for a new file, as the umask allows), or its owner
// only (a file holding a password).
enum class FileAccess { kAsBefore, kOwnerOnly };

// Writes bytes as the whole content of path: a temporary file in the same
// folder (its name no longer than path's), then a rename over path.  A
// symbolic link is written through: the file it leads to is replaced and
// the link kept.  An existing file the person may not write (or that has
// no write permission at all) is refused, not replaced, and so is anything
// that is not a regular file (a device, a pipe, a folder).  On failure path
// is untouched, the temporary file is removed, and the Status names the
// file and the reason (no message: the caller says what it was saving).
// The first save of a process into a folder removes the temporary files
// there that saves of stopped processes left behind (a save killed
// half-way leaves one).
Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           FileAccess access = FileAccess::kAsBefore);
// The bytes of a text, to write as they are.
std::span<const std::uint8_t> TextBytes(std::string_view text);

Status WriteTextFileAtomically(const std::string& path, const std::string& text,
                               FileAccess access = FileAccess::kAsBefore);
// As WriteFileAtomically, without waiting for the disk: for a file that can
// be made again from another that is on it (a game file beside its book).
// A crash leaves it old or new and whole.
Status WriteFileAtomicallyUnsynced(const std::string& path, std::span<const std::uint8_t> bytes);
// Adds text at the end of the file at path (made when missing) and waits
// until it is on the disk; when it cannot, the file is cut back to where it
// ended.
Status AppendTextSynced(const std::string& path, const std::string& text);
// Writes several text files as one save: every file is written beside its
// target first, and only when all are complete are they renamed over their
// targets, so that a failure leaves none of them behind half-done.  Fails
// as WriteFileAtomically (every temporary file removed) when one cannot be
// written.
Status WriteTextFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files);

// Many files written in one run and made durable together, at the cost of
// writing their bytes once: each is written into a temporary file beside
// its target as it comes (Add), and Commit syncs them to the disk with one
// sync of each file system they are on, then renames each over its target
// and syncs their folders.  A crash leaves every target old or new and
// whole; once Commit returns, the files are on the disk.  Add refuses as
// WriteFileAtomically does; a batch destroyed before its Commit removes its
// temporary files and replaces nothing.
class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  ~FileBatch();

  Status Add(const std::string& path, std::span<const std::uint8_t> bytes,
             FileAccess access = FileAccess::kAsBefore);
  // The same for a text given in pieces, written one after the other: a
  // file made of many texts is not first joined in memory.
  Status Add(const std::string& path, std::span<const std::string_view> pieces,
             FileAccess access = FileAccess::kAsBefore);
  // Takes back the files added from the count-th on (their temporary files
  // removed), as if they had never been added: files that go together are
  // kept all or none.
  void DropFrom(std::size_t count);
  // Syncs and renames every file added since the last Commit; fails as the
  // first file that could not be renamed over its target (every such file
  // is in failed, its temporary file removed), or when nothing could be
  // synced (then nothing is renamed).
  Status Commit(std::vector<Status>* failed = nullptr);
  std::size_t size() const { return files_.size(); }

 private:
  struct File {
    std::string path;
    std::string temp;
    std::string target;
  };
  std::vector<File> files_;
};

// Size of a file in bytes, or -1 when it cannot be read.
std::int64_t FileLength(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace scorewick
