// The strong computer player: it judges every move by what it does to its
// chain, to its rivals' chains and to how exposed its zones are, with the
// chances of each battle worked out from the dice, and places its points
// where they defend the most or make the next capture likeliest.
#pragma once

#include "rules/Board.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"

namespace sonarch {

// Draws nothing from the random source: every choice follows from the
// board, and only the dice of its attacks are thrown.
ComputerMove chooseStrongMove(const Board& board, ComputerTurn& turn, RandomSource& random);

}  // namespace sonarch
