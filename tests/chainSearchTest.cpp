// The chain found by the game's search against a plain search from every
// own zone, on many random boards with one-way links, shared links and
// links to no zone of the map.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "board.h"
#include "rules/chain.h"

namespace sonarch::testing {
namespace {

int chainBySearchFromEveryZone(const Form1& f, int player) {
    int best = 0;
    for (int start = 1; start <= f.view().board.zoneCount(); ++start) {
        if (f.view().board.zoneOwner[start] != player) continue;
        std::vector<bool> seen(f.view().board.zoneCount() + 1);
        std::deque<int> queue{start};
        seen[start] = true;
        int size = 0;
        while (!queue.empty()) {
            const int z = queue.front();
            queue.pop_front();
            ++size;
            for (int k = 1; k <= f.view().board.linkCount(z); ++k) {
                const int n = f.view().board.links(z, k);
                if (n >= 1 && n <= f.view().board.zoneCount() && !seen[n] && f.view().board.zoneOwner[n] == player) {
                    seen[n] = true;
                    queue.push_back(n);
                }
            }
        }
        best = std::max(best, size);
    }
    return best;
}

TEST(ChainSearch, AgreesWithASearchFromEveryZoneOnRandomBoards) {
    std::mt19937 random(2024);
    for (int board = 0; board < 400; ++board) {
        const int zones = 1 + static_cast<int>(random() % 100);
        const int players = 1 + static_cast<int>(random() % 8);
        std::vector<BoardZone> laid(zones);
        for (int z = 0; z < zones; ++z) {
            laid[z].name = "Zone " + std::to_string(z + 1);
            const int links = static_cast<int>(random() % 11);
            for (int k = 0; k < links; ++k)
                laid[z].links.push_back(static_cast<int>(random() % (zones + 2)));  // 0 and zones+1 lead nowhere
            laid[z].owner = static_cast<int>(random() % (players + 1));
            laid[z].army = laid[z].owner == 0 ? 0 : 1;
        }
        Session s;
        layOutGame(s.form, std::vector<std::string>(7, "Rival"), laid);
        Board laidOut = s.form.view().board;
        for (int p = 1; p <= players; ++p) {
            Outcomes out;
            calcChain(laidOut, p, out);
            const int expected = chainBySearchFromEveryZone(s.form, p);
            ASSERT_EQ(chainNow(laidOut, p), expected) << "board " << board << " player " << p;
            ASSERT_EQ(largestReachByStrongGroups(laidOut, p), expected) << "board " << board;
        }
    }
}

}  // namespace
}  // namespace sonarch::testing
