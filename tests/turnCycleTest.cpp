// The order of turns, as the human's end of turn sets it going: computer
// turns one after another, players who are out skipped, the end of the game
// stopping everything, and a seeded game replaying exactly.
#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"

namespace sonarch::testing {
namespace {

// Each computer player holds one full zone with no links, so its turn is
// the one "stores their points" sentence and its pause.
std::vector<BoardZone> quietBoard() {
    return {{"Home", {}, 1, 1}, {"North", {}, 2, 8}, {"East", {}, 3, 8}, {"West", {}, 4, 8}};
}

Lines quietTurn(const std::string& name) {
    return {"msg: " + name + "'s turn.",
            "msg: " + name + " stores their points because all armies are at maximum size.",
            "pause: 5"};
}

Lines joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(TurnCycle, TwoPlayersTakeOneComputerTurnAndComeBack) {
    auto s = gameOn({"Jacob"}, {{"Home", {}, 1, 1}, {"North", {}, 2, 8}});
    s->form.placingPoints = 1;
    s->form.attackFrom = 1;
    s->form.endTurn();
    EXPECT_EQ(s->said(), joined({quietTurn("Jacob"), {"msg: It is your turn."}}));
    EXPECT_EQ(s->form.turnPlayer, 1);
    EXPECT_EQ(s->form.placingPoints, 0);
    EXPECT_EQ(s->form.attackFrom, 0);
}

TEST(TurnCycle, PlayersWhoAreOutAreSkippedWithoutASentence) {
    auto s = gameOn({"Jacob", "Ethan", "Mason"}, quietBoard());
    s->form.playerName[2] = "";
    s->form.zoneOwner[2] = 0;
    s->form.endTurn();
    EXPECT_EQ(s->said(), joined({quietTurn("Ethan"), quietTurn("Mason"), {"msg: It is your turn."}}));
    EXPECT_EQ(s->form.turnPlayer, 1);
}

TEST(TurnCycle, WrapsFromTheLastPlayerToTheFirst) {
    auto s = gameOn({"Jacob", "Ethan", "Mason"}, quietBoard());
    s->form.playerName[4] = "";
    s->form.turnPlayer = 3;  // as if Ethan's turn had just ended
    s->form.endTurn();
    EXPECT_EQ(s->said(), Lines{"msg: It is your turn."});
    EXPECT_EQ(s->form.turnPlayer, 1);
}

TEST(TurnCycle, AnotherHumanSeatWaitsForKeys) {
    // A player who is no computer gets the turn announced and keeps it.
    auto s = gameOn({"Jacob", "Ethan"}, quietBoard());
    s->form.isComputer[3] = 0;
    s->form.placingPoints = 1;
    s->form.endTurn();
    EXPECT_EQ(s->said(), joined({quietTurn("Jacob"), {"msg: Ethan's turn."}}));
    EXPECT_EQ(s->form.turnPlayer, 3);
    EXPECT_EQ(s->form.placingPoints, 0);
}

TEST(TurnCycle, DoesNothingOutsideAGame) {
    auto s = gameOn({"Jacob"}, quietBoard());
    s->form.menuState = 1;
    s->form.placingPoints = 1;
    s->form.endTurn();
    s->form.runAI();
    EXPECT_TRUE(s->said().empty());
    EXPECT_EQ(s->form.turnPlayer, 1);
    EXPECT_EQ(s->form.placingPoints, 1);
}

TEST(TurnCycle, TheHumansDefeatEndsEverythingAtOnce) {
    // Jacob's North (8) takes the human's last zone with eight sixes; the
    // battle is not told, and neither Jacob's placing nor Ethan's turn follows.
    auto s = gameOn({"Jacob", "Ethan"},
                    {{"Home", {}, 1, 1}, {"North", {1}, 2, 8}, {"East", {1}, 3, 8}},
                    then(diceTotalling(8, 48), diceTotalling(1, 1)));
    s->form.menuCursor = 3;
    s->form.endTurn();
    EXPECT_EQ(s->said(), (Lines{"msg: Jacob's turn.", "msg: You have been defeated! Game over. Main Menu."}));
    EXPECT_EQ(s->form.menuState, 1);
    EXPECT_EQ(s->form.humanPlayer, 0);
    EXPECT_EQ(s->form.menuCursor, 0);
    EXPECT_EQ(s->form.playerName[1], "You");
    EXPECT_EQ(s->form.turnPlayer, 2);
    EXPECT_EQ(s->form.zoneOwner[1], 2);
    EXPECT_EQ(s->form.zoneArmy[1], 7);
    EXPECT_EQ(s->form.zoneArmy[2], 1);
    EXPECT_EQ(s->form.zoneArmy[3], 8);
}

// A ring of twelve zones, every zone linked to both neighbours and across,
// unclaimed but for the human's; the computer players start on their first
// turns and then fight. The human only ends turns.
Lines tenRounds(std::vector<double> fixedRandom = {}) {
    std::vector<BoardZone> ring;
    for (int zone = 1; zone <= 12; ++zone) {
        ring.push_back({"Zone " + std::to_string(zone),
                        {zone % 12 + 1, (zone + 10) % 12 + 1, (zone + 5) % 12 + 1},
                        zone == 1 ? 1 : 0,
                        zone == 1 ? 8 : 0});
    }
    auto s = gameOn({"Jacob", "Ethan", "Mason"}, ring, std::move(fixedRandom));
    for (int player = 2; player <= 4; ++player) s->form.hasStarted[player] = 0;
    for (int round = 0; round < 10 && s->form.menuState == 0; ++round) s->form.endTurn();
    return s->said();
}

TEST(TurnCycle, TheSameSeedPlaysTheSameGame) {
    const Lines first = tenRounds();
    EXPECT_EQ(first, tenRounds());
    auto told = [&](const std::string& words) {
        return std::count_if(first.begin(), first.end(), [&](const std::string& line) {
            return line.find(words) != std::string::npos;
        });
    };
    EXPECT_GE(told(". The army of Zone"), 3);  // three starting claims
    EXPECT_GT(told(" and was successful with a roll of "), 0);
    EXPECT_GT(told(" has increased the army of "), 0);
    // Other numbers play another game.
    EXPECT_NE(first, tenRounds({0.9, 0.1, 0.5}));
}

}  // namespace
}  // namespace sonarch::testing
