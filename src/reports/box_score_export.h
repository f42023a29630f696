#pragma once
// The box score as web pages (one page, or a score page and a summary page
// shown side by side by a frameset page) and as comma-separated text.  The
// batting and pitching tables are cut from the box score's text lines at
// their columns, so a page shows exactly the figures of the text.  Team
// names, player names and the scorer's notes are escaped.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/game.h"
#include "records/local_date.h"
#include "records/status.h"
#include "reports/box_score.h"
#include "reports/html_vocabulary.h"

namespace scorewick::reports {

// The box score window's title, used as the pages' title and the caption
// of the score by innings: "Box Score - Gulls at Hawks, 6/1/2024".
std::string BoxScoreTitle(const Game& game);

// The single page: head, score by innings, batting, batting notes,
// pitching, then the pitching notes and play-by-play, and the footer.
std::string BoxScoreHtml(const BoxScore& box, std::string_view title, const HtmlStyle& style,
                         const LocalDateTime& when);

// The two pages of the frames form and the frameset page naming them.
struct BoxScoreFramePages {
  std::string score;     // head, the four tables, footer
  std::string summary;   // head, pitching notes and play-by-play, footer
  std::string frameset;  // names score_file and summary_file
};
BoxScoreFramePages BoxScoreFrames(const BoxScore& box, std::string_view title,
                                  const HtmlStyle& style, const LocalDateTime& when,
                                  std::string_view score_file, std::string_view summary_file);

// The comma-separated form: the score by innings, the batting table, the
// batting notes, the pitching table, then every remaining line quoted, and
// a closing line naming the maker.  Fields holding a comma or a quote are
// quoted, with quotes doubled.
std::string BoxScoreCsv(const BoxScore& box);

// Names of the two pages the frames form writes beside its frameset page:
// "game.htm" gives "game_score.htm" and "game_summary.htm".
struct BoxScoreFrameFiles {
  std::string score;
  std::string summary;
};
BoxScoreFrameFiles FrameFilesBeside(const std::string& frameset_path);

enum class BoxScoreForm { kHtml, kFrames, kCsv, kText };

// The files of the box score at path in the given form, each as its path
// and text: the page, or the frameset page and the two pages beside it.
std::vector<std::pair<std::string, std::string>> BoxScoreExportFiles(
    const std::string& path, const BoxScore& box, BoxScoreForm form, std::string_view title,
    const HtmlStyle& style, const LocalDateTime& when);

// Writes the box score at path in the given form (the frames form writes
// its two pages beside path as FrameFilesBeside names them).  The files are
// written whole or not at all, the three pages of the frames form together;
// a failure naming the file and the reason (no message) when one cannot be.
Status WriteBoxScoreExport(const std::string& path, const BoxScore& box, BoxScoreForm form,
                           std::string_view title, const HtmlStyle& style,
                           const LocalDateTime& when);

}  // namespace scorewick::reports
