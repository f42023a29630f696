#include "records/output_guard.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "records/file_io.h"

namespace scorewick {
namespace {

// Offset of the home team's version word in a game file.
constexpr std::size_t kGameTeamOffset = 237;

bool IsVersionWord(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  if (bytes.size() < at + 4) return false;
  const std::int32_t v =
      static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                static_cast<std::uint32_t>(bytes[at + 3]) << 24);
  return v >= 512 && v <= 768;
}

bool IsText(const std::vector<std::uint8_t>& bytes) {
  return std::none_of(bytes.begin(), bytes.end(), [](std::uint8_t c) {
    return c == 0 || (c < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f');
  });
}

}  // namespace

FileContent ContentOfFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return std::filesystem::exists(path, ec) ? FileContent::kNotAFile : FileContent::kNone;
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadFilePrefix(path, 4096, bytes)) return FileContent::kUnknown;
  if (bytes.empty()) return FileContent::kNone;
  if (IsVersionWord(bytes, 0)) {
    return IsVersionWord(bytes, kGameTeamOffset) ? FileContent::kGameFile : FileContent::kTeamFile;
  }
  if (bytes.size() >= 4 && std::equal(bytes.begin(), bytes.begin() + 4, "%PDF")) {
    return FileContent::kPdf;
  }
  if (!IsText(bytes)) return FileContent::kBinary;
  auto first = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t c) {
    return c != ' ' && c != '\t' && c != '\r' && c != '\n';
  });
  return first != bytes.end() && *first == '<' ? FileContent::kHtml : FileContent::kText;
}

std::string ContentName(FileContent content) {
  switch (content) {
    case FileContent::kNone:
      return "nothing";
    case FileContent::kTeamFile:
      return "a team file";
    case FileContent::kGameFile:
      return "a game file";
    case FileContent::kPdf:
      return "a PDF";
    case FileContent::kHtml:
      return "an HTML page";
    case FileContent::kText:
      return "text";
    case FileContent::kBinary:
      return "binary data";
    case FileContent::kUnknown:
      return "a file that cannot be read";
    case FileContent::kNotAFile:
      return "a folder, a device or a pipe";
  }
  return "binary data";
}

std::string OutputRefusal(const std::string& output) {
  std::error_code ec;
  const auto status = std::filesystem::status(output, ec);
  if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return {};
  return output + " is " +
         (std::filesystem::is_directory(status) ? std::string("a folder")
                                                : std::string("not a file (a pipe or a device)")) +
         ": it is not written over";
}

std::string OutputConflict(const std::vector<std::string>& inputs, const std::string& output,
                           FileContent content) {
  std::error_code ec;
  for (const std::string& in : inputs) {
    if (!in.empty() && std::filesystem::equivalent(in, output, ec) && !ec) {
      return output + " is the input " + in + ": writing it would destroy what is read";
    }
  }
  const FileContent there = ContentOfFile(output);
  if (there == FileContent::kNone || there == content) return {};
  if (there == FileContent::kUnknown) {
    return output + " cannot be read to tell what it holds";
  }
  return output + " already holds " + ContentName(there) + ", not " + ContentName(content);
}

}  // namespace scorewick
