#include "chainSweeps.h"

namespace sonarch::bench {

int chainBySweeps(const Board& b, int player) {
    int best = 0;
    std::array<int, maxZones + 1> mark{};
    for (int s = 1; s <= b.zoneCount(); ++s) {
        for (int z = 1; z <= b.zoneCount(); ++z) mark[z] = 0;
        int size = 0;
        if (b.zoneOwner[s] != player) continue;
        mark[s] = 1;
        size = 1;
        bool grew = true;
        while (grew) {
            grew = false;
            for (int z = 1; z <= b.zoneCount(); ++z) {
                if (mark[z] == 0) continue;
                for (int k = 1; k <= b.linkCount(z); ++k) {
                    const int n = b.links(z, k);
                    if (b.zoneOwner[n] == player && mark[n] == 0) {
                        mark[n] = 1;
                        ++size;
                        grew = true;
                    }
                }
            }
        }
        if (size > best) best = size;
    }
    return best;
}

}  // namespace sonarch::bench
