// The main of a fuzz target built without libFuzzer (by any compiler, as
// the tests build it): every file named, and every file in every folder
// named, is handed to the target once, in name order.  Options (words
// beginning with '-', as libFuzzer takes them) are ignored.  A target that
// traps or crashes on an input fails the run; the input being replayed is
// said first.  Status 1 when a file cannot be read or nothing was replayed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
  std::fflush(stderr);
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.starts_with("-")) continue;
    std::error_code ec;
    if (!std::filesystem::is_directory(arg, ec)) {
      files.emplace_back(arg);
      continue;
    }
    std::vector<std::filesystem::path> inside;
    for (std::filesystem::directory_iterator it(arg, ec), end; !ec && it != end; it.increment(ec)) {
      if (it->is_regular_file(ec)) inside.push_back(it->path());
    }
    if (ec) {
      std::fprintf(stderr, "cannot list %s: %s\n", arg.c_str(), ec.message().c_str());
      return 1;
    }
    std::sort(inside.begin(), inside.end());
    files.insert(files.end(), inside.begin(), inside.end());
  }
  for (const auto& file : files) {
    if (!Replay(file)) return 1;
  }
  std::fprintf(stderr, "%zu inputs replayed\n", files.size());
  return files.empty() ? 1 : 0;
}
