#include "rules/front.h"

namespace sonarch {

LinksOut linksOut(const Board& board, int zone) {
    LinksOut out;
    const int owner = board.zoneOwner[static_cast<std::size_t>(zone)];
    out.total = board.linkCount(zone);
    for (int k = 1; k <= out.total && k <= maxLinks; ++k) {
        const int other = board.zoneOwner[static_cast<std::size_t>(board.links(zone, k))];
        if (other == 0) {
            ++out.toUnclaimed;
        } else if (other != owner) {
            ++out.toOthers;
        }
    }
    return out;
}

bool onFront(const Board& board, int player, int zone) {
    if (board.zoneOwner[static_cast<std::size_t>(zone)] != player) return false;
    const LinksOut out = linksOut(board, zone);
    return out.toOthers + out.toUnclaimed > 0;
}

}  // namespace sonarch
