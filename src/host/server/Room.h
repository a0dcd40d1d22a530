// One room of the online game: its seats and watchers, its table and dice,
// and the numbered moves it has played, kept so that a client that comes
// back hears what it missed. A room neither waits nor reaches the network
// or the disk: what it says goes out as letters, what it keeps as records,
// and the lobby carries both.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/server/mapShelf.h"
#include "host/server/roomRecord.h"
#include "net/protocol.h"
#include "rules/RandomSource.h"
#include "table/Table.h"

namespace sonarch::server {

using ConnectionId = std::uint64_t;

// A message for one connection. A board waiting in a slow client's queue
// may give way to a newer one; nothing else does.
struct Letter {
    ConnectionId to = 0;
    std::shared_ptr<const std::string> text;
    bool isBoard = false;
};
using Letters = std::vector<Letter>;

// Who is at a seat now; never stored.
struct SeatPresence {
    ConnectionId connection = 0;  // 0: no client connected
    double lostAt = 0;            // when the last connection closed
    bool away = false;            // a stand-in plays while the person is gone
    std::deque<double> chatTimes{};
};

class Room : private TableListener {
public:
    Room(RoomRecord record, ShelvedMap map);
    Room(const Room&) = delete;
    Room& operator=(const Room&) = delete;

    // Plays the stored moves again on the room's table, from its seed; the
    // events come out as they did the first time. False when a stored move
    // is refused (the room then stands after the last good one).
    bool replay(const std::vector<MoveRecord>& moves);

    RoomRecord& record() { return record_; }
    const RoomRecord& record() const { return record_; }
    const std::string& code() const { return record_.code; }
    bool started() const { return record_.state != RoomRecord::State::Waiting; }
    bool playing() const { return record_.state == RoomRecord::State::Playing; }
    const Board& board() const;
    std::int64_t moveCount() const { return moveCount_; }
    const std::string& mapName() const { return map_.record->mapName; }

    int seatCount() const { return static_cast<int>(record_.seats.size()); }
    SeatRecord& seat(int seat) { return record_.seats.at(static_cast<std::size_t>(seat - 1)); }
    SeatPresence& presence(int seat) { return presence_.at(static_cast<std::size_t>(seat - 1)); }
    // The seat holding the token; 0 when none does.
    int seatOfToken(const std::string& token) const;
    // The first open seat a person may join; 0 when none is.
    int openSeat() const;
    int openSeats() const;
    bool nameTaken(const std::string& name) const;
    // A person's seat still held (not left); 0 when none is.
    int firstPresentPerson() const;
    std::set<ConnectionId>& watchers() { return watchers_; }

    // Every connection that hears the room: its seats' and watchers'.
    std::vector<ConnectionId> audience() const;
    void toEveryone(const std::shared_ptr<const std::string>& text, bool isBoard, Letters& out) const;
    std::string boardMessage(bool withMap) const;
    std::vector<net::SeatInfo> seatInfo() const;
    // What a client that comes back missed: each move after `move`, its
    // events and the board it left, worked out again from the seed and the
    // moves kept (boards are not held: a room would grow with every move).
    std::vector<std::shared_ptr<const std::string>> missedAfter(std::int64_t move) const;

    // A new game (or the next one) with the seats as they are: open seats
    // become computer players'. The record of the start goes to stored.
    void startGame(Letters& out, std::vector<MoveRecord>& stored);
    // Plays seat's move and the computer players' turns after it; each
    // step is numbered and told to everyone. Refusal::None when played.
    Refusal play(int seat, const Move& move, Letters& out, std::vector<MoveRecord>& stored);
    // A person who is not at the table plays this turn: a stand-in computer
    // player, with choices drawn from its own random source, never the dice's.
    void standIn(int seat, Letters& out, std::vector<MoveRecord>& stored);
    // The turn limit ran out: the seat's turn ends, points unplaced kept.
    void endTurn(int seat, Letters& out, std::vector<MoveRecord>& stored);

    // The turn clock: when the turn now played began, and the number of
    // turns begun, so that a clock belongs to one turn only.
    std::int64_t turnsBegun() const { return turnsBegun_; }

private:
    void played(const Played& played) override;
    void playRecorded(int seat, const Move& move, Letters& out, std::vector<MoveRecord>& stored);
    // The stand-in's next move for seat in the turn it plays.
    Move standInMove(int seat, ComputerTurn& turn);

    RoomRecord record_;
    ShelvedMap map_;
    std::vector<SeatPresence> presence_;
    std::set<ConnectionId> watchers_;
    RandomSource dice_;
    RandomSource standInChoices_;
    Table table_{dice_};
    Board waitingBoard_;
    std::int64_t moveCount_ = 0;
    std::int64_t turnsBegun_ = 0;
    Letters* out_ = nullptr;  // where the table's moves are told; none while replaying
    // The start of each game and every move played, as they are stored.
    std::vector<MoveRecord> history_;
    // Each move as the table hands it over, for missedAfter's replay.
    std::function<void(const Played&)> capture_;
};

Move moveOfRecord(const MoveRecord& record);
MoveRecord recordOfMove(std::int64_t number, int seat, const Move& move);

}  // namespace sonarch::server
