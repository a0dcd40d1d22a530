#include "chainSweeps.h"

namespace sonarch::bench {

int chainBySweeps(const Form1& f, int player) {
    int best = 0;
    std::array<int, maxZones + 1> mark{};
    for (int s = 1; s <= f.zoneCount; ++s) {
        for (int z = 1; z <= f.zoneCount; ++z) mark[z] = 0;
        int size = 0;
        if (f.zoneOwner[s] != player) continue;
        mark[s] = 1;
        size = 1;
        bool grew = true;
        while (grew) {
            grew = false;
            for (int z = 1; z <= f.zoneCount; ++z) {
                if (mark[z] == 0) continue;
                for (int k = 1; k <= f.linkCount[z]; ++k) {
                    const int n = f.links[z][k];
                    if (f.zoneOwner[n] == player && mark[n] == 0) {
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
