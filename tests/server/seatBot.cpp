#include "server/seatBot.h"

#include <gtest/gtest.h>

#include "load/legalMove.h"
#include "rules/moves.h"

namespace sonarch::testing {

// The load tester's bot, with attacks enough a turn that games end.
Move chooseLegalMove(const Board& board, int seat, int attacksSoFar) {
    return load::chooseLegalMove(board, seat, attacksSoFar, 40);
}

namespace {
std::string describe(const Played& played) {
    return std::to_string(static_cast<int>(played.kind)) + "/" + std::to_string(played.seat) + "/" +
           std::to_string(static_cast<int>(played.move.kind)) + ":" + std::to_string(played.move.zone) + ":" +
           std::to_string(played.move.from) + "/" + std::to_string(played.outcomes.size());
}
}  // namespace

bool SeatBot::step() {
    auto message = client->receive();
    if (!message) return false;
    handle(*message);
    return true;
}

void SeatBot::handle(const net::ServerMessage& message) {
    using Type = net::ServerMessage::Type;
    lastWasBoard_ = message.type == Type::Board;
    switch (message.type) {
    case Type::Joined:
        room = message.room;
        seat = message.seat;
        token = message.token;
        break;
    case Type::Events: {
        const std::int64_t number = message.move;
        if (number != lastMove + 1) ++gapsOrRepeats;
        lastMove = number;
        moves.emplace_back(number, describe(message.played));
        told.push_back(message.played);
        expected_.reset();
        // A move without dice leaves a board anyone can work out.
        const Played& played = message.played;
        if (played.kind == Played::Kind::Move && played.move.kind != Move::Kind::Attack && started) {
            Board after = board;
            RandomSource noDice;
            Outcomes outcomes;
            if (playMove(after, played.seat, played.move, noDice, outcomes) == Refusal::None) expected_ = after;
        }
        break;
    }
    case Type::Board:
        if (expected_) {
            Board mine = *expected_;
            mine.humanPlayer = message.board.humanPlayer;
            ++boardsChecked;
            if (!(mine == message.board)) ++boardMismatches;
            expected_.reset();
        }
        // A board behind the moves told means the server forgot a move it
        // had told of.
        if (message.move < lastMove) ++gapsOrRepeats;
        if (message.move > lastMove) lastMove = message.move;
        board = message.board;
        seats = message.seats;
        started = message.phase != net::Phase::Waiting;
        moveIfMyTurn();
        break;
    case Type::Refused:
        ++refusals;
        lastRefusal = message.reason;
        // Tried again with no attack, which a seat may always give up.
        askedAt_ = -1;
        attacksThisTurn_ = 1000;
        moveIfMyTurn();
        break;
    case Type::News: news.push_back({message.text, message.seat, message.seconds, lastMove}); break;
    case Type::Error: errors.push_back(message.reason); break;
    default: break;
    }
}

void SeatBot::moveIfMyTurn() {
    if (!autoPlay || !started || board.gameOver || board.turnPlayer != seat || turnEndsByItself(board)) return;
    if (askedAt_ == lastMove) return;
    askedAt_ = lastMove;
    net::ClientMessage ready = message(net::ClientMessage::Type::Ready);
    ready.move = lastMove;
    client->send(ready);
    const Move move = chooseLegalMove(board, seat, attacksThisTurn_);
    attacksThisTurn_ = move.kind == Move::Kind::Attack ? attacksThisTurn_ + 1 : 0;
    net::ClientMessage asked = net::messageOf(move);
    asked.move = lastMove;
    client->send(asked);
    ++movesSent;
}

bool SeatBot::playToEnd() {
    for (int i = 0; i < 200000; ++i) {
        if (over()) return true;
        if (!step()) return false;
    }
    return over();
}

void SeatBot::playUntil(std::int64_t until) {
    while (lastMove < until && !over() && step()) {
    }
}

bool SeatBot::heard(const std::string& what, int about) const {
    for (const News& told : news)
        if (told.what == what && told.seat == about) return true;
    return false;
}

bool SeatBot::stepUntil(const std::function<bool()>& done) {
    while (!done())
        if (!step()) return false;
    return true;
}

bool SeatBot::waitsForItsOwnTurn() const {
    return caughtUp() && (over() || (board.turnPlayer == seat && askedAt_ != lastMove && !turnEndsByItself(board)));
}

void SeatBot::stopAtOwnTurn() {
    autoPlay = false;
    stepUntil([this] { return waitsForItsOwnTurn(); });
}

void SeatBot::resume() {
    autoPlay = true;
    moveIfMyTurn();
}

void SeatBot::rejoin(int port) {
    client = std::make_unique<TestClient>(port);
    net::ClientMessage again = message(net::ClientMessage::Type::Rejoin);
    again.room = room;
    again.token = token;
    again.move = lastMove;
    client->send(again);
    askedAt_ = -1;
}

}  // namespace sonarch::testing

namespace sonarch::testing {

void seatTwoAndStart(int port, SeatBot& anna, SeatBot& ben) {
    using Type = net::ServerMessage::Type;
    anna.name = "Anna";
    ben.name = "Ben";
    anna.client = std::make_unique<TestClient>(port);
    net::ClientMessage create = message(net::ClientMessage::Type::Create);
    create.name = "Anna";
    create.map = testMap;
    create.people = 2;
    create.computers = 2;
    anna.client->send(create);
    while (anna.step() && anna.board.map == nullptr) {
    }
    ASSERT_EQ(anna.seat, 1);
    ASSERT_EQ(anna.token.size(), 32u);
    ASSERT_TRUE(net::isRoomCode(anna.room));

    ben.client = std::make_unique<TestClient>(port);
    net::ClientMessage join = message(net::ClientMessage::Type::Join);
    join.name = "Ben";
    join.room = anna.room;
    ben.client->send(join);
    while (ben.step() && ben.board.map == nullptr) {
    }
    ASSERT_EQ(ben.seat, 2);
    ASSERT_EQ(ben.room, anna.room);
    ASSERT_NE(ben.token, anna.token);
    // Anna hears Ben join, then the board with him in it.
    const auto news = anna.client->receiveUntil(Type::News);
    ASSERT_TRUE(news);
    EXPECT_EQ(news->text, "joined");
    EXPECT_EQ(news->seat, 2);
    ASSERT_TRUE(anna.step());

    anna.client->send(message(net::ClientMessage::Type::Start));
}

void makeRoom(int port, SeatBot& bot, const std::string& name, const RoomAsked& asked) {
    bot.name = name;
    bot.client = std::make_unique<TestClient>(port);
    net::ClientMessage create = message(net::ClientMessage::Type::Create);
    create.name = name;
    create.map = testMap;
    create.people = asked.people;
    create.computers = asked.computers;
    create.isPublic = asked.isPublic;
    create.turnLimit = asked.turnLimit;
    bot.client->send(create);
    ASSERT_TRUE(bot.stepUntil([&] { return !bot.seats.empty() || !bot.errors.empty(); }));
    ASSERT_EQ(bot.seat, 1) << (bot.errors.empty() ? "" : bot.errors.back());
}

void joinRoom(int port, SeatBot& bot, const std::string& name, const std::string& room) {
    bot.name = name;
    bot.client = std::make_unique<TestClient>(port);
    net::ClientMessage join = message(net::ClientMessage::Type::Join);
    join.name = name;
    join.room = room;
    bot.client->send(join);
    ASSERT_TRUE(bot.stepUntil([&] { return !bot.seats.empty() || !bot.errors.empty(); }));
    ASSERT_EQ(bot.room, room) << (bot.errors.empty() ? "" : bot.errors.back());
}

void readUntilStarted(SeatBot& bot) { ASSERT_TRUE(bot.stepUntil([&] { return bot.started; })); }

bool consecutive(const std::vector<std::pair<std::int64_t, std::string>>& moves) {
    for (std::size_t i = 0; i < moves.size(); ++i)
        if (moves[i].first != static_cast<std::int64_t>(i) + 1) return false;
    return true;
}

}  // namespace sonarch::testing
