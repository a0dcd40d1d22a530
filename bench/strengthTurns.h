// How long one computer turn takes at each strength: whole games on a map
// with every seat at the strength, each turn timed on processor time.
#pragma once

#include <string>

namespace sonarch::bench {

// Prints, for each strength, the slowest turn, a turn at the 99.9th
// percentile and the mean, over the turns of `games` games on the map.
void strengthTurnFigures(const std::string& mapPath, int players, int games);

}  // namespace sonarch::bench
