// The strong computer player: it judges every move by what it does to its
// chain, to its rivals' chains and to how exposed its zones are, with the
// chances of each battle worked out from the dice, and places its points
// where they defend the most or make the next capture likeliest.
#pragma once

#include "rules/Board.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"

namespace sonarch {

// Draws from the random source only to choose among its best starting
// zones; every other choice follows from the board.
ComputerMove chooseStrongMove(const Board& board, ComputerTurn& turn, RandomSource& random);

}  // namespace sonarch
