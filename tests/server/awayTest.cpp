// A person gone longer than the away time is played by a computer player
// standing in, whose moves are moves like any other, kept through a
// restart; when the person comes back, they play again.
#include <gtest/gtest.h>

#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

// The moves seat made, or a stand-in made for it, among those told.
int movesOfSeat(const SeatBot& bot, int seat, std::size_t from = 0) {
    int made = 0;
    for (std::size_t i = from; i < bot.told.size(); ++i)
        made += bot.told[i].kind == Played::Kind::Move && bot.told[i].seat == seat;
    return made;
}

TEST(Away, AStandInPlaysForAPersonGoneThroughARestartUntilTheyComeBack) {
    TemporaryFolder folder;
    const std::vector<std::string> options{"--away-after", "1"};
    SeatBot anna, ben;
    Board before;
    {
        ServerProcess server(folder.path(), options);
        ASSERT_NO_FATAL_FAILURE(seatTwoAndStart(server.port(), anna, ben));
        ASSERT_NO_FATAL_FAILURE(readUntilStarted(ben));
        ben.client.reset();
        // Anna hears Ben lost, then away, then the stand-in's moves for him.
        ASSERT_TRUE(anna.stepUntil([&] { return movesOfSeat(anna, 2) > 0; }));
        EXPECT_TRUE(anna.heard("lost", 2));
        EXPECT_TRUE(anna.heard("away", 2));
        anna.stopAtOwnTurn();
        ASSERT_FALSE(anna.over());
        EXPECT_TRUE(anna.seats.at(1).away);
        before = anna.board;
        server.kill();
    }
    ServerProcess again(folder.path(), options);
    const std::int64_t toldBefore = anna.lastMove;
    anna.rejoin(again.port());
    // The game goes on from the very board Anna last had.
    ASSERT_TRUE(anna.stepUntil([&] { return anna.heard("back", 1); }));
    EXPECT_EQ(anna.lastMove, toldBefore);
    EXPECT_TRUE(anna.board == before);

    // Ben, still gone, is away again after the restart; then he comes back,
    // hears what he missed, and plays again.
    const std::size_t newsBefore = anna.news.size();
    ASSERT_TRUE(anna.stepUntil([&] {
        return anna.news.size() > newsBefore && anna.news.back().what == "away" && anna.news.back().seat == 2;
    }));
    ben.autoPlay = false;
    ben.rejoin(again.port());
    ASSERT_TRUE(ben.stepUntil([&] { return ben.heard("back", 2); }));
    // Both play until Ben's seat has moved again: Ben moved it himself.
    const std::size_t annaHeard = anna.told.size();
    const std::size_t benHeard = ben.told.size();
    anna.resume();
    ben.resume();
    std::thread benPlays([&] { ben.stepUntil([&] { return movesOfSeat(ben, 2, benHeard) > 0 || ben.over(); }); });
    anna.stepUntil([&] { return movesOfSeat(anna, 2, annaHeard) > 0 || anna.over(); });
    benPlays.join();
    EXPECT_TRUE(anna.heard("back", 2));
    EXPECT_GT(movesOfSeat(anna, 2, annaHeard), 0);
    EXPECT_GT(ben.movesSent, 0);
    EXPECT_FALSE(anna.seats.at(1).away);
    EXPECT_TRUE(consecutive(anna.moves));
    EXPECT_TRUE(consecutive(ben.moves));
    EXPECT_EQ(anna.gapsOrRepeats + ben.gapsOrRepeats, 0);
    EXPECT_EQ(anna.refusals + ben.refusals, 0) << anna.lastRefusal << ben.lastRefusal;
}

}  // namespace
}  // namespace sonarch::testing
