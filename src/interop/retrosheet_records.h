#pragma once
// The text of Retrosheet's files, line by line.  Event files (.EVA, .EVN
// ...), roster files (TTTYYYY.ROS) and the team file (TEAMYYYY) are plain
// text of comma-separated records, one a line, a field in double quotes
// when it holds a comma (player names: "J.D. Martinez").  An event file
// holds games one after another, each opening with an `id` record:
//
//   id,SEA201903280
//   info,visteam,BOS
//   start,benia002,"Andrew Benintendi",0,1,7
//   play,1,0,benia002,00,X,3/G
//   sub,velah001,"Hector Velazquez",0,0,1
//
// Lines end in CR LF or LF; blank lines are passed over.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"

namespace scorewick::interop {

// A line is refused beyond this length: no record comes near it, and a
// file that is not text at all must not make us hold it whole in fields.
inline constexpr std::size_t kMaxRecordLine = 4096;

// One record: its line (1-based) and its fields, the record type first
// ("play", "1", "0", "benia002", ...), quotes removed.  A line that could
// not be read has no fields and says why in `broken`, so that only the game
// holding it is refused.
struct RetroRecord {
  int line = 0;
  std::vector<std::string> fields;
  std::string broken;

  std::string_view type() const { return fields.empty() ? std::string_view() : fields.front(); }
  // The field at index i, or empty text past the end.
  std::string_view at(std::size_t i) const {
    return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
  }
};

// Splits one line into fields.  Fails, with the reason, for a line with a
// quote left open or a control character (the file is not text).
Status SplitRecord(std::string_view line, std::vector<std::string>& fields);

// A line's fields as views, for a reader that looks at many lines and
// keeps none: of the line itself when it holds no quote (its fields are
// then the line's text between the commas, trimmed as SplitRecord trims
// them), else of the strings SplitRecord makes of it, kept in `quoted`.
// Fails as SplitRecord fails.
struct RecordFields {
  std::vector<std::string_view> fields;
  std::vector<std::string> quoted;

  std::size_t size() const { return fields.size(); }
  std::string_view type() const { return fields.empty() ? std::string_view() : fields.front(); }
  std::string_view at(std::size_t i) const {
    return i < fields.size() ? fields[i] : std::string_view();
  }
};
Status SplitRecordFields(std::string_view line, RecordFields& record);

// A file's records in order, blank lines left out; lines that cannot be
// split or are too long come as broken records.
std::vector<RetroRecord> ReadRecords(std::string_view text);

// The games of an event file: the records from each `id` to the next.
// Records before the first `id` are in `stray` (an event file has none).
struct EventFileGames {
  std::vector<std::vector<RetroRecord>> games;
  std::vector<RetroRecord> stray;
};
EventFileGames SplitGames(std::vector<RetroRecord> records);

}  // namespace scorewick::interop
