// A room as the store keeps it: enough to rebuild it whole after a restart.
// The computer players' steps are not kept: they follow from the dice's
// seed and the people's moves, replayed in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sonarch::server {

struct SeatRecord {
    enum class Kind { Open, Person, Computer };
    int seat = 0;
    Kind kind = Kind::Open;
    std::string name{};
    std::string token{};
    bool left = false;  // the person left for good; a stand-in plays the seat
};

struct RoomRecord {
    enum class State { Waiting, Playing, Over };
    std::string code;
    std::string mapText;  // the map file as it was when the room was made
    std::string mapName{};  // read from mapText by the room; not stored
    std::uint64_t seed = 0;         // the dice
    std::uint64_t standInSeed = 0;  // the stand-in's own choices
    int people = 1;
    int computers = 0;
    int strength = 0;
    bool isPublic = false;
    int turnLimit = 0;
    int creator = 1;
    State state = State::Waiting;
    double created = 0;  // seconds since the epoch
    double touched = 0;
    std::vector<SeatRecord> seats;  // seat 1 first
};

// A move accepted from a seat (a person's, or one made for them), or a
// game's start, in the order they came.
struct MoveRecord {
    static constexpr int gameStarts = 9;
    std::int64_t number = 0;  // the move's number; a start: the count before it
    int seat = 0;
    int kind = 0;  // Move::Kind, or gameStarts
    int zone = 0;
    int from = 0;
    int count = 1;
};

struct StoredRoom {
    RoomRecord room;
    std::vector<MoveRecord> moves;
};

}  // namespace sonarch::server
