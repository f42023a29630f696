#include "stats/qualifiers.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "records/file_io.h"
#include "records/format_text.h"
#include "records/key_value_lines.h"

namespace scorewick {
namespace {

constexpr std::size_t kMaxQualifiersBytes = 4096;

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Digits(std::string_view text) {
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

std::string PathIn(const std::string& folder) {
  return (std::filesystem::path(folder) / kQualifiersFileName).string();
}

// The IP column's figure in hundredths, rounded as "%5.2f" rounds it.
long long InningsHundredths(const PitchingStat& row, const StatRules& rules) {
  const int per_inning = std::max(rules.outs_per_inning, 1);
  return std::llround(100.0 * row.outs / per_inning);
}

template <typename Row, typename Pass>
void KeepQualified(std::vector<Row>& rows, Pass pass) {
  if (rows.size() < 2) return;
  // The last row is the totals row: it stays whatever it holds.
  const auto end =
      std::remove_if(rows.begin(), rows.end() - 1, [&](const Row& row) { return !pass(row); });
  rows.erase(end, rows.end() - 1);
}

}  // namespace

bool ParsePlateAppearances(std::string_view text, int* count) {
  if (!AllDigits(text) || text.size() > 9) return false;
  *count = Digits(text);
  return true;
}

bool ParseInnings(std::string_view text, int* hundredths) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view part =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (!AllDigits(whole) || whole.size() > 6) return false;
  if (!part.empty() && !AllDigits(part)) return false;
  // Hundredths, the third decimal rounding the second.
  int fraction = 0;
  for (std::size_t i = 0; i < 2; ++i)
    fraction = fraction * 10 + (i < part.size() ? part[i] - '0' : 0);
  if (part.size() > 2 && part[2] >= '5') ++fraction;
  *hundredths = Digits(whole) * 100 + fraction;
  return true;
}

std::string InningsText(int hundredths) {
  return std::to_string(hundredths / 100) + Format(".%02d", hundredths % 100);
}

bool Qualifies(const BattingStat& row, StatTable table, const Qualifiers& q) {
  if (row.plate_appearances < q.min_plate_appearances) return false;
  return !(q.hide_empty && table == StatTable::kBatting && row.plate_appearances == 0);
}

bool Qualifies(const PitchingStat& row, const StatRules& rules, const Qualifiers& q) {
  if (InningsHundredths(row, rules) < q.min_innings_hundredths) return false;
  return !(q.hide_empty && row.batters_faced == 0);
}

void HideUnqualified(Stat& stat, StatTable table, const Qualifiers& q) {
  if (q == Qualifiers{}) return;
  switch (table) {
    case StatTable::kBatting:
    case StatTable::kRunning:
      KeepQualified(stat.batting, [&](const BattingStat& row) { return Qualifies(row, table, q); });
      break;
    case StatTable::kPitching:
      KeepQualified(stat.pitching,
                    [&](const PitchingStat& row) { return Qualifies(row, stat.rules, q); });
      break;
    case StatTable::kFielding:
      return;
  }
  stat.InvalidateIndex();
}

std::string QualifiersText(const Qualifiers& q) {
  return "min-pa=" + std::to_string(q.min_plate_appearances) +
         "\nmin-ip=" + InningsText(q.min_innings_hundredths) +
         "\nhide-empty=" + (q.hide_empty ? "1" : "0") + "\n";
}

Qualifiers ParseQualifiers(std::string_view text) {
  Qualifiers q;
  ForEachKeyValue(text, [&](std::string_view key, std::string_view value) {
    if (key == "min-pa") ParsePlateAppearances(value, &q.min_plate_appearances);
    if (key == "min-ip") ParseInnings(value, &q.min_innings_hundredths);
    if (key == "hide-empty" && (value == "0" || value == "1")) q.hide_empty = value == "1";
  });
  return q;
}

Qualifiers LoadQualifiers(const std::string& folder) {
  std::string text;
  const std::string path = PathIn(folder);
  if (!FileExists(path) || !ReadWholeTextFile(path, text, kMaxQualifiersBytes)) return {};
  return ParseQualifiers(text);
}

Status SaveQualifiers(const std::string& folder, const Qualifiers& q) {
  const std::string path = PathIn(folder);
  if (q == Qualifiers{} && !FileExists(path)) return {};
  return WriteTextFileAtomically(path, QualifiersText(q));
}

}  // namespace scorewick
