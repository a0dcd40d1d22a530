// A new game on a map: every zone cleared, the human "You" in seat 1 and a
// computer player with a name no other player holds in each other seat, the
// human to choose a starting zone.
#pragma once

#include <memory>

#include "rules/Board.h"
#include "rules/RandomSource.h"

namespace sonarch {

// Names are drawn against the names the board's seats hold at that moment,
// the seats above still holding an earlier game's: a new game on a fresh
// board and one after another game in the same run draw alike only then.
void startGame(Board& board, std::shared_ptr<const MapRecord> map, int playerCount, RandomSource& random);

}  // namespace sonarch
