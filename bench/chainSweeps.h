// The chain as first described for the game: a group grown from every owned
// zone by sweeping all zones again and again until a sweep adds nothing.
// Kept only as the baseline the benchmark compares the game's search with.
#pragma once

#include "rules/Board.h"

namespace sonarch::bench {

int chainBySweeps(const Board& board, int player);

}  // namespace sonarch::bench
