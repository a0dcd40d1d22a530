// The battle arithmetic against exact fractions for every battle that can
// happen; the battles themselves are told in the golden transcripts.
#include <gtest/gtest.h>

#include "rules/combat.h"

namespace sonarch::testing {
namespace {

// Every battle of 2..8 attacking dice against 1..8 defending, every pair of
// rolls: the ratio-first product cut to a whole number equals the exact
// floor(army x part / whole) of whole-number arithmetic.
TEST(CombatArithmetic, MatchesExactFractionsForEveryPossibleBattle) {
    int battles = 0;
    for (int attackers = 2; attackers <= 8; ++attackers) {
        for (int defenders = 1; defenders <= 8; ++defenders) {
            for (int a = attackers; a <= 6 * attackers; ++a) {
                for (int d = defenders; d <= 6 * defenders; ++d) {
                    ++battles;
                    if (a > d) {
                        ASSERT_EQ(shareOfArmy(attackers, d, a), attackers * d / a)
                            << attackers << " dice rolling " << a << " beat " << d;
                    } else {
                        ASSERT_EQ(shareOfArmy(defenders, a, d), defenders * a / d)
                            << defenders << " dice rolling " << d << " held against " << a;
                    }
                }
            }
        }
    }
    EXPECT_EQ(battles, 182 * 188);  // (5A + 1) rolls for A = 2..8, (5D + 1) for D = 1..8
}

}  // namespace
}  // namespace sonarch::testing
