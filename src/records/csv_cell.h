#pragma once
// One cell of the comma-separated text the program writes (team files,
// address lists, statistics, box scores), made safe for the spreadsheet
// that opens it.  A text that begins with a character a spreadsheet takes
// as the start of a formula (= + - @, a tab or a carriage return) is
// written after an apostrophe, which the spreadsheet shows as nothing; a
// number ("-3", "+1.5") is left alone.  A cell holding a comma, a quote, a
// carriage return or a line feed is written between quotes, its quotes
// doubled.

#include <string>
#include <string_view>

namespace scorewick {

// The cell for text, neutralised and quoted as needed.
std::string CsvCell(std::string_view text);

// The same, always between quotes (lines of prose).
std::string QuotedCsvCell(std::string_view text);

// What a field read back from such a file stands for: the apostrophe that
// CsvCell put before a formula character is taken off again (the field's
// quotes are already removed).
std::string CsvCellText(std::string_view field);

}  // namespace scorewick
