#pragma once
// The small "key=value" files the program keeps beside its settings file
// (the folders of the file dialogs, the statistics qualifiers): one
// setting a line, a carriage return before the line feed allowed.

#include <algorithm>
#include <string_view>

namespace scorewick {

// Calls take(key, value) for every line of text that holds a '=' (the key
// is what comes before the first one); other lines are skipped.
template <typename Take>
void ForEachKeyValue(std::string_view text, Take take) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) take(line.substr(0, equals), line.substr(equals + 1));
  }
}

}  // namespace scorewick
