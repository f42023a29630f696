#include "records/csv_cell.h"

namespace scorewick {
namespace {

bool StartsFormula(char c) {
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// An optional sign, digits with at most one decimal point, at least one digit.
bool IsNumber(std::string_view text) {
  std::size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
  bool digit = false, point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// text with the apostrophe before it when a spreadsheet would take it as a
// formula; apostrophes already there before such a character get one more,
// so that CsvCellText gives back the text exactly.
std::string Neutralised(std::string_view text) {
  const bool formula = !text.empty() && StartsFormula(text[0]) && !IsNumber(text);
  const std::size_t after = text.find_first_not_of('\'');
  const bool escaped = after > 0 && after != std::string_view::npos && StartsFormula(text[after]);
  return formula || escaped ? "'" + std::string(text) : std::string(text);
}

std::string InQuotes(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string CsvCell(std::string_view text) {
  std::string cell = Neutralised(text);
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  return InQuotes(cell);
}

std::string QuotedCsvCell(std::string_view text) { return InQuotes(Neutralised(text)); }

std::string CsvCellText(std::string_view field) {
  const std::string_view rest = field.empty() ? field : field.substr(1);
  if (field.empty() || field[0] != '\'' || Neutralised(rest).size() == rest.size()) {
    return std::string(field);
  }
  return std::string(rest);
}

}  // namespace scorewick
