// Chains, the defeat of a player, the end of a game, and the player report.
#include <gtest/gtest.h>

#include "board.h"

namespace sonarch::testing {
namespace {

int chainOf(const std::vector<BoardZone>& zones, int player = 1) {
    auto s = gameOn({"Jacob"}, zones);
    s->form.calcChain(player);
    return s->form.chain[player];
}

TEST(Chain, CountsTheLargestGroupOfTheHumansZones) {
    struct Case {
        std::string what;
        std::vector<BoardZone> zones;
        int chain;
    };
    const std::vector<Case> cases{
        {"one zone", {{"A", {}, 1, 1}, {"B", {}, 2, 1}}, 1},
        {"no zone", {{"A", {}, 2, 1}, {"B", {}, 2, 1}}, 0},
        {"separate groups 1-2-3 and 4-5-6-7 count only the largest",
         {{"A", {2}, 1, 1}, {"B", {1, 3}, 1, 1}, {"C", {2}, 1, 1}, {"D", {5}, 1, 1},
          {"E", {4, 6}, 1, 1}, {"F", {5, 7}, 1, 1}, {"G", {6}, 1, 1}}, 4},
        {"a link forward", {{"A", {2}, 1, 1}, {"B", {}, 1, 1}}, 2},
        {"a link back", {{"A", {}, 1, 1}, {"B", {1}, 1, 1}}, 2},
        {"one-way links count from their head: 3 -> 2 -> 1",
         {{"A", {}, 1, 1}, {"B", {1}, 1, 1}, {"C", {2}, 1, 1}, {"D", {}, 1, 1}}, 3},
        {"other players' and unclaimed zones join nothing: A -> B(Jacob) -> C, D -> E -> F",
         {{"A", {2}, 1, 1}, {"B", {1, 3}, 2, 1}, {"C", {2}, 1, 1}, {"D", {5}, 1, 1},
          {"E", {4, 6}, 0, 0}, {"F", {5}, 1, 1}}, 1},
        {"links to no zone of the map lead nowhere",
         {{"A", {0, -4, 3, 101, 2}, 1, 1}, {"B", {1, 9999}, 1, 1}}, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(chainOf(c.zones), c.chain) << c.what;
}

TEST(Chain, ReachesAcrossAWholeBoard) {
    // One hundred zones in a ring, each linking on to the next.
    std::vector<BoardZone> ring;
    for (int zone = 1; zone <= 100; ++zone) ring.push_back({"Z", {zone % 100 + 1}, 1, 1});
    EXPECT_EQ(chainOf(ring), 100);
    ring[49].owner = 2;  // a gap leaves 99 reachable from zone 51
    EXPECT_EQ(chainOf(ring), 99);
}

TEST(Defeat, APlayerWhoNeverStartedIsNotPutOut) {
    auto s = gameOn({"Jacob", "Ethan"}, {{"A", {}, 1, 1}, {"B", {}, 3, 1}});
    s->form.hasStarted[2] = 0;
    s->form.calcChain(2);
    EXPECT_EQ(s->form.chain[2], 0);
    EXPECT_EQ(s->form.playerName[2], "Jacob");
    EXPECT_TRUE(s->said().empty());
}

// The human's Home (army 8) against Jacob's last zone Field (army 1), with
// sixes against a one.
std::vector<double> sureWin() { return then(diceTotalling(8, 48), diceTotalling(1, 1)); }

TEST(Defeat, AComputerPlayerOutWithOthersLeftIsToldThenPaused) {
    auto s = gameOn({"Jacob", "Ethan"},
                    {{"Home", {2}, 1, 8}, {"Field", {}, 2, 1}, {"Hill", {}, 3, 1}}, sureWin());
    int roll1 = 0, roll2 = 0;
    s->form.attackRoll(1, 2, roll1, roll2);
    EXPECT_EQ(s->said(), (Lines{"msg: Jacob has been defeated!", "pause: 5"}));
    EXPECT_EQ(s->form.playerName[2], "");
    EXPECT_EQ(s->form.chain[2], 0);
    EXPECT_EQ(s->form.menuState, 0);
    EXPECT_EQ(s->form.humanPlayer, 1);
    EXPECT_EQ(s->form.zoneArmy[2], 7);
}

TEST(Defeat, TheLastComputerPlayerOutIsTheHumansVictory) {
    auto s = gameOn({"Jacob", "Ethan"},
                    {{"Home", {2}, 1, 8}, {"Field", {}, 2, 1}, {"Hill", {}, 1, 1}}, sureWin());
    s->form.playerName[3] = "";  // Ethan went out earlier
    s->form.menuCursor = 4;
    int roll1 = 0, roll2 = 0;
    s->form.attackRoll(1, 2, roll1, roll2);
    EXPECT_EQ(s->said(), Lines{"msg: Jacob has been defeated! Congratulations, you have won! Main Menu."});
    EXPECT_EQ(s->form.menuState, 1);
    EXPECT_EQ(s->form.humanPlayer, 0);
    EXPECT_EQ(s->form.menuCursor, 0);
    // The board stays as the game left it.
    EXPECT_EQ(s->form.zoneOwner[2], 1);
    EXPECT_EQ(s->form.zoneArmy[2], 7);
}

class Report : public ::testing::Test {
protected:
    // The human holds two groups, A-B and C-D-E; Jacob holds F.
    std::unique_ptr<Session> s = gameOn({"Jacob", "Ethan"}, {{"A", {2}, 1, 1},
                                                             {"B", {1}, 1, 1},
                                                             {"C", {4}, 1, 1},
                                                             {"D", {5}, 1, 1},
                                                             {"E", {}, 1, 1},
                                                             {"F", {}, 2, 2}});
};

TEST_F(Report, QuotesTheStoredChainAndCountsZonesAfresh) {
    s->form.calcChain(1);
    s->form.checkPlayer(1);
    s->form.chain[2] = 4;  // stored, not recomputed
    s->form.checkPlayer(2);
    EXPECT_EQ(s->said(), (Lines{"msg: You has chain of 3 and total of 5 controlled zones.",
                                "msg: Jacob has chain of 4 and total of 1 controlled zones."}));
}

TEST_F(Report, APlayerWhoIsOutHasAnEmptyName) {
    s->form.playerName[3] = "";
    s->form.checkPlayer(3);
    EXPECT_EQ(s->said(), Lines{"msg:  has chain of 0 and total of 0 controlled zones."});
    EXPECT_EQ(s->form.messages[1], " has chain of 0 and total of 0 controlled zones.");
}

}  // namespace
}  // namespace sonarch::testing
