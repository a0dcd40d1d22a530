// The chain as first described for the game: a group grown from every owned
// zone by sweeping all zones again and again until a sweep adds nothing.
// Kept only as the baseline the benchmark compares the game's search with.
#pragma once

#include "game/Form1.h"

namespace sonarch::bench {

int chainBySweeps(const Form1& form, int player);

}  // namespace sonarch::bench
