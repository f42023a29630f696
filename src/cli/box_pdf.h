#pragma once
// The printed box score for `scorewick box --format pdf`: set by the
// printing half of the command line when the drawing code is built, empty
// otherwise.

#include <functional>
#include <string>
#include <vector>

#include "records/game.h"

namespace scorewick::cli {

// Prints lines (the box score's text) as the text printout does, with the
// trailer naming game, into the PDF file pdf.  False with *error when the
// file cannot be written.
using BoxPdfWriter =
    std::function<bool(const std::vector<std::string>& lines, const std::string& title,
                       const Game& game, const std::string& pdf, std::string* error)>;
BoxPdfWriter& BoxPdfPrinter();

}  // namespace scorewick::cli
