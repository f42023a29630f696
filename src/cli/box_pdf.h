#pragma once
// The printed box score for `scorewick box --format pdf`: set by the
// printing half of the command line when the drawing code is built, empty
// otherwise.

#include <functional>
#include <string>
#include <vector>

#include "records/game.h"
#include "records/status.h"

namespace scorewick::cli {

// Prints lines (the box score's text) as the text printout does, with the
// trailer naming game, into the PDF file pdf.  Fails, with the reason, when
// the file cannot be written.
using BoxPdfWriter =
    std::function<Status(const std::vector<std::string>& lines, const std::string& title,
                         const Game& game, const std::string& pdf)>;
BoxPdfWriter& BoxPdfPrinter();

}  // namespace scorewick::cli
