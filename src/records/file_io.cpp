#include "records/file_io.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace scorewick {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

template <typename Buffer>
bool ReadInto(const std::string& path, Buffer& out, std::string* error, std::size_t max_bytes) {
  FilePtr f(std::fopen(path.c_str(), "rb"));
  if (!f) {
    if (error) *error = Reason("cannot open", path);
    return false;
  }
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec) size = 0;
  if (size > max_bytes) {
    if (error) *error = path + " is too large (" + std::to_string(size) + " bytes)";
    return false;
  }
  out.resize(size);
  std::size_t got = size ? std::fread(out.data(), 1, size, f.get()) : 0;
  // Files that grow while read, or report no size (pipes), are read on in
  // chunks up to the limit.
  out.resize(got);
  char chunk[65536];
  while (got == out.size()) {
    std::size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
    if (n == 0) break;
    if (out.size() + n > max_bytes) {
      if (error) *error = path + " is too large";
      return false;
    }
    out.insert(out.end(), chunk, chunk + n);
    got = out.size();
  }
  if (std::ferror(f.get())) {
    if (error) *error = Reason("cannot read", path);
    return false;
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

bool ReadFilePrefix(const std::string& path, std::size_t count, std::vector<std::uint8_t>& out) {
  FilePtr f(std::fopen(path.c_str(), "rb"));
  if (!f) return false;
  out.resize(count);
  out.resize(std::fread(out.data(), 1, count, f.get()));
  return !std::ferror(f.get());
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error) {
  namespace fs = std::filesystem;
  static std::atomic<unsigned> counter{0};
  fs::path target(path);
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  FilePtr f;
  std::string temp;
  for (int attempt = 0; attempt < 100 && !f; ++attempt) {
    temp = target.string() + ".tmp" + std::to_string(stamp % 1000000) + "-" +
           std::to_string(counter++);
    f.reset(std::fopen(temp.c_str(), "wbx"));  // never opens a file that exists
    if (!f && errno != EEXIST) break;
  }
  if (!f) {
    if (error) *error = Reason("cannot write beside", path);
    return false;
  }
  bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
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
    fs::remove(temp, ec);
    return false;
  }
  // Keep the permissions of the file being replaced.
  auto status = fs::status(target, ec);
  if (!ec && fs::exists(status)) fs::permissions(temp, status.permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    if (error) *error = "cannot replace " + path + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& text, std::string* error) {
  return WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), error);
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
