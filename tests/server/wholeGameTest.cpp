// Two people and two computer players play a whole game through the real
// server: both hear every move, numbered 1, 2, 3..., the same and in the
// same order, and every board they can work out themselves is the board the
// server sends.
#include <gtest/gtest.h>

#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

TEST(ServerGame, TwoPeopleAndTwoComputersPlayAWholeGameAndHearTheSameMoves) {
    TemporaryFolder folder;
    ServerProcess server(folder.path(), {"--seed", "11"});
    EXPECT_EQ(server.firstLine(), "Sonarch server at http://127.0.0.1:" + std::to_string(server.port()) + "/");
    SeatBot anna, ben;
    seatTwoAndStart(server.port(), anna, ben);
    bool benDone = false;
    std::thread benPlays([&] { benDone = ben.playToEnd(); });
    const bool annaDone = anna.playToEnd();
    benPlays.join();

    ASSERT_TRUE(annaDone);
    ASSERT_TRUE(benDone);
    EXPECT_TRUE(anna.board.gameOver);
    EXPECT_GT(anna.moves.size(), 20u);
    EXPECT_TRUE(consecutive(anna.moves));
    EXPECT_EQ(anna.gapsOrRepeats, 0);
    EXPECT_EQ(anna.moves, ben.moves);
    EXPECT_GT(anna.boardsChecked + ben.boardsChecked, 10);
    EXPECT_EQ(anna.boardMismatches + ben.boardMismatches, 0);
    EXPECT_EQ(anna.refusals + ben.refusals, 0) << anna.lastRefusal << ben.lastRefusal;
    // The computer players moved too, on the seats after the people's.
    bool computerMoved = false;
    for (const auto& [number, move] : anna.moves) computerMoved |= move.rfind("2/3/", 0) == 0;
    EXPECT_TRUE(computerMoved);
}

}  // namespace
}  // namespace sonarch::testing
