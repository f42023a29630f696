#include "records/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

namespace scorewick {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr const char* kNotAFileReason = "it is not a file (a pipe or a device)";

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// A file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Opens an existing regular file for reading.  A folder, a FIFO or a
// device is refused before anything is read from it (a FIFO with no writer
// would block for ever, a device never end); *size is the file's length.
Descriptor OpenRegularFile(const std::string& path, std::uintmax_t* size, std::string* error) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd) {
    if (error) *error = Reason("cannot open", path);
    return Descriptor();
  }
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    if (error)
      *error = "cannot open " + path + ": " + (folder ? "it is a folder" : kNotAFileReason);
    return Descriptor();
  }
  // Reads block again, as for any file (O_NONBLOCK was the only status
  // flag it was opened with).
  ::fcntl(fd.get(), F_SETFL, 0);
  if (size) *size = static_cast<std::uintmax_t>(st.st_size);
  return fd;
}

// Reads into data[0, count) from the file's position, again after a
// signal or a short read, until count bytes or the end of the file; a
// short read once `enough` bytes are in is taken as the end (the length
// the file had when it was opened has been read, and no more is there).
// *at_end says whether the end was found.  The number read, or -1.
std::ptrdiff_t ReadUpTo(int fd, void* data, std::size_t count, std::size_t enough, bool* at_end) {
  std::size_t got = 0;
  *at_end = false;
  while (got < count) {
    const ssize_t n = ::read(fd, static_cast<char*>(data) + got, count - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    got += static_cast<std::size_t>(n);
    if (n == 0 || (got >= enough && got < count)) {
      *at_end = true;
      break;
    }
  }
  return static_cast<std::ptrdiff_t>(got);
}

// Reads the file into out: first its first head_size bytes alone when
// want_rest is given, which then decides whether the rest is read
// (*whole); the file is opened once and every byte read once.  The rest is
// asked for with one byte more than the file's length: a file that grew
// since it was opened shows itself by filling that byte, and is read on in
// chunks up to max_bytes; one that did not needs no further call to find
// its end.
template <typename Buffer>
bool ReadInto(const std::string& path, Buffer& out, std::string* error, std::size_t max_bytes,
              std::size_t head_size = 0, const HeadCheck* want_rest = nullptr,
              bool* whole = nullptr) {
  if (whole) *whole = false;
  std::uintmax_t size = 0;
  Descriptor fd = OpenRegularFile(path, &size, error);
  if (!fd) return false;
  if (size > max_bytes) {
    if (error) *error = path + " is too large (" + std::to_string(size) + " bytes)";
    return false;
  }
  const auto failed = [&] {
    if (error) *error = Reason("cannot read", path);
    return false;
  };
  std::size_t got = 0;
  bool at_end = false;
  if (want_rest) {
    out.resize(std::min<std::size_t>(head_size, size));
    const std::ptrdiff_t n = ReadUpTo(fd.get(), out.data(), out.size(), out.size(), &at_end);
    if (n < 0) return failed();
    got = static_cast<std::size_t>(n);
    out.resize(got);
    using Byte = const std::uint8_t;
    if (!(*want_rest)(std::span<Byte>(reinterpret_cast<Byte*>(out.data()), out.size()))) {
      return true;
    }
  }
  if (whole) *whole = true;
  if (!at_end) {
    const std::size_t want = std::max<std::size_t>(size, got) + 1;
    out.resize(want);
    const std::ptrdiff_t n =
        ReadUpTo(fd.get(), out.data() + got, want - got, want - 1 - got, &at_end);
    if (n < 0) return failed();
    got += static_cast<std::size_t>(n);
    out.resize(got);
  }
  // Files that grow while read are read on in chunks up to the limit.
  char chunk[65536];
  while (!at_end) {
    const std::ptrdiff_t n = ReadUpTo(fd.get(), chunk, sizeof chunk, sizeof chunk, &at_end);
    if (n < 0) return failed();
    if (out.size() + static_cast<std::size_t>(n) > max_bytes) {
      if (error) *error = path + " is too large";
      return false;
    }
    out.insert(out.end(), chunk, chunk + n);
    if (n == 0) break;
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string* error,
                   std::size_t max_bytes) {
  return ReadInto(path, out, error, max_bytes);
}

bool ReadWholeTextFile(const std::string& path, std::string& out, std::string* error,
                       std::size_t max_bytes) {
  return ReadInto(path, out, error, max_bytes);
}

bool ReadWholeFile(const std::string& path, ByteBuffer& out, std::string* error,
                   std::size_t max_bytes) {
  return ReadInto(path, out, error, max_bytes);
}

bool ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                       ByteBuffer& out, bool* whole, std::string* error, std::size_t max_bytes) {
  return ReadInto(path, out, error, max_bytes, head_size, &want_rest, whole);
}

bool ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                       std::vector<std::uint8_t>& out, bool* whole, std::string* error,
                       std::size_t max_bytes) {
  return ReadInto(path, out, error, max_bytes, head_size, &want_rest, whole);
}

namespace {

template <typename Buffer>
bool ReadPrefixInto(const std::string& path, std::size_t count, Buffer& out, std::string* error) {
  Descriptor fd = OpenRegularFile(path, nullptr, error);
  if (!fd) return false;
  out.resize(count);
  bool at_end = false;
  const std::ptrdiff_t n = ReadUpTo(fd.get(), out.data(), count, count, &at_end);
  if (n < 0) {
    if (error) *error = Reason("cannot read", path);
    out.clear();
    return false;
  }
  out.resize(static_cast<std::size_t>(n));
  return true;
}

}  // namespace

bool ReadFilePrefix(const std::string& path, std::size_t count, std::vector<std::uint8_t>& out,
                    std::string* error) {
  return ReadPrefixInto(path, count, out, error);
}

bool ReadFilePrefix(const std::string& path, std::size_t count, ByteBuffer& out,
                    std::string* error) {
  return ReadPrefixInto(path, count, out, error);
}

namespace {

// The file a save replaces: path itself, or, when path is a symbolic link,
// the file it leads to (so that the link is kept and its target replaced).
std::filesystem::path SaveTarget(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path target(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
    fs::path next = fs::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// A name for the new file beside target, never longer than target's own
// name, so that a target whose name is as long as the system allows can
// still be saved.
std::string TemporaryName(const std::filesystem::path& target, const std::string& suffix) {
  std::string name = target.filename().string();
  if (name.size() > suffix.size()) {
    name.resize(name.size() - suffix.size());
  } else {
    name = ".";
  }
  return (target.parent_path() / (name + suffix)).string();
}

// True when the person may write the existing file at target (also for
// root, who may write anything: a file with no write permission at all is
// taken as one its owner chose to protect).  Only a regular file is ever
// replaced: a rename over a device or a pipe would put a plain file in its
// place (for /dev/null, for every program of the machine).
bool MayReplace(const std::filesystem::path& target, std::string* error) {
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return true;  // a new file
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    if (error) *error = "cannot write " + target.string() + ": " + kNotAFileReason;
    return false;
  } else if (::access(target.c_str(), W_OK) == 0 && (st.st_mode & 0222) != 0) {
    return true;
  } else {
    errno = EACCES;
  }
  if (error) *error = Reason("cannot write", target.string());
  return false;
}

// A file written beside its target and not yet renamed over it.
struct PreparedFile {
  std::filesystem::path target;
  std::string temp;
};

// Writes bytes into a new temporary file beside the save target of path,
// with the permissions the target will keep; false with *error (and
// nothing left behind) when it cannot be.
bool Prepare(const std::string& path, std::span<const std::uint8_t> bytes, FileAccess access,
             PreparedFile& out, std::string* error) {
  namespace fs = std::filesystem;
  static std::atomic<unsigned> counter{0};
  out.target = SaveTarget(path);
  if (!MayReplace(out.target, error)) return false;
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const mode_t mode = access == FileAccess::kOwnerOnly ? 0600 : 0666;
  FilePtr f;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    out.temp = TemporaryName(
        out.target, ".tmp" + std::to_string(stamp % 1000000) + "-" + std::to_string(counter++));
    // Never opens a file that exists.
    int fd = ::open(out.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) f.reset(::fdopen(fd, "wb"));
    if (fd >= 0 && !f) ::close(fd);
    if (!f && errno != EEXIST) break;
  }
  if (!f) {
    if (error) *error = Reason("cannot write beside", path);
    return false;
  }
  bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  written = (std::fflush(f.get()) == 0) && written;
  // On the disk before the rename, so that a crash cannot leave the target
  // renamed over with a file whose blocks never arrived.
  written = written && ::fsync(fileno(f.get())) == 0;
  int saved_errno = errno;
  bool closed = std::fclose(f.release()) == 0;
  std::error_code ec;
  if (!written || !closed) {
    errno = saved_errno;
    if (error) *error = Reason("cannot write", path);
    fs::remove(out.temp, ec);
    return false;
  }
  // Keep the permissions of the file being replaced (a file only its
  // owner may read stays so).
  auto status = fs::status(out.target, ec);
  if (access == FileAccess::kOwnerOnly) {
    fs::permissions(out.temp, fs::perms::owner_read | fs::perms::owner_write, ec);
  } else if (!ec && fs::exists(status)) {
    fs::permissions(out.temp, status.permissions(), ec);
  }
  return true;
}

// Renames a prepared file over its target; false with *error, the
// temporary file removed, when it cannot be.
bool Commit(const PreparedFile& file, const std::string& path, std::string* error) {
  std::error_code ec;
  // Checked again: a pipe made at the target since the file was prepared
  // is not renamed over either.
  if (!MayReplace(file.target, error)) {
    std::filesystem::remove(file.temp, ec);
    return false;
  }
  std::filesystem::rename(file.temp, file.target, ec);
  if (ec) {
    if (error) *error = "cannot replace " + path + ": " + ec.message();
    std::filesystem::remove(file.temp, ec);
    return false;
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error, FileAccess access) {
  PreparedFile file;
  return Prepare(path, bytes, access, file, error) && Commit(file, path, error);
}

bool WriteTextFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files,
                              std::string* error) {
  std::vector<PreparedFile> prepared(files.size());
  std::error_code ec;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string& text = files[i].second;
    if (!Prepare(files[i].first,
                 std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                 FileAccess::kAsBefore, prepared[i], error)) {
      for (std::size_t k = 0; k < i; ++k) std::filesystem::remove(prepared[k].temp, ec);
      return false;
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!Commit(prepared[i], files[i].first, error)) {
      for (std::size_t k = i + 1; k < files.size(); ++k)
        std::filesystem::remove(prepared[k].temp, ec);
      return false;
    }
  }
  return true;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string* error,
                             FileAccess access) {
  return WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), error,
      access);
}

Status SaveFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string error;
  if (WriteFileAtomically(path, bytes, &error)) return {};
  return Status::Failed(path, error);
}

Status SaveTextFile(const std::string& path, const std::string& text) {
  std::string error;
  if (WriteTextFileAtomically(path, text, &error)) return {};
  return Status::Failed(path, error);
}

std::int64_t FileLength(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  return ec ? -1 : static_cast<std::int64_t>(size);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace scorewick
