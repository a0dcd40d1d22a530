// What the session needs of a connection to a game server when its seat is
// in a room the server holds: somewhere to send this seat's moves and a few
// words about its progress. The host that owns the connection implements
// it; what the server sends back reaches the session through GameSession.
#pragma once

#include <cstdint>
#include <string>

namespace sonarch {

struct Move;

// A public room waiting for people, as the server lists it.
struct RoomOffer {
    std::string room;
    std::string creator;
    std::string map;
    int seatsOpen = 0;
    int people = 0;
    int computers = 0;
};

class OnlineSeat {
public:
    virtual ~OnlineSeat() = default;
    // A move of this seat, with the number of moves the session has been
    // told of, so that a move sent twice is never played twice.
    virtual void sendMove(const Move& move, std::int64_t seen) = 0;
    // Everything up to move `seen` has been told: the turn's clock may run.
    virtual void sendReady(std::int64_t seen) = 0;
    // The room's creator starts the game (or a new one after it ends).
    virtual void sendStart() = 0;
    virtual void sendChat(const std::string& text) = 0;
};

}  // namespace sonarch
