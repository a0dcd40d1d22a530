// The search behind a player's chain: the most own zones that one own zone
// reaches by following links, itself included. Kept apart from calcChain,
// which also puts players out and ends games, because it runs after every
// conquest and is most of the cost of a computer player's turn.
#pragma once

#include "game/Form1.h"

namespace sonarch {

// 0 when the player owns no zone. Links lead one way, as the map lists
// them; a link to a number that is no zone of the map leads nowhere.
int largestReach(const Form1& game, int player);

// The same found by gathering what each strongly connected group reaches:
// linear in the links on every board, the search's fallback.
int largestReachByStrongGroups(const Form1& game, int player);

}  // namespace sonarch
