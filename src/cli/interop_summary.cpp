#include "cli/interop_summary.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "platform/terminal_text.h"

namespace scorewick::cli {

bool MakeOutputFolder(const std::string& folder, CommandContext& ctx) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (folder.empty() || fs::is_directory(folder, ec)) return true;
  if (fs::exists(folder, ec)) {
    ctx.err << "scorewick: " << TerminalText(folder) << " is not a folder\n";
    return false;
  }
  fs::create_directories(folder, ec);
  if (ec) {
    ctx.err << "scorewick: cannot make the folder " << TerminalText(folder) << ": " << ec.message()
            << "\n";
    return false;
  }
  return true;
}

int ReportInterop(const std::vector<interop::ImportRefusal>& messages, bool kept_any,
                  const std::string& line, CommandContext& ctx) {
  for (const interop::ImportRefusal& message : messages) {
    ctx.err << "scorewick: " << (message.note ? "note: " : "") << TerminalText(message.Text())
            << "\n";
  }
  if (kept_any) ctx.err << "scorewick: files already there were kept; --force writes over them\n";
  ctx.out << line << "\n";
  const bool refused = std::any_of(messages.begin(), messages.end(),
                                   [](const interop::ImportRefusal& m) { return !m.note; });
  return refused ? kExitRefused : kExitDone;
}

}  // namespace scorewick::cli
