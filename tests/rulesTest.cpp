// The rules on boards, each once for the seats that use it: the armies,
// owners, points and turns they leave and the outcomes they tell, against
// numbers worked out by hand. Dice and draws are fixed numbers.
#include <gtest/gtest.h>

#include <random>

#include "board.h"
#include "rules/chain.h"
#include "rules/combat.h"
#include "rules/computerPlayer.h"
#include "rules/placing.h"
#include "rules/turns.h"

namespace sonarch::testing {
namespace {

RandomSource fixedDraws(const std::vector<double>& numbers) {
    RandomSource random;
    for (double u : numbers) random.queueFixed(u);
    return random;
}

RandomSource dice(const std::vector<int>& faces) {
    std::vector<double> numbers;
    for (int face : faces) numbers.push_back(dieOf(face));
    return fixedDraws(numbers);
}

std::string kinds(const Outcomes& outcomes) {
    static const char* const names[] = {"StartClaimed", "ZoneTaken",     "BattleWon", "BattleLost",
                                        "PlayerOut",    "HumanDefeated", "GameWon",   "PointPlaced",
                                        "ComputerPlaced", "TurnBegins", "PlacingOpens", "PointsKept"};
    std::string text;
    for (const Outcome& outcome : outcomes)
        text += (text.empty() ? "" : " ") + std::string(names[static_cast<int>(outcome.kind)]);
    return text;
}

TEST(Battle, ArmiesAndOwnersAfterEachKindOfAttack) {
    struct Case {
        const char* what;
        int attackers, defenders, defender;
        std::vector<int> faces;  // the attacker's dice, then the defender's
        int fromAfter, targetAfter, ownerAfter, roll1, roll2;  // ownerAfter: 1 the attacker, 2 the defender
        const char* outcomes;
    };
    const Case cases[] = {
        {"losses in proportion", 5, 3, 2, {6, 6, 4, 2, 2, 3, 3, 3}, 1, 3, 1, 20, 9, "BattleWon"},
        {"a loss of at least 1", 8, 1, 2, {5, 5, 5, 5, 5, 5, 5, 5, 3}, 1, 7, 1, 40, 3, "BattleWon"},
        {"won from 2", 2, 2, 2, {4, 3, 3, 3}, 1, 1, 1, 7, 6, "BattleWon"},
        {"a tie holds", 4, 4, 2, {4, 4, 3, 3, 4, 4, 3, 3}, 1, 1, 2, 14, 14, "BattleLost"},
        {"the defender keeps in proportion", 3, 5, 2, {4, 4, 4, 4, 4, 4, 4, 4}, 1, 2, 2, 12, 20, "BattleLost"},
        {"the human defends", 3, 2, 1, {6, 6, 6, 1, 1}, 1, 2, 1, 18, 2, "BattleWon"},
        {"unclaimed, without dice", 6, 0, 0, {}, 1, 5, 1, 0, 0, "ZoneTaken"},
    };
    for (const Case& c : cases) {
        // The attacker is the human, or Jacob when the human defends; each
        // side keeps a zone elsewhere, so nobody is put out.
        const int attacker = c.defender == 1 ? 2 : 1;
        Board board = boardOf({"Jacob"}, {{"Home", {2}, attacker, c.attackers},
                                          {"Target", {1}, c.defender, c.defenders},
                                          {"Far", {}, 1, 1},
                                          {"Away", {}, 2, 1}});
        RandomSource random = dice(c.faces);
        Outcomes out;
        int roll1 = -1, roll2 = -1;
        attackRoll(board, 1, 2, roll1, roll2, random, out);
        EXPECT_EQ(board.zoneArmy[1], c.fromAfter) << c.what;
        EXPECT_EQ(board.zoneArmy[2], c.targetAfter) << c.what;
        EXPECT_EQ(board.zoneOwner[2], c.ownerAfter == 1 ? attacker : c.defender) << c.what;
        EXPECT_EQ(roll1, c.roll1) << c.what;
        EXPECT_EQ(roll2, c.roll2) << c.what;
        EXPECT_EQ(kinds(out), c.outcomes) << c.what;
        EXPECT_EQ(out.front().army, c.targetAfter) << c.what;
    }
}

TEST(Battle, TheLastZoneOfAPlayerPutsItOutAndMayEndTheGame) {
    struct Case {
        const char* what;
        int attacker, defender;
        bool othersLeft;
        const char* outcomes;
        int humanAfter;
    };
    const Case cases[] = {
        {"a computer player out, another left", 1, 2, true, "BattleWon PlayerOut", 1},
        {"the last computer player out", 1, 2, false, "BattleWon PlayerOut GameWon", 0},
        {"the human's last zone", 2, 1, true, "BattleWon HumanDefeated", 0},
    };
    for (const Case& c : cases) {
        Board board = boardOf({"Jacob", "Ethan"}, {{"Home", {2}, c.attacker, 3},
                                                   {"Last", {1}, c.defender, 1},
                                                   {"Other", {}, c.othersLeft ? 3 : c.attacker, 1}});
        if (!c.othersLeft) board.playerName[3].clear();
        RandomSource random = dice({6, 6, 6, 1});
        Outcomes out;
        int roll1 = 0, roll2 = 0;
        attackRoll(board, 1, 2, roll1, roll2, random, out);
        EXPECT_EQ(kinds(out), c.outcomes) << c.what;
        EXPECT_EQ(board.humanPlayer, c.humanAfter) << c.what;
        EXPECT_EQ(board.gameOver, c.humanAfter == 0) << c.what;
        if (c.defender != 1) {
            EXPECT_EQ(out[1].name, "Jacob") << c.what;
            EXPECT_EQ(out[0].name, "Jacob") << c.what << ": the battle keeps the name it emptied";
            EXPECT_TRUE(board.playerName[2].empty()) << c.what << ": the name of a player out is empty";
        }
    }
    // A player who never held a starting zone cannot lose it.
    Board board = boardOf({"Jacob"}, {{"Home", {2}, 1, 3}, {"Jacob's", {1}, 2, 1}, {"Far", {}, 0, 0}});
    board.hasStarted[2] = 0;
    Outcomes out;
    int roll1 = 0, roll2 = 0;
    RandomSource random = dice({6, 6, 6, 1});
    attackRoll(board, 1, 2, roll1, roll2, random, out);
    EXPECT_EQ(kinds(out), "BattleWon");
    EXPECT_EQ(board.playerName[2], "Jacob");
}

TEST(Attacks, NeedTwoArmiesAndTheTargetsLinkBack) {
    // North links to South, South does not link back; Middle links both ways.
    const Board board = boardOf({"Jacob"}, {{"North", {2, 3}, 1, 2},
                                            {"South", {3}, 2, 1},
                                            {"Middle", {1, 2}, 2, 1},
                                            {"Weak", {3}, 1, 1}});
    EXPECT_FALSE(attackReaches(board, 1, 2)) << "the target's links decide, not the attacker's";
    EXPECT_TRUE(attackReaches(board, 1, 3));
    EXPECT_TRUE(attackReaches(board, 2, 3));
    EXPECT_TRUE(canAttackFrom(board, 1));
    EXPECT_FALSE(canAttackFrom(board, 4)) << "a zone of 1 keeps its army home";
}

TEST(Chains, TheMostZonesOneZoneReachesOverOwnLinks) {
    // Two groups of 3 and 4 zones, a one-way link from zone 8 into zone 9,
    // and zone 10 reached only through Jacob's zone 11.
    const Board board = boardOf({"Jacob"}, {{"A1", {2}, 1, 1},  {"A2", {1, 3}, 1, 1}, {"A3", {2}, 1, 1},
                                            {"B1", {5}, 1, 1},  {"B2", {4, 6}, 1, 1}, {"B3", {5, 7}, 1, 1},
                                            {"B4", {6}, 1, 1},  {"C1", {9}, 2, 1},    {"C2", {}, 2, 1},
                                            {"D1", {11}, 1, 1}, {"D2", {10, 12}, 2, 1}, {"D3", {11}, 1, 1}});
    EXPECT_EQ(largestChain(board, 1), 4);
    EXPECT_EQ(largestChain(board, 2), 2) << "zone 8 reaches zone 9 over its one-way link";
}

TEST(Placing, ClaimsIncomeAndPointsForEachSeat) {
    Board board = boardOf({"Jacob"}, {{"Start", {2}, 0, 0}, {"Next", {1}, 0, 0}, {"Held", {}, 2, 8}});
    board.choosingStart = 1;
    board.points[1] = 19;
    Outcomes out;
    claimStart(board, 1, 1, out);
    EXPECT_EQ(kinds(out), "StartClaimed");
    EXPECT_EQ(board.zoneArmy[1], 1);
    EXPECT_EQ(board.placingPoints, 1);
    EXPECT_EQ(board.choosingStart, 0);
    EXPECT_EQ(board.points[1], 20) << "19 held and a chain of 1, kept to 20";
    EXPECT_EQ(claimRefusal(board, 1), Refusal::ZoneOwned);

    board.turnPlayer = 2;
    claimStart(board, 2, 2, out);
    EXPECT_EQ(board.zoneArmy[2], 2) << "a computer player starts with 2";
    EXPECT_EQ(chainNow(board, 2), 1);

    board.points[1] = 1;
    EXPECT_EQ(placingRefusal(board, 1, 2), Refusal::NotYours);
    EXPECT_EQ(placingRefusal(board, 2, 3), Refusal::ArmyFull) << "a computer player's zone at 8";
    out.clear();
    placePoint(board, 1, 1, out);
    EXPECT_EQ(board.zoneArmy[1], 2);
    EXPECT_EQ(board.points[1], 0);
    EXPECT_EQ(out.front().army, 2);
    EXPECT_EQ(out.front().points, 0);
    EXPECT_EQ(placingRefusal(board, 1, 1), Refusal::NoPointsLeft);

    // The turn's income adds the chain to the points held.
    board.points[1] = 5;
    board.zoneOwner[2] = 1;
    board.turnPlayer = 1;
    openPlacing(board, out);
    EXPECT_EQ(board.points[1], 7) << "5 held and a chain of 2";
}

TEST(Turns, PassOverPlayersWhoAreOutAndStartInTheAttackPhase) {
    Board board = boardOf({"Jacob", "Ethan", "Mia"}, {{"A", {}, 1, 1}, {"B", {}, 3, 1}, {"C", {}, 4, 1}});
    board.playerName[2].clear();
    board.placingPoints = 1;
    board.attackFrom = 1;
    std::vector<int> order;
    Outcomes out;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(nextTurn(board, out));
        order.push_back(board.turnPlayer);
        EXPECT_EQ(board.placingPoints, 0);
        EXPECT_EQ(board.attackFrom, 0);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 4, 1, 3}));
    EXPECT_EQ(out.back().player, 3);
}

TEST(ComputerPlayer, TheBordersOfEachChanceToAttack) {
    struct Border {
        int target, drawn;
        bool attacks;
    };
    for (const Border b : {Border{2, 1, true}, Border{3, 50, false}, Border{3, 51, true}, Border{4, 70, false},
                           Border{4, 71, true}, Border{5, 90, false}, Border{5, 91, true}, Border{6, 100, false},
                           Border{8, 100, false}}) {
        Board board = boardOf({"Jacob", "Ethan"}, {{"North", {2}, 2, 3}, {"West", {}, 3, b.target},
                                                   {"Dale", {}, 3, 1}, {"Home", {}, 1, 1}});
        board.turnPlayer = 2;
        ComputerTurn turn;
        RandomSource random = fixedDraws({percentageOf(b.drawn)});
        const ComputerMove move = chooseComputerMove(board, turn, random);
        EXPECT_EQ(move.kind == ComputerMove::Kind::Attack, b.attacks) << "target " << b.target << " drawn " << b.drawn;
    }
}

TEST(ComputerPlayer, SweepsAgainOnlyAfterAConquest) {
    // Jacob's zone 2 takes zone 1, which comes before it: zone 1 attacks
    // only in a second sweep, and a third finds nothing left to attack with.
    Board board = boardOf({"Jacob", "Ethan"}, {{"Taken", {2, 3}, 3, 1},
                                               {"Jacob's", {1}, 2, 8},
                                               {"Far", {1}, 1, 1},
                                               {"Ethan's home", {}, 3, 1},
                                               {"Your home", {}, 1, 1}});
    board.turnPlayer = 2;
    // 8 sixes against a 1; then 7 ones against a 6.
    RandomSource random = dice({6, 6, 6, 6, 6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1, 1, 6});
    Outcomes out;
    runAI(board, random, out);
    EXPECT_EQ(kinds(out), "BattleWon BattleWon ComputerPlaced");
    EXPECT_EQ(board.zoneOwner[3], 2);
    // Chain 3 (zones 1, 2, 3), every zone at 1 before placing.
    EXPECT_EQ(board.zoneArmy[1] + board.zoneArmy[2] + board.zoneArmy[3], 3 + 3);
}

TEST(ComputerPlayer, PlacesItsChainUpToTheRoomLeft) {
    // Room 3 (8 - 5) and a chain of 2: 2 points; room 0: none, said as stored.
    for (const int army : {5, 7, 8}) {
        Board board = boardOf({"Jacob"}, {{"Jacob's", {2}, 2, army}, {"More", {1}, 2, 8}, {"Home", {}, 1, 1}});
        board.turnPlayer = 2;
        board.chainStale = ~0U;
        ComputerTurn turn;
        RandomSource random = fixedDraws(std::vector<double>(10, 0.0));
        const ComputerMove move = chooseComputerMove(board, turn, random);
        ASSERT_EQ(move.kind, ComputerMove::Kind::Place);
        EXPECT_EQ(turn.placed[1], std::min(2, 8 - army)) << "army " << army;
        Outcomes out;
        playComputerMove(board, move, turn, random, out);
        EXPECT_EQ(board.zoneArmy[1], std::min(8, army + 2));
        EXPECT_EQ(out.back().army, army == 8 ? 0 : 1) << "zones that received points";
    }
}

TEST(RandomSource, TheTwisterAndTheWholeNumbersAreTheStandardOnes) {
    std::mt19937_64 standard(2024);
    MersenneTwister ours(2024);
    for (int i = 0; i < 20000; ++i) ASSERT_EQ(ours(), standard()) << "number " << i;
    // Whole numbers drawn as floor(u x count) + 1, u from the top 53 bits.
    RandomSource drawn;
    drawn.pinSeed(7);
    drawn.seedFromClock(0);
    std::mt19937_64 again(7);
    for (int i = 0; i < 20000; ++i) {
        const int count = 1 + i % 128;
        const double u = static_cast<double>(again() >> 11) * 0x1.0p-53;
        ASSERT_EQ(drawn.drawWhole(count), static_cast<int>(u * count) + 1) << "draw " << i;
    }
}

}  // namespace
}  // namespace sonarch::testing
