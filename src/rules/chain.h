// A player's chain, the income of a turn: the most own zones reachable from
// one own zone by following links. Working it out is also where a player
// who has lost every zone is put out, and where a game ends.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

// Works out chain(index); a started player left with no zone is out: the
// human's defeat ends the game, and so does the last other seat going out.
void calcChain(Board& board, int index, Outcomes& out);

// The chain as a plain number, without putting anyone out.
int largestChain(const Board& board, int player);

// The same number found by gathering what each strongly connected group
// reaches: linear in the links on every board, the search's fallback.
int largestReachByStrongGroups(const Board& board, int player);

}  // namespace sonarch
