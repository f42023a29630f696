#pragma once
// Game > New Game and Game > Continue Scoring: a game scored in the
// scoring window; and, when the program starts, the offer to go on with
// the game left unfinished last time.

#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/core/session.h"
#include "platform/ui.h"

class QWidget;

namespace scorewick::app {

void RunNewGame(CommandEnv& env);
void RunContinueScoring(CommandEnv& env);

// Opens the scoring window on a game (new: the lines of its header) beside
// parent; false, said, when the game cannot be scored.
bool OpenScoringWindow(QWidget* parent, Session& session, Ui& ui, const std::string& game_path,
                       const std::vector<std::string>& new_game = {});

// Whether the game's book holds a game that is not over.
bool ScoringUnfinished(const std::string& game_path);

// Asks whether to go on with the game scored last, when it is unfinished.
void OfferUnfinishedGame(QWidget* parent, Session& session, Ui& ui);

// The scoring window alone, for `scorewick score GAME --window`: runs
// until it is closed; the exit status.  A new game with the teams' files
// given starts from the New Game dialog with them chosen.
int RunScoringWindowAlone(const std::string& game_path, const std::string& visitor,
                          const std::string& home);

}  // namespace scorewick::app
