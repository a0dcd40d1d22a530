// A player's chain, the income of a turn: the most own zones reachable from
// one own zone by following links. Working it out is also where a player
// who has lost every zone is put out, and where a game ends.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

// After a change of player index's zones: a started player left with no
// zone is out, the last person's defeat ends the game, and so does the last
// other seat going out. Otherwise the chain is marked to be worked out
// again when next asked for.
void calcChain(Board& board, int index, Outcomes& out);

// After a change of the zones of a player who has just taken a zone, and so
// cannot be out: the chain is worked out again when next asked for.
inline void chainChanged(Board& board, int player) { board.chainStale |= 1U << player; }

// The chain as a plain number, without putting anyone out.
int largestChain(const Board& board, int player);

// The player's chain as the board stands: worked out afresh when the
// player's zones have changed since it was last, else as last worked out.
int chainNow(const Board& board, int player);
// The same, kept on the board.
int settleChain(Board& board, int player);

// The same number found by gathering what each strongly connected group
// reaches: linear in the links on every board, the search's fallback.
int largestReachByStrongGroups(const Board& board, int player);

}  // namespace sonarch
