// The front: the zones of a player that border another player's zone or an
// unclaimed one, where battles will be. Bordering goes by the zone's own
// links, the ones along which it can be attacked.
#pragma once

#include "rules/Board.h"

namespace sonarch {

struct LinksOut {
    int toOthers = 0;     // to zones of other players
    int toUnclaimed = 0;  // to unclaimed zones
    int total = 0;
};

// Where the links of zone lead, seen from its owner.
LinksOut linksOut(const Board& board, int zone);

// Whether zone is player's and borders a zone that is not.
bool onFront(const Board& board, int player, int zone);

}  // namespace sonarch
