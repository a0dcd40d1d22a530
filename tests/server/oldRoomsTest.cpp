// Rooms finished, or untouched, for longer than the server keeps them are
// removed: their codes are found no more, not even after a restart.
#include <gtest/gtest.h>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

using Type = net::ServerMessage::Type;

// What a stranger hears who asks to watch the room: "joined", or the error.
std::string watchAnswer(int port, const std::string& room) {
    TestClient stranger(port);
    net::ClientMessage watch = message(net::ClientMessage::Type::Watch);
    watch.room = room;
    stranger.send(watch);
    const auto answer = stranger.receive();
    if (!answer) return "(closed)";
    return answer->type == Type::Joined ? "joined" : answer->reason;
}

TEST(OldRooms, AFinishedRoomGoesFirstAnUntouchedOneLaterAndBothStayGone) {
    TemporaryFolder folder;
    const std::string noRoom = "There is no room with that code.";
    SeatBot anna, ben, watcher;
    {
        // Anna's stand-in plays her game out the moment she goes.
        ServerProcess server(folder.path(), {"--keep-finished", "1", "--keep-unfinished", "3", "--away-after", "0"});
        ASSERT_NO_FATAL_FAILURE(makeRoom(server.port(), anna, "Anna", {.people = 1, .computers = 1}));
        watcher.autoPlay = false;
        watcher.client = std::make_unique<TestClient>(server.port());
        net::ClientMessage watch = message(net::ClientMessage::Type::Watch);
        watch.room = anna.room;
        watcher.client->send(watch);
        ASSERT_TRUE(watcher.stepUntil([&] { return !watcher.seats.empty(); }));
        anna.autoPlay = false;
        anna.client->send(message(net::ClientMessage::Type::Start));
        ASSERT_NO_FATAL_FAILURE(readUntilStarted(anna));
        anna.client.reset();
        ASSERT_TRUE(watcher.playToEnd());
        ASSERT_NO_FATAL_FAILURE(makeRoom(server.port(), ben, "Ben", {.people = 2}));
        // A second after its end, the finished room closes; Ben's waits on.
        ASSERT_TRUE(watcher.stepUntil([&] { return !watcher.errors.empty(); }));
        EXPECT_EQ(watcher.errors.back(), "This room has closed.");
        EXPECT_EQ(watchAnswer(server.port(), anna.room), noRoom);
        EXPECT_EQ(watchAnswer(server.port(), ben.room), "joined");
        // Nothing touches Ben's room, and it closes too.
        ASSERT_TRUE(ben.stepUntil([&] { return !ben.errors.empty(); }));
        EXPECT_EQ(ben.errors.back(), "This room has closed.");
        EXPECT_EQ(watchAnswer(server.port(), ben.room), noRoom);
        EXPECT_EQ(server.terminate(), 0);
    }
    ServerProcess again(folder.path());
    EXPECT_EQ(watchAnswer(again.port(), anna.room), noRoom);
    EXPECT_EQ(watchAnswer(again.port(), ben.room), noRoom);
}

}  // namespace
}  // namespace sonarch::testing
