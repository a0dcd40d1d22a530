// The gentle and the strong computer player on hand-made boards where one
// move is plainly right, and the battle odds they judge by, checked against
// chances worked out by hand. Whole games of each strength are replayed in
// wholeGameTest.cpp; F3 is heard in tests/transcripts/computer-strengths.case.
#include <gtest/gtest.h>

#include "board.h"
#include "rules/battleOdds.h"
#include "rules/strength.h"

namespace sonarch::testing {
namespace {

// Jacob's turn on the board; the moves he chooses, up to the placing.
std::vector<ComputerMove> jacobsAttacks(Strength strength, const std::vector<BoardZone>& zones,
                                        ComputerTurn& turn) {
    Board board = boardOf({"Jacob", "Ethan"}, zones);
    board.turnPlayer = 2;
    board.chainStale = ~0U;  // the chains as the zones stand
    RandomSource random;
    std::vector<ComputerMove> moves;
    for (;;) {
        const ComputerMove move = chooseMoveAt(strength, board, turn, random);
        if (move.kind != ComputerMove::Kind::Attack) return moves;
        moves.push_back(move);
        // Taken without dice: a test of choices, not of luck.
        board.zoneOwner[move.zone] = 2;
        board.zoneArmy[move.zone] = board.zoneArmy[move.from] - 1;
        board.zoneArmy[move.from] = 1;
        board.chainStale |= 1U << 2;
    }
}

TEST(BattleOdds, TheChancesOfSmallBattlesAsWorkedOutByHand) {
    // 2 dice against 1: 1 - P(sum of two <= one die) = 1 - 35/216.
    EXPECT_NEAR(battleOdds(2, 1).win, 181.0 / 216, 1e-12);
    // 2 against 2: a sum above the other in 575 of the 1296 throws.
    EXPECT_NEAR(battleOdds(2, 2).win, 575.0 / 1296, 1e-12);
    // Every battle won from 2 moves 1 army in; a lost one on 1 leaves 1.
    EXPECT_DOUBLE_EQ(battleOdds(2, 1).survivors, 1.0);
    EXPECT_DOUBLE_EQ(battleOdds(2, 1).remaining, 1.0);
    // 8 dice throw at least 8, more than one die can.
    EXPECT_DOUBLE_EQ(battleOdds(8, 1).win, 1.0);
}

TEST(StrongPlayer, TakesTheZoneThatJoinsItsTwoGroups) {
    // Keep's links reach Moor first, as the standard player would attack;
    // Ford, as weak and as threatening, joins Jacob's two groups into one of five.
    const std::vector<BoardZone> zones{
        {"Keep", {2, 6, 3}, 2, 5}, {"Mill", {1, 6}, 2, 1},  {"Ford", {1, 4}, 1, 2}, {"Bridge", {3, 5}, 2, 1},
        {"Tower", {4}, 2, 1},      {"Moor", {1, 2}, 1, 2},  {"Home", {}, 1, 1}};
    ComputerTurn turn;
    const auto moves = jacobsAttacks(Strength::Strong, zones, turn);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front().from, 1);
    EXPECT_EQ(moves.front().zone, 3);
}

TEST(GentleAndStrong, NeverThrowTwoArmiesAtEight) {
    // Ethan's Wall cannot reach Gate, your Moor can: Gate needs its armies.
    const std::vector<BoardZone> zones{{"Gate", {2, 3}, 2, 2}, {"Wall", {}, 3, 8}, {"Moor", {1}, 1, 2}};
    for (const Strength strength : {Strength::Gentle, Strength::Strong}) {
        ComputerTurn turn;
        for (const ComputerMove& move : jacobsAttacks(strength, zones, turn))
            EXPECT_NE(move.zone, 2) << strengthName(strength);
    }
}

TEST(GentlePlayer, FightsOneSureBattleATurnAndTakesEveryUnclaimedZone) {
    // 6 against 5 has the odds on its side, but not by enough; 6 against 1
    // and 4 against 1 are all but sure, and only the first is fought; the
    // unclaimed Moor is taken all the same.
    const std::vector<BoardZone> zones{{"Keep", {2, 3}, 2, 6}, {"Wall", {1}, 1, 5}, {"Field", {1}, 1, 1},
                                       {"Hill", {5, 6}, 2, 4}, {"Moor", {4}, 0, 0}, {"Fen", {4}, 1, 1}};
    ComputerTurn turn;
    const auto moves = jacobsAttacks(Strength::Gentle, zones, turn);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].zone, 3);
    EXPECT_EQ(moves[1].zone, 5);
}

TEST(GentleAndStrong, PlaceOnTheFrontNeverInside) {
    // Jacob's chain of 3 brings 3 points; Ethan's Camp can attack Gate, and
    // Hall and Yard border no one.
    const std::vector<BoardZone> zones{{"Gate", {2}, 2, 2}, {"Hall", {1, 3}, 2, 1}, {"Yard", {2}, 2, 1},
                                       {"Camp", {1}, 3, 6}, {"Home", {}, 1, 1}};
    for (const Strength strength : {Strength::Gentle, Strength::Strong}) {
        ComputerTurn turn;
        jacobsAttacks(strength, zones, turn);
        EXPECT_EQ(turn.placed[1], 3) << strengthName(strength);
    }
}

}  // namespace
}  // namespace sonarch::testing
