#pragma once
// The filters of the game chooser: the games between two days (typed as
// YYYY-MM-DD), a team's home or away games, its games against an opponent,
// its last N games.  The panel holds the choices and says what they leave;
// the filtering itself is the core's (stats/game_filter.h).

#include <QGroupBox>
#include <optional>
#include <string>
#include <vector>

#include "stats/game_filter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace scorewick::app {

class GameFilterPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit GameFilterPanel(QWidget* parent = nullptr);

  // The teams the chosen games name (code page 1252), for the team and
  // opponent boxes, listed A to Z; a team chosen stays chosen while a game
  // names it.
  void SetTeams(const std::vector<std::string>& teams);
  // Chooses team (code page 1252) in the team box when it is there and no
  // team is chosen yet.
  void OfferTeam(const std::string& team);
  // Puts filter in the boxes (its names are offered when no game names
  // them, so that a saved filter is shown as it was kept).
  void SetFilter(const GameFilter& filter);
  // The filter the boxes ask for; nothing, with the reason in *error, for
  // a day not typed as YYYY-MM-DD, From after To, or home, away or last N
  // without a team.
  std::optional<GameFilter> Filter(std::string* error) const;
  // Shows the line saying what the filters leave.
  void ShowLeft(const QString& text, bool fault);

 signals:
  void Changed();

 private:
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  QComboBox* team_ = nullptr;
  QComboBox* ground_ = nullptr;
  QComboBox* opponent_ = nullptr;
  QSpinBox* last_ = nullptr;
  QLabel* left_ = nullptr;
};

}  // namespace scorewick::app
