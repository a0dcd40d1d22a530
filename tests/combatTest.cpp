// The battle arithmetic against exact fractions for every battle that can
// happen, and battles fought by the player's keys with fixed dice, checked
// against the armies worked out by hand.
#include <gtest/gtest.h>

#include "board.h"
#include "peek.h"
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

// Ford (yours) links to Mill (Jacob's) and to the unclaimed Moor, and both
// link back; Jacob keeps Dale, so the game goes on after a win. A die of u
// shows floor(6u) + 1: 0 gives 1, 0.5 gives 4, 0.99 gives 6.
TEST(Battles, ArmiesAfterEachBattleWorkedOutByHand) {
    const std::vector<std::string> toMill{"Space", "Q", "Q", "Space"}, toMoor{"Space", "W", "W", "Space"};
    struct Battle {
        std::string what;
        int attackers, defenders;
        std::vector<double> dice;
        std::vector<std::string> keys;
        std::string lastSaid;
        int fordAfter, targetAfter, ownerAfter;
    };
    const std::vector<Battle> battles{
        // 18 beats 2: losses floor(3 x 2 / 18) = 0, but at least 1; 2 move in.
        {"3 against 2", 3, 2, {0.99, 0.99, 0.99, 0, 0}, toMill,
         "msg: Your armies captured Mill with a roll of 18 to 2. Mill now has an army of 2.", 1, 2, 1},
        // 48 beats 1: 1 lost, 7 move in.
        {"8 against 1", 8, 1, {0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99, 0}, toMill,
         "msg: Your armies captured Mill with a roll of 48 to 1. Mill now has an army of 7.", 1, 7, 1},
        // 16 beats 12: losses floor(4 x 12 / 16) = 3, so 1 moves in.
        {"4 against 3", 4, 3, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, toMill,
         "msg: Your armies captured Mill with a roll of 16 to 12. Mill now has an army of 1.", 1, 1, 1},
        // 8 against 8 goes to the defender, who loses floor(2 x 8 / 8) = 2, but keeps 1.
        {"a tie", 2, 2, {0.5, 0.5, 0.5, 0.5}, toMill,
         "msg: Your armies failed to capture Mill with a roll of 8 to 8. Mill now has an army of 1.", 1, 1, 2},
        // An unclaimed zone is taken without dice by all but 1 of the army.
        {"a claim", 5, 2, {}, toMoor, "msg: You have taken control of Moor.", 1, 4, 1},
        {"an army of 1", 1, 2, {}, toMill, "say: You must first choose an army to attack with.", 1, 2, 2},
        // 2 against 5 held: 5 - floor(5 x 2 / 5) = 3 remain; Ford, left with 1, cannot go again.
        {"again after a defeat", 2, 5, {0, 0, 0, 0, 0, 0, 0}, {"Space", "Q", "Q", "Space", "Space"},
         "say: The army of Ford is too weak to attack.", 1, 3, 2},
    };
    for (const Battle& b : battles) {
        auto s = gameOn({"Jacob"},
                        {{"Ford", {2, 3}, 1, b.attackers}, {"Mill", {1}, 2, b.defenders}, {"Moor", {1}, 0, 0},
                         {"Dale", {}, 2, 1}},
                        b.dice);
        for (const std::string& key : b.keys) s->press(key);
        const int target = b.keys == toMoor ? 3 : 2;
        EXPECT_EQ(s->said().back(), b.lastSaid) << b.what;
        EXPECT_EQ(armyOf(*s, 1), b.fordAfter) << b.what;
        EXPECT_EQ(armyOf(*s, target), b.targetAfter) << b.what;
        EXPECT_EQ(ownerOf(*s, target), b.ownerAfter) << b.what;
    }
}

}  // namespace
}  // namespace sonarch::testing
