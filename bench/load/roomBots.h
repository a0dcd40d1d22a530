// One room under load: a bot creates it, a second joins it by its code, the
// creator starts it (two computer players take the other seats) and starts
// it again each time a game is over; each bot moves on its turn, at once or
// after waiting its interval, and times each move to its events. A bot
// whose connection is lost comes back with its token, and counts how long
// its room took to accept a move again and any told move the room lost.
#pragma once

#include <boost/asio.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "loadConnection.h"
#include "loadRun.h"
#include "net/protocol.h"

namespace sonarch::load {

class RoomBots {
public:
    RoomBots(LoadRun& run, int number);
    void start();
    // The room's code, once the server has made the room.
    const std::string& code() const { return code_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Bot {
        std::string name;
        std::shared_ptr<LoadConnection> link;
        std::shared_ptr<const MapRecord> map;
        Board board;
        net::Phase phase = net::Phase::Waiting;
        int seat = 0;
        std::int64_t lastMove = 0;
        std::int64_t askedAt = -1;  // the count this bot last moved at
        int attacks = 0;            // this turn
        std::optional<Clock::time_point> sentAt;  // a move waiting for its events
        Clock::time_point lastSent{};
        std::unique_ptr<boost::asio::steady_timer> timer;
        bool waiting = false;  // the timer is set for its next move
        // Coming back after a lost connection, as the players' programs do.
        std::string token;
        std::optional<Clock::time_point> lostAt;  // lost, and no move accepted since
        bool rejoining = false;
        std::unique_ptr<boost::asio::steady_timer> retry;
    };

    void open(Bot& bot, std::function<void()> opened);
    void lost(Bot& bot);
    void received(Bot& bot, std::string_view text);
    void boardTold(Bot& bot, const net::ServerMessage& message);
    void eventsTold(Bot& bot, const net::ServerMessage& message);
    void considerMove(Bot& bot);
    void sendMove(Bot& bot);
    bool myTurn(const Bot& bot) const;

    LoadRun& run_;
    int number_;
    std::string code_;
    Bot creator_;
    Bot joiner_;
    bool joinerOpened_ = false;
    bool firstStartSent_ = false;
    bool countedPlaying_ = false;
    bool overCounted_ = false;
};

}  // namespace sonarch::load
