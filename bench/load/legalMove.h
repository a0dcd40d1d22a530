// The bots' play: a legal move on the board as it was told, found with the
// rules' own check. Claim the first free zone; attack a weaker neighbour a
// few times a turn; end; place points on the first zone that takes one.
// The server's tests play with the same bots, with more attacks a turn.
#pragma once

#include "rules/Board.h"
#include "rules/moves.h"

namespace sonarch::load {

constexpr int attacksATurn = 3;

Move chooseLegalMove(const Board& board, int seat, int attacksSoFar, int mostAttacks = attacksATurn);

}  // namespace sonarch::load
