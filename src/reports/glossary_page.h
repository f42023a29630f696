#pragma once
// The help manual's glossary of the statistics: one page listing every
// column of the batting, running, fielding and pitching tables with its
// name and how it is counted, written from the statistics' own glossary
// (stats/column_glossary.h).  The build writes it into the manual beside
// the other help pages.

#include <string>

namespace scorewick::reports {

// The whole page, UTF-8 HTML that uses the manual's style sheet (help.css).
std::string GlossaryPage();

}  // namespace scorewick::reports
