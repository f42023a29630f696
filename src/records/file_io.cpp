#include "records/file_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <string_view>
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

// A failure of path: "what path: why", and without the name "what: why".
Status FailureOf(const std::string& what, const std::string& path, const std::string& why) {
  Status failed = Status::Failed(path, what + " " + path + ": " + why);
  failed.detail = what + ": " + why;
  return failed;
}

// A failure of path with the system's reason for it (errno).
Status SystemFailure(const std::string& what, const std::string& path) {
  return FailureOf(what, path, std::strerror(errno));
}

// A file larger than a reader takes.
Status TooLarge(const std::string& path, const std::string& size) {
  Status failed = Status::Failed(path, path + " is too large" + size);
  failed.detail = "the file is too large" + size;
  return failed;
}

// A file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
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
Status OpenRegularFile(const std::string& path, Descriptor& fd, std::uintmax_t* size) {
  Descriptor opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!opened) return SystemFailure("cannot open", path);
  struct stat st;
  if (::fstat(opened.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    return FailureOf("cannot open", path, folder ? "it is a folder" : kNotAFileReason);
  }
  // Reads block again, as for any file (O_NONBLOCK was the only status
  // flag it was opened with).
  ::fcntl(opened.get(), F_SETFL, 0);
  if (size) *size = static_cast<std::uintmax_t>(st.st_size);
  fd = std::move(opened);
  return {};
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
Status ReadInto(const std::string& path, Buffer& out, std::size_t max_bytes,
                std::size_t head_size = 0, const HeadCheck* want_rest = nullptr,
                bool* whole = nullptr) {
  if (whole) *whole = false;
  std::uintmax_t size = 0;
  Descriptor fd;
  if (Status opened = OpenRegularFile(path, fd, &size); !opened) return opened;
  if (size > max_bytes) {
    return TooLarge(path, " (" + std::to_string(size) + " bytes)");
  }
  const auto failed = [&] { return SystemFailure("cannot read", path); };
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
      return {};
    }
  }
  if (whole) *whole = true;
  if (!at_end) {
    const std::size_t want = std::max<std::size_t>(size, got) + 1;
    // A buffer read into file after file grows by doubling, not to each
    // larger file's length in turn: each new block costs the kernel a
    // fault on every page of it when first filled.  What an earlier file
    // left in it is not carried over.
    out.resize(got);
    if (want > out.capacity() && out.capacity() > 0)
      out.reserve(std::max(want, std::min(2 * out.capacity(), max_bytes + 1)));
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
      return TooLarge(path, "");
    }
    out.insert(out.end(), chunk, chunk + n);
    if (n == 0) break;
  }
  return {};
}

}  // namespace

Status ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t max_bytes) {
  return ReadInto(path, out, max_bytes);
}

Status ReadWholeTextFile(const std::string& path, std::string& out, std::size_t max_bytes) {
  return ReadInto(path, out, max_bytes);
}

Status ReadWholeFile(const std::string& path, ByteBuffer& out, std::size_t max_bytes) {
  return ReadInto(path, out, max_bytes);
}

Status ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                         ByteBuffer& out, bool* whole, std::size_t max_bytes) {
  return ReadInto(path, out, max_bytes, head_size, &want_rest, whole);
}

Status ReadFileHeadFirst(const std::string& path, std::size_t head_size, const HeadCheck& want_rest,
                         std::vector<std::uint8_t>& out, bool* whole, std::size_t max_bytes) {
  return ReadInto(path, out, max_bytes, head_size, &want_rest, whole);
}

namespace {

template <typename Buffer>
Status ReadPrefixInto(const std::string& path, std::size_t count, Buffer& out) {
  Descriptor fd;
  if (Status opened = OpenRegularFile(path, fd, nullptr); !opened) return opened;
  out.resize(count);
  bool at_end = false;
  const std::ptrdiff_t n = ReadUpTo(fd.get(), out.data(), count, count, &at_end);
  if (n < 0) {
    out.clear();
    return SystemFailure("cannot read", path);
  }
  out.resize(static_cast<std::size_t>(n));
  return {};
}

}  // namespace

Status ReadFilePrefix(const std::string& path, std::size_t count, std::vector<std::uint8_t>& out) {
  return ReadPrefixInto(path, count, out);
}

Status ReadFilePrefix(const std::string& path, std::size_t count, ByteBuffer& out) {
  return ReadPrefixInto(path, count, out);
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

// A save's temporary file is named after its target, its process and a
// count: "SEA201903280.gam~scwk884948-7.tmp", its start cut so that the name
// is no longer than the target's ("SEA20~scwk884948-7.tmp").  A process
// stopped in the middle of a save (killed, or the machine switched off)
// leaves it behind; the next save into the folder removes it.
constexpr std::string_view kTemporaryMark = "~scwk";
constexpr std::string_view kTemporaryEnd = ".tmp";

// The process that made the temporary file of that name, or 0 when the
// name is not one of a save's.
pid_t MakerOfTemporaryFile(std::string_view name) {
  if (!name.ends_with(kTemporaryEnd)) return 0;
  name.remove_suffix(kTemporaryEnd.size());
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos) return 0;
  name.remove_prefix(mark + kTemporaryMark.size());
  const std::size_t dash = name.find('-');
  const auto digits = [](std::string_view t) {
    return !t.empty() && t.size() < 10 &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (dash == std::string_view::npos || !digits(name.substr(0, dash)) ||
      !digits(name.substr(dash + 1))) {
    return 0;
  }
  return static_cast<pid_t>(std::stol(std::string(name.substr(0, dash))));
}

// Removes from folder the temporary files that saves of processes no longer
// running left behind.  A file of a running process, of another user, or
// that is not a regular file is left alone.  Each folder is looked through
// once a process, before its first save there.
void RemoveLeftTemporaryFiles(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  static std::mutex mutex;
  static std::set<std::string> done;
  std::error_code ec;
  const fs::path where = fs::absolute(folder.empty() ? fs::path(".") : folder, ec);
  if (ec) return;
  {
    const std::lock_guard<std::mutex> lock(mutex);
    if (!done.insert(where.string()).second) return;
  }
  for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
    const pid_t maker = MakerOfTemporaryFile(it->path().filename().string());
    if (maker <= 0 || maker == ::getpid()) continue;
    struct stat st;
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
      continue;
    }
    // ESRCH: no such process.  Any other answer (EPERM: another user's)
    // means it may still be saving.
    if (::kill(maker, 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
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
Status MayReplace(const std::filesystem::path& target, const std::string& path) {
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return {};  // a new file
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    return Status::Failed(path, "cannot write " + target.string() + ": " + kNotAFileReason);
  } else if (::access(target.c_str(), W_OK) == 0 && (st.st_mode & 0222) != 0) {
    return {};
  } else {
    errno = EACCES;
  }
  return Status::Failed(path, Reason("cannot write", target.string()));
}

// A file written beside its target and not yet renamed over it.
struct PreparedFile {
  std::filesystem::path target;
  std::string temp;
};

// The bytes as one piece of text.
std::string_view AsPiece(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Writes the pieces one after the other into a new temporary file beside
// the save target of path, with the permissions the target will keep; a
// failure (with nothing left behind) when it cannot be.  Many small pieces
// go through a buffer of their own, in writes of its size.
Status Prepare(const std::string& path, std::span<const std::string_view> pieces, FileAccess access,
               PreparedFile& out, bool sync = true) {
  namespace fs = std::filesystem;
  static std::atomic<unsigned> counter{0};
  out.target = SaveTarget(path);
  if (Status may = MayReplace(out.target, path); !may) return may;
  RemoveLeftTemporaryFiles(out.target.parent_path());
  const mode_t mode = access == FileAccess::kOwnerOnly ? 0600 : 0666;
  constexpr std::size_t kBuffer = 1 << 16;
  std::unique_ptr<char[]> buffer;  // outlives the file it buffers
  FilePtr f;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    out.temp =
        TemporaryName(out.target, std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
                                      std::to_string(counter++) + std::string(kTemporaryEnd));
    // Never opens a file that exists.
    int fd = ::open(out.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) f.reset(::fdopen(fd, "wb"));
    if (fd >= 0 && !f) ::close(fd);
    if (!f && errno != EEXIST) break;
  }
  if (!f) return SystemFailure("cannot write beside", path);
  if (pieces.size() > 1) {
    buffer = std::make_unique<char[]>(kBuffer);
    std::setvbuf(f.get(), buffer.get(), _IOFBF, kBuffer);
  }
  bool written = true;
  for (const std::string_view piece : pieces) {
    written = written && (piece.empty() ||
                          std::fwrite(piece.data(), 1, piece.size(), f.get()) == piece.size());
  }
  written = (std::fflush(f.get()) == 0) && written;
  // On the disk before the rename, so that a crash cannot leave the target
  // renamed over with a file whose blocks never arrived.
  written = written && (!sync || ::fsync(fileno(f.get())) == 0);
  int saved_errno = errno;
  bool closed = std::fclose(f.release()) == 0;
  std::error_code ec;
  if (!written || !closed) {
    errno = saved_errno;
    Status failed = SystemFailure("cannot write", path);
    fs::remove(out.temp, ec);
    return failed;
  }
  // Keep the permissions of the file being replaced (a file only its
  // owner may read stays so).
  auto status = fs::status(out.target, ec);
  if (access == FileAccess::kOwnerOnly) {
    fs::permissions(out.temp, fs::perms::owner_read | fs::perms::owner_write, ec);
  } else if (!ec && fs::exists(status)) {
    fs::permissions(out.temp, status.permissions(), ec);
  }
  return {};
}

// Renames a prepared file over its target; a failure, the temporary file
// removed, when it cannot be.
Status Commit(const PreparedFile& file, const std::string& path) {
  std::error_code ec;
  // Checked again: a pipe made at the target since the file was prepared
  // is not renamed over either.
  if (Status may = MayReplace(file.target, path); !may) {
    std::filesystem::remove(file.temp, ec);
    return may;
  }
  std::filesystem::rename(file.temp, file.target, ec);
  if (ec) {
    Status failed = Status::Failed(path, "cannot replace " + path + ": " + ec.message());
    std::filesystem::remove(file.temp, ec);
    return failed;
  }
  return {};
}

}  // namespace

std::span<const std::uint8_t> TextBytes(std::string_view text) {
  return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

Status WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           FileAccess access) {
  PreparedFile file;
  const std::string_view whole = AsPiece(bytes);
  if (Status prepared = Prepare(path, {&whole, 1}, access, file); !prepared) return prepared;
  return Commit(file, path);
}

Status WriteFileAtomicallyUnsynced(const std::string& path, std::span<const std::uint8_t> bytes) {
  PreparedFile file;
  const std::string_view whole = AsPiece(bytes);
  if (Status prepared = Prepare(path, {&whole, 1}, FileAccess::kAsBefore, file, /*sync=*/false);
      !prepared) {
    return prepared;
  }
  return Commit(file, path);
}

Status AppendTextSynced(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return SystemFailure("cannot write", path);
  // Where the file ended, so that an append cut short (a full disk) is
  // taken back whole.
  struct stat before {};
  const bool sized = ::fstat(fd, &before) == 0;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool ok = done == text.size() && ::fdatasync(fd) == 0;
  const int saved_errno = errno;
  if (!ok && sized && ::ftruncate(fd, before.st_size) == 0) ::fdatasync(fd);
  ::close(fd);
  if (!ok) {
    errno = saved_errno;
    return SystemFailure("cannot write", path);
  }
  return {};
}

Status WriteTextFilesAtomically(const std::vector<std::pair<std::string, std::string>>& files) {
  FileBatch batch;
  for (const auto& [path, text] : files) {
    if (Status ready = batch.Add(path, TextBytes(text)); !ready) return ready;
  }
  return batch.Commit();
}

FileBatch::~FileBatch() {
  std::error_code ec;
  for (const File& f : files_) std::filesystem::remove(f.temp, ec);
}

void FileBatch::DropFrom(std::size_t count) {
  std::error_code ec;
  for (std::size_t i = count; i < files_.size(); ++i) std::filesystem::remove(files_[i].temp, ec);
  if (count < files_.size()) files_.resize(count);
}

Status FileBatch::Add(const std::string& path, std::span<const std::uint8_t> bytes,
                      FileAccess access) {
  const std::string_view whole = AsPiece(bytes);
  return Add(path, std::span<const std::string_view>(&whole, 1), access);
}

Status FileBatch::Add(const std::string& path, std::span<const std::string_view> pieces,
                      FileAccess access) {
  PreparedFile prepared;
  if (Status ready = Prepare(path, pieces, access, prepared, /*sync=*/false); !ready) return ready;
  files_.push_back({path, prepared.temp, prepared.target.string()});
  return {};
}

namespace {

// The folders of the files, each once.
std::vector<std::string> FoldersOf(const std::vector<std::string>& paths) {
  std::vector<std::string> folders;
  for (const std::string& p : paths) {
    std::string folder = std::filesystem::path(p).parent_path().string();
    if (folder.empty()) folder = ".";
    if (std::find(folders.begin(), folders.end(), folder) == folders.end())
      folders.push_back(folder);
  }
  return folders;
}

// Puts on the disk what was written into the folders: one sync of each
// file system they are on where the system offers it, else each file.
bool SyncWritten(const std::vector<std::string>& folders, const std::vector<std::string>& files) {
#ifdef __linux__
  std::vector<dev_t> synced;
  bool ok = true;
  for (const std::string& folder : folders) {
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) return false;
    if (std::find(synced.begin(), synced.end(), st.st_dev) != synced.end()) continue;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    ok = ::syncfs(fd) == 0 && ok;
    ::close(fd);
    synced.push_back(st.st_dev);
  }
  static_cast<void>(files);
  return ok;
#else
  static_cast<void>(folders);
  for (const std::string& file : files) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
      if (fd >= 0) ::close(fd);
      return false;
    }
    ::close(fd);
  }
  return true;
#endif
}

// Puts the renames in the folders on the disk.
void SyncFolders(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

Status FileBatch::Commit(std::vector<Status>* failed) {
  if (files_.empty()) return {};
  std::vector<std::string> temps, targets;
  for (const File& f : files_) {
    temps.push_back(f.temp);
    targets.push_back(f.target);
  }
  const std::vector<std::string> folders = FoldersOf(targets);
  std::error_code ec;
  if (!SyncWritten(folders, temps)) {
    Status not_synced = SystemFailure("cannot put on the disk", files_.front().path);
    for (const File& f : files_) std::filesystem::remove(f.temp, ec);
    files_.clear();
    return not_synced;
  }
  Status first_failure;
  for (const File& f : files_) {
    if (Status done = scorewick::Commit(PreparedFile{f.target, f.temp}, f.path); !done) {
      if (failed) failed->push_back(done);
      if (first_failure) first_failure = done;
    }
  }
  files_.clear();
  SyncFolders(folders);
  return first_failure;
}

Status WriteTextFileAtomically(const std::string& path, const std::string& text,
                               FileAccess access) {
  return WriteFileAtomically(path, TextBytes(text), access);
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
