// Rooms shared by server processes through Redis: a process that stalls
// long enough to lose its hold on a room without knowing it must never tell
// a move again, even one it reads after it wakes; the process that took
// the room over goes on from the last move told.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

TEST(SharedRooms, AProcessThatLostItsHoldUnawaresTellsNoMoreMoves) {
    TemporaryFolder redisFolder, firstFolder, secondFolder;
    RedisProcess redis(redisFolder.path());
    const std::vector<std::string> shared{"--redis", redis.url(), "--lease-seconds", "1"};
    ServerProcess first(firstFolder.path(), shared);
    ServerProcess second(secondFolder.path(), shared);
    SeatBot anna, ben;
    seatTwoAndStart(first.port(), anna, ben);
    std::thread benPlays([&] { ben.playToEnd(); });
    anna.playUntil(12);
    anna.stopAtOwnTurn();
    ASSERT_FALSE(anna.over());
    const std::int64_t heldAt = anna.lastMove;

    // The first process stalls; Anna's move reaches it only when it wakes,
    // long after its hold on the room ran out.
    first.freeze();
    net::ClientMessage late = net::messageOf(chooseLegalMove(anna.board, anna.seat, 0));
    late.move = heldAt;
    anna.client->send(late);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));

    // Anna comes back through the second process, which takes the room over
    // as it was at the last move told.
    anna.rejoin(second.port());
    ASSERT_TRUE(anna.stepUntil([&] { return anna.caughtUp(); }));
    EXPECT_EQ(anna.lastMove, heldAt);

    // Awake, the first process lets the room go and closes Ben's connection
    // without telling the late move; Ben comes back through the second.
    first.thaw();
    benPlays.join();
    EXPECT_EQ(ben.lastMove, heldAt);
    // Nor did it store it: the room's last stored move is still one told.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string last = redis.ask("XREVRANGE sonarch:moves:" + anna.room + " + - COUNT 1");
    ASSERT_NE(last.find('-'), std::string::npos) << last;
    EXPECT_LE(std::stoll(last.substr(0, last.find('-'))), heldAt) << last;
    ben.rejoin(second.port());
    std::thread benFinishes([&] { ben.playToEnd(); });
    anna.resume();
    const bool annaDone = anna.playToEnd();
    benFinishes.join();
    ASSERT_TRUE(annaDone);
    ASSERT_TRUE(ben.over());
    EXPECT_TRUE(consecutive(anna.moves));
    EXPECT_EQ(anna.gapsOrRepeats + ben.gapsOrRepeats, 0);
    EXPECT_EQ(anna.moves, ben.moves);
    EXPECT_EQ(anna.boardMismatches + ben.boardMismatches, 0);
}

}  // namespace
}  // namespace sonarch::testing

namespace sonarch::testing {
namespace {

// Public rooms made through either process are listed by both, each once,
// with what a player choosing one needs to hear.
TEST(SharedRooms, EveryProcessListsThePublicRoomsOfAll) {
    TemporaryFolder redisFolder, firstFolder, secondFolder;
    RedisProcess redis(redisFolder.path());
    const std::vector<std::string> shared{"--redis", redis.url()};
    ServerProcess first(firstFolder.path(), shared);
    ServerProcess second(secondFolder.path(), shared);
    std::vector<std::unique_ptr<TestClient>> makers;
    std::set<std::string> codes;
    for (int n = 0; n < 4; ++n) {
        makers.push_back(std::make_unique<TestClient>(n % 2 == 0 ? first.port() : second.port()));
        net::ClientMessage create = message(net::ClientMessage::Type::Create);
        create.name = "Maker" + std::to_string(n);
        create.map = testMap;
        create.people = 3;
        create.isPublic = n != 3;  // the last is not listed
        makers.back()->send(create);
        const auto joined = makers.back()->receiveUntil(net::ServerMessage::Type::Joined);
        ASSERT_TRUE(joined);
        codes.insert(joined->room);
    }
    EXPECT_EQ(codes.size(), 4u);
    for (const int port : {first.port(), second.port()}) {
        TestClient asker(port);
        asker.send(message(net::ClientMessage::Type::List));
        const auto answer = asker.receiveUntil(net::ServerMessage::Type::Rooms);
        ASSERT_TRUE(answer);
        std::set<std::string> makersHeard;
        for (const net::RoomListing& room : answer->rooms) {
            EXPECT_EQ(codes.count(room.room), 1u) << room.room;
            EXPECT_EQ(room.map, testMap);
            EXPECT_EQ(room.seatsOpen, 2);
            makersHeard.insert(room.creator);
        }
        EXPECT_EQ(makersHeard, (std::set<std::string>{"Maker0", "Maker1", "Maker2"}));
    }
}

}  // namespace
}  // namespace sonarch::testing
