// The battle arithmetic against exact fractions for every battle that can
// happen; the battles themselves are told in the golden transcripts.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "board.h"
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

struct WonBattle {
    int kept;     // left in the zone attacked from
    int movedIn;  // now in the zone taken
};

// One battle on a board of two linked zones, each die thrown as given.
WonBattle wonBattle(int attackers, const std::vector<int>& attackDice, int defenders,
                    const std::vector<int>& defenceDice) {
    Board board = boardOf({"Jacob"}, {{"Harbour", {2}, 1, attackers}, {"Hill", {1}, 2, defenders}});
    RandomSource random;
    for (const int die : attackDice) random.queueFixed(dieOf(die));
    for (const int die : defenceDice) random.queueFixed(dieOf(die));
    int roll1 = 0;
    int roll2 = 0;
    Outcomes out;
    attackRoll(board, 1, 2, roll1, roll2, random, out);
    EXPECT_EQ(board.zoneOwner[2], 1);
    return {board.zoneArmy[1], board.zoneArmy[2]};
}

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    // The manual page's lines are joined, as a reader sees them.
    std::string joined = text.str();
    for (char& c : joined)
        if (c == '\n') c = ' ';
    return joined;
}

// The worked examples of a won battle in the README and the manual page are
// what the rules do: the 1 a winning zone keeps is part of its share, so a
// zone of 7 winning 24 to 1 loses nothing overall.
TEST(CombatArithmetic, TheDocumentsWorkedExamplesAreTheRules) {
    const WonBattle sweep = wonBattle(7, {6, 6, 6, 3, 1, 1, 1}, 1, {1});
    EXPECT_EQ(sweep.kept, 1);
    EXPECT_EQ(sweep.movedIn, 6);
    const WonBattle close = wonBattle(4, {4, 3, 3, 3}, 2, {5, 5});
    EXPECT_EQ(close.kept, 1);
    EXPECT_EQ(close.movedIn, 1);
    const std::string sweepSaid = "7 winning 24 to 1 sets aside floor(7 ";
    const std::string sweepEnds = "which is the 1 it keeps, and moves " + std::to_string(sweep.movedIn) +
                                  " in: no army is lost overall.";
    const std::string closeEnds = "it keeps " + std::to_string(close.kept) + ", moves " +
                                  std::to_string(close.movedIn) + " in and loses " +
                                  std::to_string(4 - close.kept - close.movedIn) + ".";
    for (const char* document : {"README.md", "packaging/sonarch.6.in"}) {
        const std::string text = fileText(std::string(SONARCH_SOURCE_DIR) + "/" + document);
        EXPECT_NE(text.find(sweepSaid), std::string::npos) << document;
        EXPECT_NE(text.find(sweepEnds), std::string::npos) << document;
        EXPECT_NE(text.find(closeEnds), std::string::npos) << document;
    }
}

}  // namespace
}  // namespace sonarch::testing
