// A program's seat in a room a game server holds: it asks for the seat,
// hands what the server sends to the session as events (each move's events
// with the board that follows them), sends the session's moves, and comes
// back by itself when the connection is lost, taking its seat back with its
// token and the last move it was told of.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/GameSession.h"
#include "host/Inbox.h"
#include "host/online/WebSocketLink.h"
#include "net/protocol.h"

namespace sonarch {

// A seat a program holds in a room, kept so that the seat can be taken back
// once the program (or the page) starts again.
struct HeldSeat {
    std::string room{};
    std::string token{};  // empty: the seat was given up
    std::int64_t move = 0;  // the last move told
    bool created = false;  // this seat made the room, and starts its game
};

// What the program was asked to do on the server.
struct OnlineRequest {
    enum class Kind { Join, Watch, Create, List };
    Kind kind = Kind::Join;
    std::string url;
    std::string room;  // join, watch
    std::string name = "Player";
    std::string map;  // create
    int people = 2;
    int computers = 0;
    Strength strength = Strength::Standard;
    // A seat kept from an earlier run, taken back first; where the server
    // will not give it back, the room is joined afresh.
    std::optional<HeldSeat> kept;
    // Told of the seat when it is given and after each move told, and once
    // it is given up.
    std::function<void(const HeldSeat&)> keepSeat;
    bool isPublic = false;  // create
    int turnLimit = 0;      // create
};

class OnlineClient final : public Inbox, public OnlineSeat {
public:
    OnlineClient(GameSession& game, OnlineRequest request, ServerAddress address);
    ~OnlineClient() override;

    bool deliver() override;
    void waitFor(std::chrono::milliseconds most) override;
    int readableWhenWaiting() const override { return link_.readableWhenWaiting(); }
    void wakeWith(std::function<void()> wake) override { link_.wakeWith(std::move(wake)); }
    void leave() override;

    void sendMove(const Move& move, std::int64_t seen) override;
    void sendReady(std::int64_t seen) override;
    void sendStart() override;
    void sendChat(const std::string& text) override;

private:
    using Clock = std::chrono::steady_clock;
    void connected();
    void received(const std::string& text);
    void lost();
    void send(const net::ClientMessage& message);
    void checkTimers();
    void keep();
    void joinAfresh();

    GameSession& game_;
    OnlineRequest request_;
    std::string link_address_;
    std::string server_;
    WebSocketLink link_;
    // The seat once the server gave it, and what takes it back.
    std::string room_;
    std::string token_;
    int seat_ = 0;
    bool joined_ = false;
    bool left_ = false;
    // Taking back a seat kept from an earlier run: the session has been told
    // nothing yet, and the first board it hears is where the game stands.
    bool resuming_ = false;
    bool boardTold_ = false;
    bool created_ = false;
    std::int64_t lastMove_ = 0;
    std::shared_ptr<const MapRecord> map_;
    // A move's events wait for the board after it.
    std::optional<net::ServerMessage> pendingEvents_;
    // Coming back: when to try again, and how long the next wait is.
    std::optional<Clock::time_point> retryAt_;
    int retrySeconds_ = 1;
    // The move sent and not yet answered: sent again once the seat is back,
    // with the count of moves it was sent after, so it is never played twice.
    std::optional<net::ClientMessage> unanswered_;
    bool rejoining_ = false;
    // Taking back a seat kept in the settings from an earlier run: looked
    // for once, and while it comes back the moves before now are passed over.
    bool keptSeatTried_ = false;
    bool resumingQuietly_ = false;
    bool afterEvents_ = false;
    // A move sent, and whether "Waiting for the server." was said for it.
    std::optional<Clock::time_point> moveSentAt_;
    bool waitingSaid_ = false;
    bool unreadableSaid_ = false;
    Clock::time_point lastSent_ = Clock::now();
};

}  // namespace sonarch
