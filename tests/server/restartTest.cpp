// A server killed at any moment continues every room from its folder: the
// people rejoin with their tokens and the last move they heard, hear what
// they missed, and the game ends with every move told once.
#include <gtest/gtest.h>

#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

// Both bots rejoin the restarted server and play to the end; the moves
// each heard, before and after, run on with none missing or twice.
void finishAfterRestart(const std::string& folder, SeatBot& anna, SeatBot& ben) {
    ServerProcess again(folder);
    anna.rejoin(again.port());
    ben.rejoin(again.port());
    bool benDone = false;
    std::thread benPlays([&] { benDone = ben.playToEnd(); });
    const bool annaDone = anna.playToEnd();
    benPlays.join();
    ASSERT_TRUE(annaDone);
    ASSERT_TRUE(benDone);
    EXPECT_TRUE(consecutive(anna.moves));
    EXPECT_EQ(anna.gapsOrRepeats + ben.gapsOrRepeats, 0);
    EXPECT_EQ(anna.moves, ben.moves);
    EXPECT_EQ(anna.boardMismatches + ben.boardMismatches, 0);
}

TEST(ServerRestart, KilledHalfwayTheGameGoesOnFromTheLastMoveTold) {
    TemporaryFolder folder;
    SeatBot anna, ben;
    {
        ServerProcess server(folder.path());
        seatTwoAndStart(server.port(), anna, ben);
        std::thread benPlays([&] { ben.playToEnd(); });
        anna.playUntil(30);
        server.kill();
        benPlays.join();
    }
    ASSERT_GE(anna.lastMove, 30);
    ASSERT_FALSE(anna.over());
    finishAfterRestart(folder.path(), anna, ben);
}

// The server dies by itself at a fault point: inside a transaction (nothing
// of it kept) or just after a commit (kept, but nobody told).
void dieAtFault(const std::string& fault) {
    TemporaryFolder folder;
    SeatBot anna, ben;
    {
        ServerProcess server(folder.path(), {}, {{"SONARCH_FAULT", fault}});
        seatTwoAndStart(server.port(), anna, ben);
        std::thread benPlays([&] { ben.playToEnd(); });
        anna.playToEnd();
        benPlays.join();
        EXPECT_EQ(server.waitForExit(10), 137);
    }
    ASSERT_FALSE(anna.over());
    ASSERT_GT(anna.lastMove, 0);
    finishAfterRestart(folder.path(), anna, ben);
}

TEST(ServerRestart, DyingInsideATransactionLosesOnlyWhatNobodyWasTold) { dieAtFault("in-transaction:12"); }

TEST(ServerRestart, DyingAfterACommitTellsTheMoveAfterTheRestart) { dieAtFault("after-commit:12"); }

}  // namespace
}  // namespace sonarch::testing
