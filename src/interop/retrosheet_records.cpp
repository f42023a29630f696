#include "interop/retrosheet_records.h"

#include "records/word_scan.h"

namespace scorewick::interop {

namespace {

constexpr const char* kControlCharacter =
    "the line holds a control character: this is not a Retrosheet text file";

bool Blank(char c) { return c == ' ' || c == '\t'; }

// Most fields have no blank at either end.
std::string_view Trimmed(std::string_view field) {
  if (field.empty() || (!Blank(field.front()) && !Blank(field.back()))) return field;
  while (!field.empty() && Blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && Blank(field.back())) field.remove_suffix(1);
  return field;
}

}  // namespace

Status SplitRecordFields(std::string_view line, RecordFields& record) {
  record.fields.clear();
  // A field is its text between the commas outside quotes, trimmed; one
  // wholly in quotes (a name: "J.D. Martinez") is the text inside them,
  // trimmed.  Only a field with quotes elsewhere in it is made a string.
  std::size_t start = 0;
  int quotes = 0;  // in the field so far
  bool quoted = false;
  for (std::size_t i = 0;; ++i) {
    // Most characters are letters and digits, past the comma, the quote
    // and the control characters: passed over a word at a time.
    i += FirstByteBelow(line.data() + i, line.size() - i, ',' + 1);
    const char c = i < line.size() ? line[i] : ',';
    if (c == '"') {
      quoted = !quoted;
      ++quotes;
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      record.fields.clear();
      return Status::Failed({}, kControlCharacter);
    }
    if (c != ',' || (quoted && i < line.size())) continue;
    if (quoted) break;  // left open: SplitRecord says so
    std::string_view field = Trimmed(line.substr(start, i - start));
    if (quotes == 2 && field.size() >= 2 && field.front() == '"' && field.back() == '"') {
      field = Trimmed(field.substr(1, field.size() - 2));
    } else if (quotes > 0) {
      break;  // quotes inside the field: SplitRecord takes them out
    }
    record.fields.push_back(field);
    if (i >= line.size()) return {};
    start = i + 1;
    quotes = 0;
  }
  if (Status split = SplitRecord(line, record.quoted); !split) {
    record.fields.clear();
    return split;
  }
  record.fields.assign(record.quoted.begin(), record.quoted.end());
  return {};
}

Status SplitRecord(std::string_view line, std::vector<std::string>& fields) {
  // The strings of an earlier line are filled again: a reader that splits
  // line after line into the same fields allocates nothing once they are
  // long enough.
  std::size_t count = 0;
  auto next_field = [&]() -> std::string& {
    if (count == fields.size()) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    return field;
  };
  std::string* field = &next_field();
  bool quoted = false;
  Status status;
  auto plain = [&](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 || c == '\t') && c != '"' && (c != ',' || quoted);
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    // The characters up to the next quote, comma or control character
    // belong to the field as they are.
    const std::size_t run = i;
    while (i < line.size() && plain(line[i])) ++i;
    field->append(line, run, i - run);
    if (i == line.size()) break;
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',') {
      field = &next_field();
    } else {
      status = Status::Failed({}, kControlCharacter);
      break;
    }
  }
  fields.resize(count);
  if (!status) return status;
  if (quoted) return Status::Failed({}, "a quote is opened and never closed");
  for (std::string& f : fields) {
    const std::size_t first = f.find_first_not_of(" \t");
    if (first == std::string::npos) {
      f.clear();
      continue;
    }
    f.erase(f.find_last_not_of(" \t") + 1);
    f.erase(0, first);
  }
  return {};
}

std::vector<RetroRecord> ReadRecords(std::string_view text) {
  std::vector<RetroRecord> records;
  int line_number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    RetroRecord record;
    record.line = line_number;
    if (line.size() > kMaxRecordLine) {
      record.broken = "the line is longer than " + std::to_string(kMaxRecordLine) +
                      " characters: this is not a Retrosheet text file";
    } else if (Status split = SplitRecord(line, record.fields); !split) {
      record.broken = std::move(split.reason);
      record.fields.clear();
    }
    records.push_back(std::move(record));
  }
  return records;
}

EventFileGames SplitGames(std::vector<RetroRecord> records) {
  EventFileGames split;
  for (RetroRecord& r : records) {
    if (r.type() == "id") {
      split.games.emplace_back();
    }
    if (split.games.empty()) {
      split.stray.push_back(std::move(r));
    } else {
      split.games.back().push_back(std::move(r));
    }
  }
  return split;
}

}  // namespace scorewick::interop
