#include "rules/battleOdds.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/Board.h"
#include "rules/combat.h"

namespace sonarch {

namespace {

using Table = std::array<std::array<BattleOdds, maxArmy + 1>, maxArmy + 1>;

// The chance of each total of n dice, n = 0..maxArmy.
std::vector<std::vector<double>> diceTotals() {
    std::vector<std::vector<double>> totals(maxArmy + 1);
    totals[0] = {1.0};
    for (std::size_t n = 1; n < totals.size(); ++n) {
        totals[n].assign(6 * n + 1, 0.0);
        for (std::size_t sum = 0; sum < totals[n - 1].size(); ++sum)
            for (std::size_t face = 1; face <= 6; ++face) totals[n][sum + face] += totals[n - 1][sum] / 6;
    }
    return totals;
}

// Every pair of totals, with the armies each leaves as the battle leaves them.
Table workOut() {
    const auto totals = diceTotals();
    Table table{};
    for (int a = 1; a <= maxArmy; ++a) {
        for (int d = 1; d <= maxArmy; ++d) {
            BattleOdds odds;
            double lostChance = 0;
            const auto& mine = totals[static_cast<std::size_t>(a)];
            const auto& theirs = totals[static_cast<std::size_t>(d)];
            for (std::size_t x = 1; x < mine.size(); ++x) {
                for (std::size_t y = 1; y < theirs.size(); ++y) {
                    const double chance = mine[x] * theirs[y];
                    if (chance == 0) continue;
                    if (x > y) {
                        const int losses = std::max(1, shareOfArmy(a, double(y), double(x)));
                        odds.win += chance;
                        odds.survivors += chance * std::max(1, a - losses);
                    } else {
                        lostChance += chance;
                        odds.remaining += chance * std::max(1, d - shareOfArmy(d, double(x), double(y)));
                    }
                }
            }
            if (odds.win > 0) odds.survivors /= odds.win;
            if (lostChance > 0) odds.remaining /= lostChance;
            table[static_cast<std::size_t>(a)][static_cast<std::size_t>(d)] = odds;
        }
    }
    return table;
}

}  // namespace

const BattleOdds& battleOdds(int attackers, int defenders) {
    static const Table table = workOut();
    const auto a = static_cast<std::size_t>(std::clamp(attackers, 1, maxArmy));
    const auto d = static_cast<std::size_t>(std::clamp(defenders, 1, maxArmy));
    return table[a][d];
}

}  // namespace sonarch
