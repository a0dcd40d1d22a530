// What a hostile or broken client sends is refused, with a sentence, and
// the server goes on serving the rooms of everyone else.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

using Type = net::ServerMessage::Type;

net::ClientMessage joinMessage(const std::string& room, const std::string& name) {
    net::ClientMessage join = message(net::ClientMessage::Type::Join);
    join.room = room;
    join.name = name;
    return join;
}

// The text of the next error the client gets.
std::string nextError(TestClient& client) {
    const auto got = client.receiveUntil(Type::Error);
    return got ? got->reason : std::string("(closed)");
}

class HostileClients : public ::testing::Test {
protected:
    TemporaryFolder folder;
    ServerProcess server{folder.path(), {"--max-wrong-codes", "5", "--max-per-address", "12"}};
    SeatBot anna, ben;
    void SetUp() override {
        anna.autoPlay = ben.autoPlay = false;
        seatTwoAndStart(server.port(), anna, ben);
        // The game has started: both read up to its first board.
        while (anna.step() && !anna.started) {
        }
        while (ben.step() && !ben.started) {
        }
        ASSERT_EQ(anna.board.turnPlayer, 1);
    }
    // Anna's room still plays: her move is told to her and to Ben.
    void annaStillPlays() {
        const std::int64_t before = anna.lastMove;
        const Move move = chooseLegalMove(anna.board, 1, 0);
        net::ClientMessage asked = net::messageOf(move);
        asked.move = anna.lastMove;
        anna.client->send(asked);
        const auto events = anna.client->receiveUntil(Type::Events);
        ASSERT_TRUE(events);
        EXPECT_EQ(events->move, before + 1);
        const auto heard = ben.client->receiveUntil(Type::Events);
        ASSERT_TRUE(heard);
        EXPECT_EQ(heard->move, before + 1);
    }
};

TEST_F(HostileClients, MessagesOfNoUseAreRefusedWithASentence) {
    TestClient stranger(server.port());
    stranger.sendText(std::string(net::maxClientMessageBytes + 100, 'x'));
    EXPECT_NE(nextError(stranger), "(closed)");
    stranger.sendText("{\"type\":\"join\",");
    EXPECT_NE(nextError(stranger), "(closed)");
    stranger.sendText("[1,2,3]");
    EXPECT_NE(nextError(stranger), "(closed)");
    // A move from a connection without a seat.
    stranger.send(net::messageOf(Move::claim(1)));
    EXPECT_EQ(nextError(stranger), "You hold no seat in a room.");
    annaStillPlays();
}

TEST_F(HostileClients, AMoveOutOfTurnOrOnAnOldBoardIsRefused) {
    // Ben moves in Anna's turn.
    net::ClientMessage claim = net::messageOf(chooseLegalMove(anna.board, 1, 0));
    ben.client->send(claim);
    auto refused = ben.client->receiveUntil(Type::Refused);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->refusal, Refusal::NotYourTurn);
    // Anna moves with a count of moves that is not the room's.
    claim.move = anna.lastMove + 5;
    anna.client->send(claim);
    refused = anna.client->receiveUntil(Type::Refused);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->reason.find("older board"), std::string::npos) << refused->reason;
    // A zone that is not on the map.
    anna.client->send(net::messageOf(Move::claim(99)));
    refused = anna.client->receiveUntil(Type::Refused);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->refusal, Refusal::None);
    EXPECT_FALSE(refused->reason.empty());
    annaStillPlays();
}

TEST_F(HostileClients, ANameTakenAFullRoomAndAStartedGameAreRefused) {
    TestClient carl(server.port());
    net::ClientMessage create = message(net::ClientMessage::Type::Create);
    create.name = "Carl";
    create.map = testMap;
    create.people = 2;
    create.computers = 1;
    carl.send(create);
    const auto joined = carl.receiveUntil(Type::Joined);
    ASSERT_TRUE(joined);
    TestClient other(server.port());
    other.send(joinMessage(joined->room, "CARL"));
    EXPECT_NE(nextError(other).find("taken"), std::string::npos);
    other.send(joinMessage(joined->room, "Dora"));
    EXPECT_TRUE(other.receiveUntil(Type::Joined));
    TestClient third(server.port());
    third.send(joinMessage(joined->room, "Emil"));
    EXPECT_EQ(nextError(third), "That room is full.");
    third.send(joinMessage(anna.room, "Emil"));
    EXPECT_NE(nextError(third).find("started"), std::string::npos);
    annaStillPlays();
}

TEST_F(HostileClients, AFloodOfWrongCodesIsStoppedForAMinute) {
    TestClient guesser(server.port());
    std::string answer;
    for (int i = 0; i < 5; ++i) {
        guesser.send(joinMessage(anna.room == "HHHH" ? "KKKK" : "HHHH", "Guess"));
        answer = nextError(guesser);
        EXPECT_EQ(answer, "There is no room with that code.");
    }
    // Now even the right code is not looked at.
    guesser.send(joinMessage(anna.room, "Guess"));
    EXPECT_NE(nextError(guesser).find("Too many wrong room codes"), std::string::npos);
    annaStillPlays();
}

TEST_F(HostileClients, TwentyUnreadableMessagesCloseTheConnection) {
    TestClient noisy(server.port());
    for (int i = 0; i < 20; ++i) noisy.sendText("not json");
    int errors = 0;
    while (noisy.receiveText()) ++errors;
    EXPECT_TRUE(noisy.closed());
    EXPECT_GE(errors, 20);
    annaStillPlays();
}

// Waits until the server counts that many connections open.
bool connectionsOpen(int port, int count) {
    for (int i = 0; i < 250; ++i) {
        if (httpGet(port, "/metrics").body.find("sonarch_connections " + std::to_string(count) + "\n") !=
            std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_F(HostileClients, PagesOfOtherSitesAndTooManyConnectionsAreKeptOut) {
    const std::string own = "http://127.0.0.1:" + std::to_string(server.port());
    EXPECT_TRUE(handshakeRefused(server.port(), "http://elsewhere.example"));
    EXPECT_FALSE(handshakeRefused(server.port(), own));
    ASSERT_TRUE(connectionsOpen(server.port(), 2));
    // Anna's and Ben's and ten more make twelve, the most from one address.
    std::vector<std::unique_ptr<TestClient>> many;
    for (int i = 0; i < 10; ++i) many.push_back(std::make_unique<TestClient>(server.port()));
    EXPECT_TRUE(handshakeRefused(server.port(), ""));
    many.clear();
    ASSERT_TRUE(connectionsOpen(server.port(), 2));
    EXPECT_FALSE(handshakeRefused(server.port(), ""));
    annaStillPlays();
}

TEST_F(HostileClients, TheServerAnswersHealthFiguresAndThePage) {
    EXPECT_EQ(httpGet(server.port(), "/healthz").body, "ok");
    const HttpAnswer figures = httpGet(server.port(), "/metrics");
    EXPECT_EQ(figures.status, 200);
    EXPECT_NE(figures.body.find("sonarch_rooms 1"), std::string::npos) << figures.body;
    EXPECT_NE(figures.body.find("sonarch_connections 2"), std::string::npos) << figures.body;
    EXPECT_EQ(httpGet(server.port(), "/").status, 200);
    EXPECT_EQ(httpGet(server.port(), "/nothing/here").status, 404);
    EXPECT_EQ(httpGet(server.port(), "/../rooms.sqlite").status, 404);
}

TEST_F(HostileClients, ChatIsToldToTheRoomAndAFloodOfItRefused) {
    net::ClientMessage line = message(net::ClientMessage::Type::Chat);
    line.text = "Good luck.";
    anna.client->send(line);
    const auto heard = ben.client->receiveUntil(Type::Chat);
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->text, "Good luck.");
    EXPECT_EQ(heard->seat, 1);
    for (int i = 0; i < 4; ++i) anna.client->send(line);
    anna.client->send(line);
    EXPECT_NE(nextError(*anna.client).find("too fast"), std::string::npos);
}

TEST_F(HostileClients, StoppingTellsEveryClientAndEndsCleanly) {
    EXPECT_EQ(server.terminate(), 0);
    EXPECT_EQ(nextError(*anna.client), "The server is stopping.");
    EXPECT_EQ(nextError(*ben.client), "The server is stopping.");
}

}  // namespace
}  // namespace sonarch::testing
