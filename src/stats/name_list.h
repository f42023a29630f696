#pragma once
// A list of player names in order of first appearance, each found again
// by its index: the plots keep indices with their points and pitches, so
// that choosing a player compares numbers.  Each name keeps the teams it
// was added for, so that a list of players can follow a chosen team.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scorewick {

class NameList {
 public:
  // The name's index, the name appended first when it is new; team (when
  // not empty) is added to the name's teams.
  int Add(std::string_view name, std::string_view team = {});
  // The name's index, or -1 when the list does not hold it.
  int Find(std::string_view name) const;
  void Clear();

  const std::vector<std::string>& names() const { return names_; }
  // The teams the name at index was added for, in order of first appearance.
  const std::vector<std::string>& TeamsOf(int index) const {
    return teams_.at(static_cast<std::size_t>(index));
  }
  // Every team of the list's names, A to Z.
  std::vector<std::string> Teams() const;
  // The indexes of the names that played for team (every name when team is
  // empty), by name A to Z whatever the case.
  std::vector<int> SortedOfTeam(std::string_view team) const;

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<std::string> names_;
  std::vector<std::vector<std::string>> teams_;  // by index
  std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
};

// The index a filter selects in names: kEveryName for the "ALL" text all,
// kNoName for a name the list does not hold (nothing matches).
inline constexpr int kEveryName = -1;
inline constexpr int kNoName = -2;
int FilterIndex(std::string_view filter, std::string_view all, const NameList& names);

}  // namespace scorewick
