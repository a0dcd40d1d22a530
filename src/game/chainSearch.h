// The searches behind a player's chain (largestChain, game/chain.h): the
// most own zones that one own zone reaches by following links, itself
// included. It runs after every conquest and was most of the cost of a
// computer player's turn.
#pragma once

#include "game/Form1.h"

namespace sonarch {

// The chain found by gathering what each strongly connected group reaches:
// linear in the links on every board, the search's fallback.
int largestReachByStrongGroups(const Form1& game, int player);

}  // namespace sonarch
