#pragma once
// The list of game files an analysis covers, in the order chosen.  It has
// no upper limit: a league season runs to thousands of games.

#include <string>
#include <vector>

namespace scorewick {

class BaseStatGameStruct {
 public:
  int game_count() const { return static_cast<int>(file_names_.size()); }
  const std::vector<std::string>& file_names() const { return file_names_; }
  const std::string& file_name(int index) const {
    return file_names_.at(static_cast<std::size_t>(index));
  }

  // Appends a path (duplicates are the caller's business).
  void AddGame(std::string path) { file_names_.push_back(std::move(path)); }
  void ClearGames() { file_names_.clear(); }

 private:
  std::vector<std::string> file_names_;
};

}  // namespace scorewick
