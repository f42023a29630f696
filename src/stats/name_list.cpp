#include "stats/name_list.h"

namespace scorewick {

int NameList::Add(std::string_view name) {
  if (auto it = index_.find(name); it != index_.end()) return it->second;
  const int index = static_cast<int>(names_.size());
  names_.emplace_back(name);
  index_.emplace(std::string(name), index);
  return index;
}

int NameList::Find(std::string_view name) const {
  auto it = index_.find(name);
  return it == index_.end() ? -1 : it->second;
}

void NameList::Clear() {
  names_.clear();
  index_.clear();
}

int FilterIndex(std::string_view filter, std::string_view all, const NameList& names) {
  if (filter == all) return kEveryName;
  const int index = names.Find(filter);
  return index < 0 ? kNoName : index;
}

}  // namespace scorewick
