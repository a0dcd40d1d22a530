// A connection that says nothing for the idle time is closed; one that
// pings now and then is answered and kept.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "server/serverProcess.h"
#include "server/testClient.h"

namespace sonarch::testing {
namespace {

TEST(IdleClose, ASilentConnectionIsClosedAndAPingingOneKept) {
    TemporaryFolder folder;
    ServerProcess server(folder.path(), {"--idle-close", "1"});
    TestClient silent(server.port());
    TestClient pinging(server.port());
    // Three times the idle time, a ping every third of it.
    for (int i = 0; i < 9; ++i) {
        pinging.send(message(net::ClientMessage::Type::Ping));
        const auto pong = pinging.receive();
        ASSERT_TRUE(pong);
        EXPECT_EQ(pong->type, net::ServerMessage::Type::Pong);
        std::this_thread::sleep_for(std::chrono::milliseconds(330));
    }
    const auto goodbye = silent.receive();
    ASSERT_TRUE(goodbye);
    EXPECT_EQ(goodbye->reason, "This connection was closed after a long silence.");
    EXPECT_FALSE(silent.receiveText());
    EXPECT_TRUE(silent.closed());
    pinging.send(message(net::ClientMessage::Type::Ping));
    EXPECT_TRUE(pinging.receive());
    EXPECT_FALSE(pinging.closed());
}

}  // namespace
}  // namespace sonarch::testing
