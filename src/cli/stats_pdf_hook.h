#pragma once
// The printing of statistics into a PDF file, set by the print commands
// when the drawing code is built in; empty otherwise.

#include <functional>
#include <string>
#include <vector>

#include "reports/stats_text.h"

namespace scorewick::cli {

using StatsPdfPrinter =
    std::function<bool(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& game_files, int page_width, bool landscape,
                       const std::string& path, std::string* error)>;
StatsPdfPrinter& StatsPdf();

}  // namespace scorewick::cli
