// Whole numbers drawn from the game's one random source. A die, a zone and a
// percentage are each floor(u x N) + 1, one number u per draw, so a replay
// that feeds the same numbers plays the same game.
#pragma once

#include <algorithm>
#include <cmath>

#include "host/Host.h"

namespace sonarch {

inline int drawWhole(Host& host, int count) {
    const int drawn = static_cast<int>(std::floor(host.nextRandom() * count)) + 1;
    return std::min(drawn, std::max(count, 1));
}

inline int throwDie(Host& host) { return drawWhole(host, 6); }
inline int drawPercentage(Host& host) { return drawWhole(host, 100); }

}  // namespace sonarch
