#pragma once
// The names a published website shows for players.  A site a coach puts
// on the web shows children, so by default a player is his first name and
// the initial of his last ("Ann Able" shows "Ann A."); a second player of
// the same team who would show the same takes more letters of his last
// name until the two differ ("Ann Ab." and "Ann Ad."), or the whole of it.
// Names are record texts (code page 1252): the last word of a name is the
// last name, unless it is a suffix ("Jr.", "III"), which goes with it.

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace scorewick::site {

enum class NameMode { kInitials, kFull };

// The shown names of one team's players: every name of names mapped to
// what the site shows for it, each different from the others.  With kFull
// every name shows as it is.
std::map<std::string, std::string> ShownNames(const std::set<std::string>& names, NameMode mode);

// The shown names of every team, gathered before the pages are made:
// Add every name of every team first, then Finish, then Shown.
class PlayerNames {
 public:
  explicit PlayerNames(NameMode mode) : mode_(mode) {}
  void Add(std::string_view team, std::string_view name);
  void Finish();
  // The shown name of a player of team; a name not added shows as its
  // first name and last initial (or whole, with kFull).
  std::string Shown(std::string_view team, std::string_view name) const;
  NameMode mode() const { return mode_; }

 private:
  NameMode mode_;
  std::map<std::string, std::set<std::string>, std::less<>> added_;
  std::map<std::string, std::map<std::string, std::string>, std::less<>> shown_;
};

// The first and last name of a full name (the last name with its suffix).
struct NameParts {
  std::string first;
  std::string last;
};
NameParts SplitName(std::string_view name);

}  // namespace scorewick::site
