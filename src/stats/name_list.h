#pragma once
// A list of player names in order of first appearance, each found again
// by its index: the plots keep indices with their points and pitches, so
// that choosing a player compares numbers.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scorewick {

class NameList {
 public:
  // The name's index, the name appended first when it is new.
  int Add(std::string_view name);
  // The name's index, or -1 when the list does not hold it.
  int Find(std::string_view name) const;
  void Clear();

  const std::vector<std::string>& names() const { return names_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<std::string> names_;
  std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
};

// The index a filter selects in names: kEveryName for the "ALL" text all,
// kNoName for a name the list does not hold (nothing matches).
inline constexpr int kEveryName = -1;
inline constexpr int kNoName = -2;
int FilterIndex(std::string_view filter, std::string_view all, const NameList& names);

}  // namespace scorewick
