#include "stats/game_selection.h"

#include <algorithm>
#include <cctype>

#include "intake/game_intake.h"
#include "records/game_file.h"
#include "stats/accumulate.h"

namespace scorewick {

std::optional<std::string> GamePreview(const std::string& path) {
  const std::optional<GameListHeader> header = ReadGameListHeader(path);
  if (!header) return std::nullopt;
  return GameListEntry(*header, "(Prior Version Format)");
}

GameSelection::AddResult GameSelection::Add(const std::string& path, UserMessage* message) {
  const std::string key = FileIdentity(path);
  if (chosen_.count(key) != 0) return AddResult::kAlreadyChosen;
  GameIntake intake;
  const Status checked = intake.Check(path);
  const std::optional<GameListHeader> header = ReadGameListHeader(path);
  if (!header || (!checked && checked.fault != Fault::kPriorFormat)) {
    return AddResult::kUnreadable;
  }
  if (!checked) {
    if (message)
      *message = {PriorFormatMessage(path), kPriorFormatCaption, MessageIcon::kExclamation};
    return AddResult::kPriorFormat;
  }
  games_.push_back(path);
  keys_.push_back(key);
  chosen_.insert(key);
  const std::array<std::string, 2> names = {header->header.list_names[0].str(),
                                            header->header.list_names[1].str()};
  game_teams_.push_back(names);
  for (const std::string& name : names) {
    if (std::find(teams_.begin() + 1, teams_.end(), name) == teams_.end()) teams_.push_back(name);
  }
  return AddResult::kAdded;
}

void GameSelection::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(games_.size())) return;
  const auto at = static_cast<std::size_t>(index);
  const std::array<std::string, 2> names = game_teams_[at];
  chosen_.erase(keys_[at]);
  keys_.erase(keys_.begin() + index);
  games_.erase(games_.begin() + index);
  game_teams_.erase(game_teams_.begin() + index);
  for (const std::string& name : names) {
    const bool still_named =
        std::any_of(game_teams_.begin(), game_teams_.end(),
                    [&](const auto& teams) { return teams[0] == name || teams[1] == name; });
    if (still_named) continue;
    const auto entry = std::find(teams_.begin() + 1, teams_.end(), name);
    if (entry != teams_.end()) teams_.erase(entry);
  }
}

GameSelection::FinishResult GameSelection::Finish(int selected, GameChoice& choice,
                                                  UserMessage* message) const {
  if (games_.empty()) {
    if (message)
      *message = {"Must Select at least one Game to Analyze", "No Game Selected",
                  MessageIcon::kExclamation};
    return FinishResult::kNoGame;
  }
  if (selected < 0 || selected >= static_cast<int>(teams_.size())) {
    if (message) {
      *message = {"You Must Choose a Team Name or \"All Teams\"", "No Team Selected",
                  MessageIcon::kExclamation};
    }
    return FinishResult::kNoTeam;
  }
  choice.games = games_;
  const std::string& team = teams_[static_cast<std::size_t>(selected)];
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  choice.all_teams = selected == 0 && lower(team) == lower(std::string(kAllTeamsName));
  choice.team = choice.all_teams ? std::string() : team.substr(0, NameText::kCapacity);
  return FinishResult::kOk;
}

}  // namespace scorewick
