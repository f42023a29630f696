#pragma once
// AddWrappedLine: how long texts (a batter's sentence, a scorer's note, the
// paragraphs of notes under a box score) go into a list of fixed-width
// lines.

#include <string>
#include <string_view>
#include <vector>

namespace scorewick::reports {

// What a line break (CR LF, a lone CR or a lone LF) in a text is: the end
// of a line (a scorer's note, typed in paragraphs), or a character like any
// other (a sentence made of names: a line feed in a name is damage, shown
// where it stands when the line is printed, never a line of its own).
enum class LineBreaks { kEndLines, kInText };

// Adds text to lines, wrapped at width characters.  A text of at most width
// characters without a line break, or any text when width is above 200, is
// one line.  Otherwise lines are cut in turn: a line break (CR LF, a lone
// CR or a lone LF) ends a line at once and is dropped; a line that reaches
// the width while text follows is cut back to its last blank, the blank
// dropped, and the next line starts right after it.  A full-width line with
// no blank is cut hard at the width.  With LineBreaks::kInText a line break
// is a character like the others.
void AddWrappedLine(std::vector<std::string>& lines, std::string_view text, int width,
                    LineBreaks breaks = LineBreaks::kEndLines);
// True when AddWrappedLine would add text as one line as it stands.
bool FitsOneLine(std::string_view text, int width, LineBreaks breaks = LineBreaks::kEndLines);

}  // namespace scorewick::reports
