#pragma once
// The printing of statistics into a PDF file, set by the print commands
// when the drawing code is built in; empty otherwise.

#include <functional>
#include <string>
#include <vector>

#include "records/status.h"
#include "reports/stats_text.h"

namespace scorewick::cli {

// Fails, with the reason, when the file cannot be written.
using StatsPdfPrinter =
    std::function<Status(const std::vector<reports::TextSection>& sections,
                         const std::string& title, const std::vector<std::string>& game_files,
                         int page_width, bool landscape, const std::string& path)>;
StatsPdfPrinter& StatsPdf();

}  // namespace scorewick::cli
