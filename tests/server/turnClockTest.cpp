// A turn limit ends a person's whole turn when the time runs out, with
// moves every client hears like any other; the clock starts when the
// person's client is ready, or after a grace when it never says so.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "server/seatBot.h"
#include "server/serverProcess.h"

namespace sonarch::testing {
namespace {

using Kind = Outcome::Kind;

// Anna and Ben, no computer players, in a room with a turn limit; both
// have read the first board, where Anna is to choose her starting zone,
// and the news of the start after it.
void seatTwoPeople(int port, SeatBot& anna, SeatBot& ben) {
    anna.autoPlay = ben.autoPlay = false;
    ASSERT_NO_FATAL_FAILURE(makeRoom(port, anna, "Anna", {.people = 2, .turnLimit = 60}));
    ASSERT_NO_FATAL_FAILURE(joinRoom(port, ben, "Ben", anna.room));
    anna.client->send(message(net::ClientMessage::Type::Start));
    for (SeatBot* bot : {&anna, &ben}) ASSERT_TRUE(bot->stepUntil([&] { return bot->heard("started", 1); }));
}

void sendReady(SeatBot& bot, std::int64_t move) {
    net::ClientMessage ready = message(net::ClientMessage::Type::Ready);
    ready.move = move;
    bot.client->send(ready);
}

// The turn's person moves, with no ready; both hear it, and what follows
// until it is seat's turn.
void moveAndHear(SeatBot& mover, SeatBot& other, const Move& move, int untilTurnOf) {
    const std::int64_t before = mover.lastMove;
    net::ClientMessage asked = net::messageOf(move);
    asked.move = before;
    mover.client->send(asked);
    for (SeatBot* bot : {&mover, &other})
        ASSERT_TRUE(bot->stepUntil(
            [&] { return bot->lastMove > before && bot->caughtUp() && bot->board.turnPlayer == untilTurnOf; }));
}

bool has(const Played& played, Kind kind, int player, int points = -1) {
    for (const Outcome& outcome : played.outcomes)
        if (outcome.kind == kind && outcome.player == player && (points < 0 || outcome.points == points)) return true;
    return false;
}

int zonesOf(const Board& board, int seat) {
    int held = 0;
    for (int z = 1; z <= board.zoneCount(); ++z) held += board.zoneOwner[static_cast<std::size_t>(z)] == seat;
    return held;
}

TEST(TurnClock, ReadyStartsTheClockAndTheRunOutTurnIsToldToEveryone) {
    TemporaryFolder folder;
    // The grace is long: only a ready starts this clock.
    ServerProcess server(folder.path(), {"--turn-seconds", "1.5", "--clock-warning", "1", "--turn-grace", "60"});
    SeatBot anna, ben;
    ASSERT_NO_FATAL_FAILURE(seatTwoPeople(server.port(), anna, ben));
    // A ready with a count of moves that is not the room's starts nothing:
    // well past the limit, the answer to a ping is all Anna hears.
    sendReady(anna, 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    anna.client->send(message(net::ClientMessage::Type::Ping));
    const auto next = anna.client->receive();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->type, net::ServerMessage::Type::Pong);

    sendReady(anna, 0);
    for (SeatBot* bot : {&anna, &ben}) {
        ASSERT_TRUE(bot->stepUntil([&] { return bot->board.turnPlayer == 2; }));
        // The room hears the clock before the end: one second left, no move yet.
        ASSERT_FALSE(bot->news.empty());
        EXPECT_EQ(bot->news.back().what, "clock");
        EXPECT_EQ(bot->news.back().seat, 1);
        EXPECT_EQ(bot->news.back().seconds, 1);
        EXPECT_EQ(bot->news.back().atMove, 0);
        // A starting zone was claimed for her, then her turn ended with her
        // point kept: two of her moves, numbered 1 and 2, each with its board.
        ASSERT_EQ(bot->told.size(), 2u);
        EXPECT_TRUE(consecutive(bot->moves));
        EXPECT_EQ(bot->gapsOrRepeats, 0);
        for (const Played& played : bot->told) {
            EXPECT_EQ(played.kind, Played::Kind::Move);
            EXPECT_EQ(played.seat, 1);
        }
        EXPECT_EQ(bot->told[0].move.kind, Move::Kind::Claim);
        EXPECT_TRUE(has(bot->told[0], Kind::StartClaimed, 1));
        EXPECT_EQ(bot->told[1].move.kind, Move::Kind::EndPhase);
        EXPECT_TRUE(has(bot->told[1], Kind::PointsKept, 1, 1));
        EXPECT_TRUE(has(bot->told[1], Kind::TurnBegins, 2));
        EXPECT_EQ(bot->board.points[1], 1);
        EXPECT_EQ(zonesOf(bot->board, 1), 1);
    }
}

TEST(TurnClock, WithoutReadyTheClockStartsAfterTheGraceAndTheWholeTurnEnds) {
    TemporaryFolder folder;
    ServerProcess server(folder.path(), {"--turn-seconds", "1", "--turn-grace", "0.5"});
    SeatBot anna, ben;
    ASSERT_NO_FATAL_FAILURE(seatTwoPeople(server.port(), anna, ben));
    // Each claims a zone and places the point it brings, by hand.
    ASSERT_NO_FATAL_FAILURE(moveAndHear(anna, ben, chooseLegalMove(anna.board, 1, 0), 1));
    ASSERT_NO_FATAL_FAILURE(moveAndHear(anna, ben, chooseLegalMove(anna.board, 1, 0), 2));
    ASSERT_NO_FATAL_FAILURE(moveAndHear(ben, anna, chooseLegalMove(ben.board, 2, 0), 2));
    ASSERT_NO_FATAL_FAILURE(moveAndHear(ben, anna, chooseLegalMove(ben.board, 2, 0), 1));
    const std::size_t before = anna.told.size();
    const Board atStart = anna.board;
    // Anna's second turn begins in the attack phase; she does nothing.
    for (SeatBot* bot : {&anna, &ben}) {
        ASSERT_TRUE(bot->stepUntil([&] { return bot->board.turnPlayer == 2; }));
        ASSERT_EQ(bot->told.size(), before + 2);
        const Played& attackEnded = bot->told[before];
        const Played& turnEnded = bot->told[before + 1];
        EXPECT_EQ(attackEnded.move.kind, Move::Kind::EndPhase);
        EXPECT_TRUE(has(attackEnded, Kind::PlacingOpens, 1, 1));
        EXPECT_EQ(turnEnded.move.kind, Move::Kind::EndPhase);
        EXPECT_TRUE(has(turnEnded, Kind::PointsKept, 1, 1));
        EXPECT_EQ(bot->board.zoneArmy, atStart.zoneArmy);
        EXPECT_EQ(bot->board.points[1], 1);
    }
}

}  // namespace
}  // namespace sonarch::testing
