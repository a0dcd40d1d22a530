// The gentle computer player, a beginner's opponent: it claims its start as
// the standard player does, attacks only with the odds on its side, and
// spreads its points along its front, where they defend but rarely add up
// to an army that can attack.
#pragma once

#include "rules/Board.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"

namespace sonarch {

ComputerMove chooseGentleMove(const Board& board, ComputerTurn& turn, RandomSource& random);

}  // namespace sonarch
