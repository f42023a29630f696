#pragma once
// Printing a statistics table: its text sections one after another
// through the text printout, with the page numbers running on from
// section to section, into one PDF file.

#include <string>
#include <vector>

#include "records/status.h"
#include "reports/stats_text.h"

namespace scorewick::print {

class PageTarget;

// Prints the sections one after another on target (without finishing it):
// each section a text printout titled title, sized so that page_width
// characters fill the page width, numbered on from the pages before it;
// the last ends with the list of game files.  Returns the pages printed,
// or -1 when the device failed.
int PrintStatsSections(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& game_files, int page_width,
                       PageTarget& target);

// title: "Statistics for ..." (StatsPrintTitle).  The font is sized so
// that page_width characters fill the page width; the last section ends
// with the list of game files.  Written whole or not at all; fails, with
// the reason and no message, when nothing was written.
Status PrintStatsToPdf(const std::vector<reports::TextSection>& sections, const std::string& title,
                       const std::vector<std::string>& game_files, int page_width, bool landscape,
                       const std::string& path);

}  // namespace scorewick::print
