// Battles and claims: the worked examples with fixed dice, the order of the
// dice, and the battle arithmetic checked against exact fractions for every
// battle that can happen.
#include <gtest/gtest.h>

#include "board.h"
#include "game/combat.h"

namespace sonarch::testing {
namespace {

// The human's Home attacks Jacob's Field; Jacob keeps Hill, so no battle
// here ends his game.
struct Attack {
    int attackers, defenders, defenderOwner;
    std::vector<double> dice;
};

struct Outcome {
    int roll1, roll2, homeArmy, fieldArmy, fieldOwner;
    Lines said;
    double nextDraw;  // the first number the attack left unused
};

constexpr double unused = 0.123;

Outcome fight(const Attack& attack) {
    auto s = gameOn({"Jacob"},
                    {{"Home", {2}, 1, attack.attackers},
                     {"Field", {1, 3}, attack.defenderOwner, attack.defenders},
                     {"Hill", {2}, 2, 3}},
                    then(attack.dice, {unused}));
    int roll1 = -1, roll2 = -1;
    s->form.attackRoll(1, 2, roll1, roll2);
    return {roll1,
            roll2,
            s->form.zoneArmy[1],
            s->form.zoneArmy[2],
            s->form.zoneOwner[2],
            s->said(),
            s->form.random.next()};
}

std::vector<double> battleDice(int attackers, int attackRoll, int defenders, int defenceRoll) {
    return then(diceTotalling(attackers, attackRoll), diceTotalling(defenders, defenceRoll));
}

TEST(Combat, WorkedBattlesWithFixedDice) {
    struct Case {
        std::string what;
        Attack attack;
        int roll1, roll2, homeArmy, fieldArmy, fieldOwner;
    };
    const std::vector<Case> cases{
        // losses floor(5 x 0.45) = 2; exactly eight dice thrown
        {"won: all but one move in after the losses", {5, 3, 2, battleDice(5, 20, 3, 9)}, 20, 9, 1, 3, 1},
        {"losses are at least one", {8, 1, 2, battleDice(8, 40, 1, 3)}, 40, 3, 1, 7, 1},
        // losses floor(1.714...) = 1
        {"a win from two leaves one in each zone", {2, 2, 2, battleDice(2, 7, 2, 6)}, 7, 6, 1, 1, 1},
        {"a tie goes to the defender with one left", {4, 4, 2, battleDice(4, 14, 4, 14)}, 14, 14, 1, 1, 2},
        // 5 - floor(5 x 0.6)
        {"a loss costs the defender its share", {3, 5, 2, battleDice(3, 12, 5, 20)}, 12, 20, 1, 2, 2},
        // two sixes then two ones: the attacker wins only if it threw first
        {"the attacker's dice come first",
         {2, 2, 2, {dieShowing(6), dieShowing(6), dieShowing(1), dieShowing(1)}}, 12, 2, 1, 1, 1},
        {"an unclaimed zone is taken without dice", {6, 0, 0, {}}, 0, 0, 1, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = fight(c.attack);
        EXPECT_EQ(o.roll1, c.roll1);
        EXPECT_EQ(o.roll2, c.roll2);
        EXPECT_EQ(o.homeArmy, c.homeArmy);
        EXPECT_EQ(o.fieldArmy, c.fieldArmy);
        EXPECT_EQ(o.fieldOwner, c.fieldOwner);
        EXPECT_TRUE(o.said.empty());
        EXPECT_EQ(o.nextDraw, unused);
    }
}

TEST(Combat, AClaimRecomputesTheAttackersChain) {
    auto s = gameOn({"Jacob"}, {{"Home", {2}, 1, 2}, {"Field", {3}, 0, 0}, {"Hill", {}, 2, 1}});
    int roll1 = 0, roll2 = 0;
    s->form.attackRoll(1, 2, roll1, roll2);
    EXPECT_EQ(s->form.chain[1], 2);
    EXPECT_EQ(s->form.zoneArmy[1], 1);
    EXPECT_EQ(s->form.zoneArmy[2], 1);
}

TEST(Combat, AWonBattleRecomputesBothChains) {
    auto s = gameOn({"Jacob"}, {{"Home", {2}, 1, 5}, {"Field", {3}, 2, 1}, {"Hill", {2}, 2, 1}},
                    battleDice(5, 20, 1, 1));
    s->form.chain[2] = 2;
    int roll1 = 0, roll2 = 0;
    s->form.attackRoll(1, 2, roll1, roll2);
    EXPECT_EQ(s->form.chain[1], 2);
    EXPECT_EQ(s->form.chain[2], 1);
}

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

TEST(CombatArithmetic, WholeProductsStayWhole) {
    // Cases where the exact product is a whole number but the ratio is not
    // a finite binary fraction.
    EXPECT_EQ(shareOfArmy(3, 10, 30), 1);
    EXPECT_EQ(shareOfArmy(6, 30, 36), 5);
    EXPECT_EQ(shareOfArmy(7, 6, 42), 1);
    EXPECT_EQ(shareOfArmy(5, 18, 45), 2);
    EXPECT_EQ(shareOfArmy(4, 14, 14), 4);
}

}  // namespace
}  // namespace sonarch::testing
