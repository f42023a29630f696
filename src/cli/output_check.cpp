#include "cli/output_check.h"

#include <ostream>

#include "platform/terminal_text.h"

namespace scorewick::cli {

FileContent ContentOfForm(const std::string& format) {
  if (format == "pdf") return FileContent::kPdf;
  if (format == "html" || format == "frames") return FileContent::kHtml;
  return FileContent::kText;
}

void AddForceFlag(CLI::App* cmd, bool& force) {
  cmd->add_flag("--force", force,
                "write the output even when it is an input or holds another kind of file");
}

bool MayWrite(const std::string& out, FileContent content, const std::vector<std::string>& inputs,
              bool force, CommandContext& ctx) {
  if (const std::string refusal = OutputRefusal(out); !refusal.empty()) {
    ctx.err << "scorewick: not written: " << TerminalText(refusal) << "\n";
    return false;
  }
  if (force) return true;
  const std::string conflict = OutputConflict(inputs, out, content);
  if (conflict.empty()) return true;
  ctx.err << "scorewick: not written: " << TerminalText(conflict)
          << " (give --force to write it anyway)\n";
  return false;
}

}  // namespace scorewick::cli
