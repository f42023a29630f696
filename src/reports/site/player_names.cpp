#include "reports/site/player_names.h"

#include <algorithm>
#include <vector>

namespace scorewick::site {
namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool IsSuffix(std::string_view word) {
  static constexpr std::string_view kSuffixes[] = {"jr", "jr.", "sr", "sr.", "ii", "iii", "iv"};
  std::string lower;
  for (char c : word) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return std::find(std::begin(kSuffixes), std::end(kSuffixes), lower) != std::end(kSuffixes);
}

// The first name and the first `letters` letters of the last name, with a
// point when letters were left out.
std::string Shortened(const NameParts& parts, std::size_t letters) {
  if (parts.last.empty()) return parts.first;
  if (letters >= parts.last.size()) return parts.first + " " + parts.last;
  return parts.first + " " + parts.last.substr(0, letters) + ".";
}

}  // namespace

NameParts SplitName(std::string_view name) {
  name = Trimmed(name);
  std::vector<std::string_view> words;
  while (!name.empty()) {
    const std::size_t blank = name.find(' ');
    words.push_back(name.substr(0, blank));
    if (blank == std::string_view::npos) break;
    name = Trimmed(name.substr(blank));
  }
  if (words.size() < 2) return {words.empty() ? std::string() : std::string(words[0]), {}};
  std::size_t last = words.size() - 1;
  if (last > 1 && IsSuffix(words[last])) --last;
  NameParts parts;
  for (std::size_t i = 0; i < last; ++i) parts.first += (i > 0 ? " " : "") + std::string(words[i]);
  for (std::size_t i = last; i < words.size(); ++i)
    parts.last += (i > last ? " " : "") + std::string(words[i]);
  return parts;
}

std::map<std::string, std::string> ShownNames(const std::set<std::string>& names, NameMode mode) {
  std::map<std::string, std::string> shown;
  if (mode == NameMode::kFull) {
    for (const std::string& n : names) shown[n] = n;
    return shown;
  }
  // Each name takes as many letters of its last name as it needs to differ
  // from every other name of the team with the same first name.
  std::map<std::string, NameParts> parts;
  for (const std::string& n : names) parts[n] = SplitName(n);
  for (const auto& [name, mine] : parts) {
    std::size_t letters = 1;
    for (const auto& [other_name, other] : parts) {
      if (other_name == name || other.first != mine.first) continue;
      std::size_t same = 0;
      while (same < mine.last.size() && same < other.last.size() &&
             mine.last[same] == other.last[same])
        ++same;
      letters = std::max(letters, same + 1);
    }
    shown[name] = Shortened(mine, letters);
  }
  return shown;
}

void PlayerNames::Add(std::string_view team, std::string_view name) {
  if (Trimmed(name).empty()) return;
  auto at = added_.find(team);
  if (at == added_.end()) at = added_.emplace(std::string(team), std::set<std::string>{}).first;
  at->second.emplace(name);
}

void PlayerNames::Finish() {
  shown_.clear();
  for (const auto& [team, names] : added_) shown_[team] = ShownNames(names, mode_);
}

std::string PlayerNames::Shown(std::string_view team, std::string_view name) const {
  if (const auto t = shown_.find(team); t != shown_.end()) {
    if (const auto n = t->second.find(std::string(name)); n != t->second.end()) return n->second;
  }
  if (mode_ == NameMode::kFull) return std::string(name);
  return Shortened(SplitName(name), 1);
}

}  // namespace scorewick::site
