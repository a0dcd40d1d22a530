// The order of turns: each player in number order, then from the first
// again, passing over the players who are out.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

// Passes the turn to the next player still in the game; every turn begins
// in the attack phase with no attacking zone chosen. False when there is no
// one to pass it to (an odd board with every name empty).
bool nextTurn(Board& board, Outcomes& out);

}  // namespace sonarch
