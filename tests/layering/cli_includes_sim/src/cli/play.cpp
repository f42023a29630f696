// A command that plays a simulated game for the person.
#include "records/game.h"
#include "sim/simulator.h"
