#include "stats/workload_rules.h"

#include <charconv>

#include "records/file_io.h"
#include "records/format_text.h"

namespace scorewick {
namespace {

// A whole number of at most six digits (no count of pitches or days comes
// near), or -1.
int Number(std::string_view text) {
  int n = -1;
  if (text.empty() || text.size() > 6) return -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  return ec == std::errc() && end == text.data() + text.size() ? n : -1;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t begin = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > begin) words.push_back(line.substr(begin, i - begin));
  }
  return words;
}

// "21-35" or "66+" into a step's range; false when it is neither.
bool ParseRange(std::string_view word, RestStep& step) {
  if (!word.empty() && word.back() == '+') {
    step.from = Number(word.substr(0, word.size() - 1));
    step.to = -1;
    return step.from >= 0;
  }
  const std::size_t dash = word.find('-');
  if (dash == std::string_view::npos) return false;
  step.from = Number(word.substr(0, dash));
  step.to = Number(word.substr(dash + 1));
  return step.from >= 0 && step.to >= 0;
}

}  // namespace

WorkloadRules DefaultWorkloadRules() {
  return {{{1, 20, 0}, {21, 35, 1}, {36, 50, 2}, {51, 65, 3}, {66, -1, 4}}, 85};
}

namespace {

// A line of a range of pitches and its days of rest ("21-35 1"), which
// follows on from the range before it.  Fails with why not.
Status ReadRestStep(const std::vector<std::string_view>& words, const std::vector<RestStep>& steps,
                    RestStep& step) {
  const auto refuse = [](const std::string& why) { return Status::Failed({}, why); };
  if (!ParseRange(words[0], step))
    return refuse("the range of pitches is FROM-TO (\"21-35\") or FROM+ (\"66+\")");
  step.days = Number(words[1]);
  if (step.days < 0 || step.days > 365) return refuse("the days of rest are a number, 0 to 365");
  if (step.to >= 0 && step.to < step.from) return refuse("the range runs backwards");
  if (steps.empty()) return {};
  const RestStep& last = steps.back();
  if (last.to < 0) return refuse("the range before it already covers every count above it");
  if (step.from != last.to + 1) {
    return refuse(
        step.from <= last.to
            ? Format("the range overlaps the one before it (up to %d)", last.to)
            : Format("the ranges must follow on: this one should start at %d", last.to + 1));
  }
  return {};
}

}  // namespace

Status ParseWorkloadRules(std::string_view text, WorkloadRules& rules) {
  WorkloadRules read;
  bool max_given = false;
  int number = 0;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(begin, end - begin);
    begin = end + 1;
    ++number;
    const std::string_view whole = line;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
      line = line.substr(0, hash);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) continue;
    const auto refuse = [&](const std::string& why) {
      std::string shown(whole.substr(0, 60));
      if (!shown.empty() && shown.back() == '\r') shown.pop_back();
      Status refused = Status::Failed({}, Format("line %d, \"%s\": ", number, shown.c_str()) + why);
      refused.line = number;
      return refused;
    };
    if (words.size() != 2) {
      return refuse(
          "a line is a range of pitches and the days of rest (\"21-35 1\"), or "
          "\"max\" and the most pitches a day (\"max 85\")");
    }
    if (words[0] == "max") {
      if (max_given) return refuse("the maximum is given twice");
      read.daily_max = Number(words[1]);
      if (read.daily_max <= 0) return refuse("the maximum is a number of pitches above 0");
      max_given = true;
      continue;
    }
    RestStep step;
    if (Status got = ReadRestStep(words, read.steps, step); !got) return refuse(got.reason);
    read.steps.push_back(step);
  }
  if (read.steps.empty()) {
    return Status::Failed({}, "no range of pitches is given (a line such as \"1-20 0\")");
  }
  rules = std::move(read);
  return {};
}

std::string WorkloadRulesText(const WorkloadRules& rules) {
  std::string text =
      "# Pitch-count rules: the pitches thrown in a day, and the full days of\n"
      "# rest a pitcher must have before he pitches again.  \"66+\" is 66 or\n"
      "# more; \"max\" is the most pitches he may throw in one day.\n";
  for (const RestStep& s : rules.steps) {
    text +=
        s.to < 0 ? Format("%d+ %d\n", s.from, s.days) : Format("%d-%d %d\n", s.from, s.to, s.days);
  }
  if (rules.daily_max > 0) text += Format("max %d\n", rules.daily_max);
  return text;
}

int RestDaysAfter(const WorkloadRules& rules, int pitches) {
  int days = 0;
  for (const RestStep& s : rules.steps) {
    if (pitches < s.from) break;
    days = s.days;  // the last range reached, for a count beyond a closed last one
    if (s.to < 0 || pitches <= s.to) break;
  }
  return days;
}

Status LoadWorkloadRules(const std::string& path, bool missing_is_default, WorkloadRules& rules) {
  if (missing_is_default && !FileExists(path)) {
    rules = DefaultWorkloadRules();
    return {};
  }
  std::string text;
  if (Status read = ReadWholeTextFile(path, text, std::size_t{1} << 20); !read) return read;
  Status parsed = ParseWorkloadRules(text, rules);
  if (!parsed) {
    parsed.file = path;
    parsed.reason = path + ": " + parsed.reason;
  }
  return parsed;
}

}  // namespace scorewick
