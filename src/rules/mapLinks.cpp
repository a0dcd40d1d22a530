#include "rules/mapLinks.h"

#include <algorithm>

namespace sonarch {

const MapLinks& MapLinks::of(const Board& board) {
    thread_local MapLinks links;
    if (links.map_ != board.map) links.make(board);
    return links;
}

void MapLinks::make(const Board& board) {
    // Held, so that no other map can come to the same address meanwhile.
    map_ = board.map;
    out_.assign(maxZones + 1, {});
    in_.assign(maxZones + 1, {});
    const int zones = std::clamp(board.zoneCount(), 0, maxZones);
    for (int zone = 1; zone <= zones; ++zone) {
        const int linksOut = std::clamp(board.linkCount(zone), 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int to = board.links(zone, k);
            auto& out = out_[static_cast<std::size_t>(zone)];
            // A zone listed twice, or a link to itself, adds nothing to judge.
            if (to < 1 || to > zones || to == zone || std::find(out.begin(), out.end(), to) != out.end())
                continue;
            out.push_back(to);
            in_[static_cast<std::size_t>(to)].push_back(zone);
        }
    }
}

}  // namespace sonarch
