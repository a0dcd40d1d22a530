// The shape of a board as a listener would describe it: the groups a
// player's zones form, and the map's regions. Both take links either way,
// since a link joins two zones in the player's mind whichever way it leads.
#pragma once

#include <vector>

#include "rules/Board.h"

namespace sonarch {

using ZoneSet = std::vector<int>;  // zone numbers, ascending

// The groups of player's zones joined by links through the player's zones,
// the largest first (ties: the one holding the lower zone number first).
std::vector<ZoneSet> groupsOf(const Board& board, int player);

// The map's regions: zones joined to each other by many links and to the
// rest by few. Found by joining neighbouring parts, always the two whose
// joining raises the share of links inside parts above what chance would
// give (modularity) the most, until no joining raises it. Largest first.
std::vector<ZoneSet> mapRegions(const Board& board);

// The zones of region joined by a link (either way) to a zone outside it:
// the ways in and out of it, ascending.
ZoneSet gatesOf(const Board& board, const ZoneSet& region);
// The zones outside region that zone is joined to by a link, either way.
ZoneSet joinedOutside(const Board& board, const ZoneSet& region, int zone);

// The zone of zones with the most links (ties: more of them inside zones,
// then the first in name order).
int bestLinked(const Board& board, const ZoneSet& zones);
// The zone of zones with the largest army (ties: the best linked).
int strongest(const Board& board, const ZoneSet& zones);

}  // namespace sonarch
