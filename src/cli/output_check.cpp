#include "cli/output_check.h"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "app/core/remembered_folders.h"
#include "app/core/settings.h"
#include "platform/terminal_text.h"
#include "stats/qualifiers.h"
#include "stats/stat_layout.h"
#include "stats/workload_rules.h"

namespace scorewick::cli {
namespace {

struct FileHere {
  std::string name;
  const char* holds;
};

const std::vector<FileHere>& FilesHere() {
  static const std::vector<FileHere> files = {
      {std::string(app::kSettingsFileName), "the settings"},
      {std::string(LayoutFileName(StatTable::kBatting)), "the batting layout"},
      {std::string(LayoutFileName(StatTable::kRunning)), "the running layout"},
      {std::string(LayoutFileName(StatTable::kFielding)), "the fielding layout"},
      {std::string(LayoutFileName(StatTable::kPitching)), "the pitching layout"},
      {kQualifiersFileName, "the statistics qualifiers"},
      {std::string(kWorkloadRulesFileName), "the pitch-count rules"},
      {app::kFoldersFileName, "the folders last used"},
  };
  return files;
}

}  // namespace

FileContent ContentOfForm(const std::string& format) {
  if (format == "pdf") return FileContent::kPdf;
  if (format == "html" || format == "frames") return FileContent::kHtml;
  return FileContent::kText;
}

void AddForceFlag(CLI::App* cmd, bool& force) {
  cmd->add_flag("--force", force,
                "write the output even when it is an input or holds another kind of file");
}

std::string FileReadHere(const std::string& out) {
  namespace fs = std::filesystem;
  std::error_code ec;
  struct stat st;
  // A link or a second name of a file here: told by the file it is.
  if (::lstat(out.c_str(), &st) == 0 && (S_ISLNK(st.st_mode) || st.st_nlink > 1)) {
    for (const FileHere& here : FilesHere()) {
      if (fs::equivalent(out, here.name, ec) && !ec) return here.holds + (" (" + here.name + ")");
    }
    return {};
  }
  // Else by its name in this folder, whether it is there yet or not.
  const fs::path path(out);
  for (const FileHere& here : FilesHere()) {
    if (path.filename() != here.name) continue;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (fs::equivalent(folder, ".", ec) && !ec) return here.holds + (" (" + here.name + ")");
  }
  return {};
}

bool MayWrite(const std::string& out, FileContent content, const std::vector<std::string>& inputs,
              bool force, CommandContext& ctx, const std::string& folder) {
  if (const Status place = CheckOutputPlace(out, folder); !place) {
    ctx.err << "scorewick: not written: " << TerminalText(place.reason) << "\n";
    return false;
  }
  if (force) return true;
  std::string conflict;
  if (const std::string here = FileReadHere(out); !here.empty()) {
    conflict = out + " is " + here + " of this folder, which the commands read";
  } else {
    std::vector<std::string> read = inputs;
    read.insert(read.end(), ctx.files_read.begin(), ctx.files_read.end());
    conflict = CheckOutputContent(read, out, content).reason;
  }
  if (conflict.empty()) return true;
  ctx.err << "scorewick: not written: " << TerminalText(conflict)
          << " (give --force to write it anyway)\n";
  return false;
}

}  // namespace scorewick::cli
