// A person's seat played by a program: it reads every message its client
// gets, keeps the board, checks each board the server sends against the one
// it works out itself where no dice are thrown, and on its turn sends a
// legal move found with the rules' own check.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/protocol.h"
#include "server/testClient.h"

namespace sonarch::testing {

struct SeatBot {
    std::string name;
    std::unique_ptr<TestClient> client;
    std::string room;
    std::string token;
    int seat = 0;
    std::int64_t lastMove = 0;  // the last move told
    Board board;
    bool started = false;
    // Every move told: its number and the move as a short text, in order.
    std::vector<std::pair<std::int64_t, std::string>> moves;
    std::vector<Played> told;  // the same moves whole (their boards left empty)
    int boardsChecked = 0;
    int boardMismatches = 0;
    int refusals = 0;
    int movesSent = 0;
    int gapsOrRepeats = 0;
    std::string lastRefusal;
    bool autoPlay = true;  // moves on its turn by itself
    // The seats as the last board told them: connected, away, open.
    std::vector<net::SeatInfo> seats;
    // Each news heard, with the number of the last move told before it.
    struct News {
        std::string what;
        int seat = 0;
        int seconds = 0;
        std::int64_t atMove = 0;
    };
    std::vector<News> news;
    std::vector<std::string> errors;

    // Handles one message; false once the connection is closed.
    bool step();
    // Plays until the game is over or the connection closes; true when over.
    bool playToEnd();
    // Plays until told of move `until` (or the game ends, or the connection closes).
    void playUntil(std::int64_t until);
    bool over() const { return started && board.gameOver; }
    bool heard(const std::string& what, int about) const;
    // The last message read was a board: it shows every move told.
    bool caughtUp() const { return lastWasBoard_; }
    // Reads until done() holds; false when the connection closed first.
    bool stepUntil(const std::function<bool()>& done);
    // Stops moving by itself and reads until its own turn waits for it, with
    // no move of its own unanswered: the server then has nothing to tell.
    void stopAtOwnTurn();
    // Plays by itself again, from the board it holds.
    void resume();
    // Rejoins on a new connection with the token and the last move told.
    void rejoin(int port);

private:
    void handle(const net::ServerMessage& message);
    void moveIfMyTurn();
    bool waitsForItsOwnTurn() const;
    std::optional<Board> expected_;  // the board the last move told should leave
    std::int64_t askedAt_ = -1;      // the move count this seat last moved at
    int attacksThisTurn_ = 0;
    bool lastWasBoard_ = false;
};

// A legal move of seat on the board, from the rules' own check: claim the
// first free zone, attack the weakest neighbour a stronger zone reaches,
// place on the first zone that takes a point, else end the phase.
Move chooseLegalMove(const Board& board, int seat, int attacksSoFar);

}  // namespace sonarch::testing

namespace sonarch::testing {

constexpr const char* testMap = "Towns, Old and New";  // eight zones: four seats

// Anna makes a room for two people and two computer players, Ben joins it
// by its code, and Anna starts the game. Each has read its joined message
// and board; nothing of the game yet.
void seatTwoAndStart(int port, SeatBot& anna, SeatBot& ben);

struct RoomAsked {
    int people = 2;
    int computers = 0;
    bool isPublic = false;
    int turnLimit = 0;
};
// bot, named name, makes a room on the test map, and reads its joined
// message and first board.
void makeRoom(int port, SeatBot& bot, const std::string& name, const RoomAsked& asked);
// bot, named name, joins the room, and reads its joined message and board.
void joinRoom(int port, SeatBot& bot, const std::string& name, const std::string& room);
// Reads until the game's first board.
void readUntilStarted(SeatBot& bot);

// Whether the moves told run 1, 2, 3... with none missing and none twice.
bool consecutive(const std::vector<std::pair<std::int64_t, std::string>>& moves);

}  // namespace sonarch::testing
