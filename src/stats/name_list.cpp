#include "stats/name_list.h"

#include <algorithm>
#include <cctype>

namespace scorewick {

int NameList::Add(std::string_view name, std::string_view team) {
  int index = 0;
  if (auto it = index_.find(name); it != index_.end()) {
    index = it->second;
  } else {
    index = static_cast<int>(names_.size());
    names_.emplace_back(name);
    teams_.emplace_back();
    index_.emplace(std::string(name), index);
  }
  std::vector<std::string>& teams = teams_[static_cast<std::size_t>(index)];
  if (!team.empty() && std::find(teams.begin(), teams.end(), team) == teams.end())
    teams.emplace_back(team);
  return index;
}

std::vector<std::string> NameList::Teams() const {
  std::vector<std::string> all;
  for (const std::vector<std::string>& teams : teams_) {
    for (const std::string& team : teams)
      if (std::find(all.begin(), all.end(), team) == all.end()) all.push_back(team);
  }
  std::sort(all.begin(), all.end());
  return all;
}

std::vector<int> NameList::SortedOfTeam(std::string_view team) const {
  std::vector<int> kept;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const std::vector<std::string>& teams = teams_[i];
    if (team.empty() || std::find(teams.begin(), teams.end(), team) != teams.end())
      kept.push_back(static_cast<int>(i));
  }
  const auto lower = [](unsigned char c) { return std::tolower(c); };
  std::stable_sort(kept.begin(), kept.end(), [&](int a, int b) {
    const std::string& x = names_[static_cast<std::size_t>(a)];
    const std::string& y = names_[static_cast<std::size_t>(b)];
    return std::lexicographical_compare(
        x.begin(), x.end(), y.begin(), y.end(), [&](char p, char q) {
          return lower(static_cast<unsigned char>(p)) < lower(static_cast<unsigned char>(q));
        });
  });
  return kept;
}

int NameList::Find(std::string_view name) const {
  auto it = index_.find(name);
  return it == index_.end() ? -1 : it->second;
}

void NameList::Clear() {
  names_.clear();
  teams_.clear();
  index_.clear();
}

int FilterIndex(std::string_view filter, std::string_view all, const NameList& names) {
  if (filter == all) return kEveryName;
  const int index = names.Find(filter);
  return index < 0 ? kNoName : index;
}

}  // namespace scorewick
