// The two phases of a computer player's later turns, played by runAI.
#pragma once

#include "game/Form1.h"

namespace sonarch {

// Attacks along the links of the player's zones, sweep after sweep while a
// sweep conquers something. False when the game ended during an attack.
bool playComputerAttacks(Form1& game, int player);

// Spends the player's chain as points on random own zones below the maximum
// army, and tells where they went.
void placeComputerPoints(Form1& game, int player);

}  // namespace sonarch
