#include "records/output_guard.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/path_names.h"

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

// Nothing at all has the name, not even a link (a folder on the way that
// is missing or is a file counts as nothing there, as the file system
// library counts it): the one question a run that writes many new files
// asks of each, in one look rather than the several the checks of a name
// that is there take.
bool NothingThere(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
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
  if (LooksLikeTeamCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
    return FileContent::kTeamCsv;
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
    case FileContent::kTeamCsv:
      return "a comma-separated team file";
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

bool SameKind(FileContent there, FileContent content) {
  return there == FileContent::kNone || there == content ||
         (content == FileContent::kTeamCsv && there == FileContent::kText);
}

Status CheckOutputPlace(const std::string& output, const std::string& folder) {
  namespace fs = std::filesystem;
  if (NothingThere(output)) return {};
  std::error_code ec;
  const auto status = fs::status(output, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return Status::Failed(
        output, output + " is " +
                    (fs::is_directory(status) ? std::string("a folder")
                                              : std::string("not a file (a pipe or a device)")) +
                    ": it is not written over");
  }
  if (folder.empty() || !fs::is_symlink(fs::symlink_status(output, ec))) return {};
  const fs::path to = fs::read_symlink(output, ec);
  const fs::path target = fs::canonical(output, ec);
  if (ec) {
    return Status::Failed(output, output + " is a link to " + to.string() +
                                      ", which is not there (" + ec.message() + "): a link in " +
                                      folder + " is not followed out of it");
  }
  const fs::path inside = fs::canonical(folder, ec);
  const fs::path relative = target.lexically_relative(inside);
  if (ec || relative.empty() || *relative.begin() == "..") {
    return Status::Failed(output, output + " is a link to " + target.string() + ", out of " +
                                      folder + ": a link in it is not followed out of it");
  }
  return {};
}

bool NameTaken(const std::string& path) {
  // A name that cannot be looked at (a folder on the way not entered) is
  // taken as taken: nothing is written there unasked.
  return !NothingThere(path);
}

std::string OccupantName(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)) &&
      !std::filesystem::exists(path, ec)) {
    return "a link that leads nowhere";
  }
  return ContentName(ContentOfFile(path));
}

Status CheckOutputContent(const std::vector<std::string>& inputs, const std::string& output,
                          FileContent content) {
  if (NothingThere(output)) return {};
  std::error_code ec;
  // A file not there yet is none of the inputs: a run that writes many
  // files beside many inputs looks at each input only for an output that
  // is there.
  if (std::filesystem::exists(output, ec) && !ec) {
    for (const std::string& in : inputs) {
      if (!in.empty() && std::filesystem::equivalent(in, output, ec) && !ec) {
        return Status::Failed(
            output, output + " is the input " + in + ": writing it would destroy what is read");
      }
    }
  }
  const FileContent there = ContentOfFile(output);
  if (SameKind(there, content)) return {};
  if (there == FileContent::kUnknown) {
    return Status::Failed(output, output + " cannot be read to tell what it holds");
  }
  return Status::Failed(
      output, output + " already holds " + ContentName(there) + ", not " + ContentName(content));
}

Status AddOutputToBatch(FileBatch& batch, const BatchOutput& run, const std::string& path,
                        std::span<const std::uint8_t> bytes, FileContent content, bool& kept) {
  const std::string_view whole(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return AddOutputToBatch(batch, run, path, std::span(&whole, 1), content, kept);
}

Status AddOutputToBatch(FileBatch& batch, const BatchOutput& run, const std::string& path,
                        std::span<const std::string_view> pieces, FileContent content, bool& kept) {
  kept = false;
  if (Status place = CheckOutputPlace(path); !place) return place;
  if (!run.force) {
    // A link counts as there, also one that leads nowhere.
    if (NameTaken(path)) {
      kept = true;
      const std::string there = "already there (" + OccupantName(path) + "): kept as it is";
      Status taken = Status::Failed(path, FileNameOf(path) + " is " + there);
      taken.detail = there;
      return taken;
    }
    if (Status fits = CheckOutputContent(run.inputs, path, content); !fits) return fits;
  }
  // Nor, even when forced, a link that leads out of the folder or nowhere.
  if (Status place = CheckOutputPlace(path, run.folder); !place) return place;
  return batch.Add(path, pieces);
}

}  // namespace scorewick
