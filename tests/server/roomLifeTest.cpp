// What a room does besides its moves: watchers, the list of open rooms,
// people leaving before and during the game, and a game after the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

using Type = net::ServerMessage::Type;

std::string nextError(TestClient& client) {
    const auto got = client.receiveUntil(Type::Error);
    return got ? got->reason : std::string("(closed)");
}

class RoomLife : public ::testing::Test {
protected:
    TemporaryFolder folder;
    // A person who goes is stood in for at once: a game plays itself out.
    ServerProcess server{folder.path(), {"--away-after", "0"}};
    int port() const { return server.port(); }
};

TEST_F(RoomLife, AWatcherHearsEveryMoveAndMayNotMove) {
    SeatBot anna, ben, watcher;
    ASSERT_NO_FATAL_FAILURE(seatTwoAndStart(port(), anna, ben));
    watcher.autoPlay = false;
    watcher.client = std::make_unique<TestClient>(port());
    net::ClientMessage watch = message(net::ClientMessage::Type::Watch);
    watch.room = anna.room;
    watcher.client->send(watch);
    ASSERT_TRUE(watcher.stepUntil([&] { return !watcher.seats.empty(); }));
    EXPECT_EQ(watcher.seat, 0);
    EXPECT_EQ(watcher.token, "");

    std::thread benPlays([&] { ben.playUntil(40); });
    std::thread watcherReads([&] { watcher.playUntil(40); });
    anna.playUntil(40);
    benPlays.join();
    watcherReads.join();
    ASSERT_GE(watcher.moves.size(), 40u);
    EXPECT_EQ(watcher.moves, anna.moves);
    EXPECT_EQ(watcher.gapsOrRepeats, 0);
    EXPECT_GT(watcher.boardsChecked, 5);
    EXPECT_EQ(watcher.boardMismatches, 0);
    watcher.client->send(net::messageOf(Move::endPhase()));
    EXPECT_EQ(nextError(*watcher.client), "You hold no seat in a room.");
}

TEST_F(RoomLife, TheListHoldsThePublicRoomsWithSeatsOpen) {
    SeatBot carl, dora, emil, fay;
    ASSERT_NO_FATAL_FAILURE(makeRoom(port(), carl, "Carl", {.people = 2, .computers = 1, .isPublic = true}));
    ASSERT_NO_FATAL_FAILURE(makeRoom(port(), dora, "Dora", {.people = 2, .computers = 1}));  // private
    ASSERT_NO_FATAL_FAILURE(makeRoom(port(), emil, "Emil", {.people = 1, .computers = 1, .isPublic = true}));  // no seat open
    TestClient looker(port());
    looker.send(message(net::ClientMessage::Type::List));
    auto rooms = looker.receiveUntil(Type::Rooms);
    ASSERT_TRUE(rooms);
    ASSERT_EQ(rooms->rooms.size(), 1u);
    const net::RoomListing& listed = rooms->rooms[0];
    EXPECT_EQ(listed.room, carl.room);
    EXPECT_EQ(listed.creator, "Carl");
    EXPECT_EQ(listed.map, testMap);
    EXPECT_EQ(listed.seatsOpen, 1);
    EXPECT_EQ(listed.people, 2);
    EXPECT_EQ(listed.computers, 1);
    // Once Fay takes the last seat, no room waits for anyone.
    ASSERT_NO_FATAL_FAILURE(joinRoom(port(), fay, "Fay", carl.room));
    looker.send(message(net::ClientMessage::Type::List));
    rooms = looker.receiveUntil(Type::Rooms);
    ASSERT_TRUE(rooms);
    EXPECT_TRUE(rooms->rooms.empty());
}

TEST_F(RoomLife, LeavingBeforeTheGameMovesThePeopleAfterUpOneSeat) {
    SeatBot anna, ben, cara, dan;
    anna.autoPlay = ben.autoPlay = cara.autoPlay = dan.autoPlay = false;
    ASSERT_NO_FATAL_FAILURE(makeRoom(port(), anna, "Anna", {.people = 3, .computers = 1}));
    ASSERT_NO_FATAL_FAILURE(joinRoom(port(), ben, "Ben", anna.room));
    ASSERT_NO_FATAL_FAILURE(joinRoom(port(), cara, "Cara", anna.room));
    const std::string benToken = ben.token;
    anna.client->send(message(net::ClientMessage::Type::Leave));
    // Ben and Cara are each told their new seat, with their own tokens.
    ASSERT_TRUE(ben.stepUntil([&] { return ben.seat == 1; }));
    ASSERT_TRUE(cara.stepUntil([&] { return cara.seat == 2; }));
    EXPECT_EQ(ben.token, benToken);
    ASSERT_TRUE(cara.stepUntil([&] { return cara.seats.size() == 4 && cara.seats[0].name == "Ben"; }));
    EXPECT_EQ(cara.seats[1].name, "Cara");
    EXPECT_TRUE(cara.seats[2].open);
    EXPECT_EQ(cara.seats[2].name, "Seat 3");
    // The open seat is the third; Ben, now first, starts the game.
    ASSERT_NO_FATAL_FAILURE(joinRoom(port(), dan, "Dan", anna.room));
    EXPECT_EQ(dan.seat, 3);
    ben.client->send(message(net::ClientMessage::Type::Start));
    ASSERT_NO_FATAL_FAILURE(readUntilStarted(dan));
    EXPECT_EQ(dan.board.playerName[1], "Ben");
    EXPECT_EQ(dan.board.playerName[3], "Dan");
}

TEST_F(RoomLife, LeavingDuringTheGameLeavesAStandInForGood) {
    SeatBot anna, ben;
    ASSERT_NO_FATAL_FAILURE(seatTwoAndStart(port(), anna, ben));
    ASSERT_NO_FATAL_FAILURE(readUntilStarted(ben));
    ben.client->send(message(net::ClientMessage::Type::Leave));
    // Anna plays on; a stand-in plays Ben's turns.
    ASSERT_TRUE(anna.stepUntil([&] {
        return std::any_of(anna.told.begin(), anna.told.end(),
                           [](const Played& p) { return p.kind == Played::Kind::Move && p.seat == 2; });
    }));
    anna.stopAtOwnTurn();
    EXPECT_TRUE(anna.heard("left", 2));
    EXPECT_TRUE(anna.seats.at(1).away);
    ben.rejoin(port());
    EXPECT_EQ(nextError(*ben.client), "You have left that room for good.");
}

TEST_F(RoomLife, StartAfterTheGameIsOverPlaysAgainInTheSameRoom) {
    SeatBot anna;
    anna.autoPlay = false;
    ASSERT_NO_FATAL_FAILURE(makeRoom(port(), anna, "Anna", {.people = 1, .computers = 1}));
    anna.client->send(message(net::ClientMessage::Type::Start));
    ASSERT_NO_FATAL_FAILURE(readUntilStarted(anna));
    // Anna goes, and her stand-in plays the game out at once; she comes
    // back to its end (or, should she come back first, plays what is left).
    anna.client.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    anna.rejoin(port());
    ASSERT_TRUE(anna.stepUntil([&] { return anna.heard("back", 1); }));
    anna.resume();
    ASSERT_TRUE(anna.playToEnd());
    const std::int64_t firstGame = anna.lastMove;
    const std::size_t movesTold = anna.told.size();
    anna.client->send(message(net::ClientMessage::Type::Start));
    ASSERT_TRUE(anna.stepUntil([&] { return !anna.board.gameOver; }));
    // Same seat, nothing claimed yet, and the moves' numbers go on.
    EXPECT_EQ(anna.seat, 1);
    EXPECT_EQ(anna.board.turnPlayer, 1);
    EXPECT_EQ(anna.board.zonesHeldBy(0), anna.board.zoneCount());
    EXPECT_EQ(anna.lastMove, firstGame);
    ASSERT_TRUE(anna.stepUntil([&] { return anna.told.size() > movesTold; }));
    EXPECT_EQ(anna.moves.back().first, firstGame + 1);
    EXPECT_EQ(anna.told.back().move.kind, Move::Kind::Claim);
    EXPECT_TRUE(consecutive(anna.moves));
    EXPECT_EQ(anna.refusals, 0) << anna.lastRefusal;
}

}  // namespace
}  // namespace sonarch::testing
