#pragma once
// A headline that counts the game: the intake reads games, it does not count them.
#include "records/game.h"
#include "stats/totals.h"
