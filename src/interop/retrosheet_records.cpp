#include "interop/retrosheet_records.h"

namespace scorewick::interop {

Status SplitRecord(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  fields.emplace_back();
  bool quoted = false;
  for (char c : line) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 && c != '\t') {
      return Status::Failed(
          {}, "the line holds a control character: this is not a Retrosheet text file");
    }
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  if (quoted) return Status::Failed({}, "a quote is opened and never closed");
  for (std::string& field : fields) {
    const std::size_t first = field.find_first_not_of(" \t");
    const std::size_t last = field.find_last_not_of(" \t");
    field = first == std::string::npos ? std::string() : field.substr(first, last - first + 1);
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
