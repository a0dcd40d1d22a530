#include "host/online/OnlineClient.h"

#include <algorithm>

#include "wording/onlineWords.h"

namespace sonarch {

namespace {
constexpr auto answerExpectedWithin = std::chrono::seconds(1);
constexpr auto keepAliveEvery = std::chrono::seconds(60);
constexpr int longestRetrySeconds = 30;

std::string linkOf(const ServerAddress& address, const std::string& room) {
    return (address.secure ? "https://" : "http://") + address.host + ":" + address.port + "/#" + room;
}
}  // namespace

OnlineClient::OnlineClient(GameSession& game, OnlineRequest request, ServerAddress address)
    : game_(game), request_(std::move(request)), link_(address) {
    link_address_ = linkOf(address, "");
    if (request_.kept) {
        room_ = request_.kept->room;
        token_ = request_.kept->token;
        lastMove_ = request_.kept->move;
        created_ = request_.kept->created;
        resuming_ = true;
    }
    // The server as the settings name it, the same however it was typed.
    server_ = link_address_.substr(0, link_address_.find('#'));
    game_.goOnline(*this);
    link_.connect();
}

OnlineClient::~OnlineClient() = default;

bool OnlineClient::deliver() {
    checkTimers();
    bool any = false;
    for (LinkEvent& event : link_.take()) {
        any = true;
        switch (event.kind) {
        case LinkEvent::Kind::Connected: connected(); break;
        case LinkEvent::Kind::Message: received(event.text); break;
        case LinkEvent::Kind::Lost: lost(); break;
        }
    }
    return any;
}

void OnlineClient::waitFor(std::chrono::milliseconds most) {
    auto until = Clock::now() + most;
    if (retryAt_) until = std::min(until, *retryAt_);
    if (moveSentAt_ && !waitingSaid_) until = std::min(until, *moveSentAt_ + answerExpectedWithin);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    link_.waitFor(std::max(left, std::chrono::milliseconds{0}));
    checkTimers();
}

void OnlineClient::checkTimers() {
    const auto now = Clock::now();
    if (retryAt_ && now >= *retryAt_) {
        retryAt_.reset();
        link_.connect();
    }
    if (moveSentAt_ && !waitingSaid_ && now >= *moveSentAt_ + answerExpectedWithin) {
        waitingSaid_ = true;
        game_.onlineNews(online::waitingForServer());
    }
    if (joined_ && !retryAt_ && now >= lastSent_ + keepAliveEvery) send({.type = net::ClientMessage::Type::Ping});
}

void OnlineClient::connected() {
    using Type = net::ClientMessage::Type;
    // A seat this program held in the room before it was closed is taken
    // back, with the game as it stands now.
    if (token_.empty() && request_.kind == OnlineRequest::Kind::Join && !keptSeatTried_) {
        keptSeatTried_ = true;
        token_ = game_.keptSeat(server_, request_.room);
        if (!token_.empty()) {
            room_ = request_.room;
            resumingQuietly_ = true;
        }
    }
    if (!token_.empty()) {
        rejoining_ = true;
        send({.type = Type::Rejoin, .room = room_, .token = token_, .move = lastMove_});
        return;
    }
    switch (request_.kind) {
    case OnlineRequest::Kind::Join: send({.type = Type::Join, .name = request_.name, .room = request_.room}); break;
    case OnlineRequest::Kind::Watch: send({.type = Type::Watch, .room = request_.room}); break;
    case OnlineRequest::Kind::Create:
        // A room made once is joined again, not made twice.
        if (!room_.empty()) {
            send({.type = Type::Watch, .room = room_});
            break;
        }
        send({.type = Type::Create,
              .name = request_.name,
              .map = request_.map,
              .people = request_.people,
              .computers = request_.computers,
              .strength = request_.strength,
              .isPublic = request_.isPublic,
              .turnLimit = request_.turnLimit});
        break;
    case OnlineRequest::Kind::List: send({.type = Type::List}); break;
    }
}

void OnlineClient::received(const std::string& text) {
    net::ServerParse parsed = net::parseServerMessage(text, map_);
    if (!parsed.message) {
        // What cannot be read is not acted on; the player hears why once.
        if (!unreadableSaid_) game_.onlineNews("The server sent what this program cannot read: " + parsed.error);
        unreadableSaid_ = true;
        return;
    }
    net::ServerMessage& message = *parsed.message;
    if (message.version != net::protocolVersion) {
        game_.onlineNews("This server speaks version " + std::to_string(message.version) +
                         " of the game's protocol; this program speaks version " +
                         std::to_string(net::protocolVersion) + ".");
        return;
    }
    using Type = net::ServerMessage::Type;
    switch (message.type) {
    case Type::Joined:
        room_ = message.room;
        seat_ = message.seat;
        if (!message.token.empty() && message.token != token_) game_.keepSeat(server_, room_, message.token);
        token_ = message.token;
        retrySeconds_ = 1;
        keep();
        if (joined_) {
            game_.onlineNews(online::backInTheGame());
        } else {
            joined_ = true;
            game_.onlineJoined(net::spokenCode(room_), link_address_ + room_, seat_);
            if (resumingQuietly_) game_.onlineNews(online::backInTheGame());
        }
        break;
    case Type::Board: {
        // The same map sent again (after coming back) is the map already held.
        if (map_ && message.board.map && *message.board.map == *map_) message.board.map = map_;
        map_ = message.board.map;
        lastMove_ = message.move;
        keep();
        moveSentAt_.reset();
        // Taking a seat kept in the settings back, the moves played before
        // are not told again: the board of now, which no events go before, is.
        if (resumingQuietly_ && afterEvents_) {
            afterEvents_ = false;
            break;
        }
        resumingQuietly_ = false;
        if (pendingEvents_ && pendingEvents_->move == message.move && boardTold_) {
            Played played = std::move(pendingEvents_->played);
            pendingEvents_.reset();
            played.after = message.board;
            if (played.seat == seat_ && unanswered_) unanswered_.reset();
            game_.onlinePlayed(played, message.move);
        } else {
            // Back after a loss: the move the server never had goes again.
            if (rejoining_ && unanswered_ && unanswered_->move == message.move) {
                moveSentAt_ = Clock::now();
                send(*unanswered_);
            } else if (rejoining_) {
                unanswered_.reset();
            }
            rejoining_ = false;
            pendingEvents_.reset();
            const auto open = std::count_if(message.seats.begin(), message.seats.end(),
                                            [](const net::SeatInfo& seat) { return seat.open; });
            game_.onlineBoard(message.board, message.move, message.phase != net::Phase::Waiting,
                              request_.kind == OnlineRequest::Kind::Create || created_, static_cast<int>(open));
        }
        boardTold_ = true;
        break;
    }
    case Type::Events:
        if (resumingQuietly_) {
            afterEvents_ = true;
            break;
        }
        // A move told already (sent again after coming back) is told once.
        if (message.move > lastMove_) pendingEvents_ = std::move(message);
        break;
    case Type::Refused:
        moveSentAt_.reset();
        unanswered_.reset();
        game_.onlineRefused(message.refusal, message.reason);
        break;
    case Type::Error:
        // The kept seat is no more (the room closed, the seat was left):
        // the program asks for a new one, as it was asked to.
        if ((resuming_ || resumingQuietly_) && !joined_) {
            if (resumingQuietly_) game_.keepSeat(server_, room_, "");
            resumingQuietly_ = false;
            joinAfresh();
            break;
        }
        moveSentAt_.reset();
        unanswered_.reset();
        game_.onlineRefused(Refusal::None, message.reason);
        break;
    case Type::Chat: game_.onlineChat(message.seat, message.name, message.text); break;
    case Type::News:
        // The beginning and this seat's own arrival are told by the board.
        if (message.text == "started" || (message.text == "joined" && message.seat == seat_)) break;
        game_.onlineNews(online::seatNews(message.text, message.name, message.seconds, message.seat == seat_));
        break;
    case Type::Rooms: {
        std::vector<RoomOffer> offers;
        for (const net::RoomListing& room : message.rooms)
            offers.push_back({.room = room.room,
                              .creator = room.creator,
                              .map = room.map,
                              .seatsOpen = room.seatsOpen,
                              .people = room.people,
                              .computers = room.computers});
        game_.onlineRooms(offers);
        break;
    }
    case Type::Pong: break;
    }
}

void OnlineClient::lost() {
    if (left_) return;
    pendingEvents_.reset();
    afterEvents_ = false;
    moveSentAt_.reset();
    game_.onlineNews(online::connectionLost(retrySeconds_));
    retryAt_ = Clock::now() + std::chrono::seconds(retrySeconds_);
    retrySeconds_ = std::min(retrySeconds_ * 2, longestRetrySeconds);
}

// A kept seat the server would not give back (the room is gone, or the
// seat was given up) is forgotten, and the room's code is joined as asked.
void OnlineClient::joinAfresh() {
    resuming_ = false;
    rejoining_ = false;
    token_.clear();
    lastMove_ = 0;
    if (request_.keepSeat) request_.keepSeat({.room = room_});
    if (request_.room.empty()) request_.room = room_;
    room_.clear();
    created_ = false;
    request_.kind = OnlineRequest::Kind::Join;
    connected();
}

void OnlineClient::keep() {
    if (!request_.keepSeat || seat_ == 0 || token_.empty()) return;
    request_.keepSeat({.room = room_,
                       .token = token_,
                       .move = lastMove_,
                       .created = request_.kind == OnlineRequest::Kind::Create || created_});
}

void OnlineClient::leave() {
    if (left_) return;
    left_ = true;
    if (request_.keepSeat && !room_.empty()) request_.keepSeat({.room = room_});
    if (joined_) send({.type = net::ClientMessage::Type::Leave});
    // A seat left for good cannot be taken back.
    if (joined_ && !token_.empty()) game_.keepSeat(server_, room_, "");
    link_.close();
}

void OnlineClient::send(const net::ClientMessage& message) {
    lastSent_ = Clock::now();
    link_.send(net::encodeClientMessage(message));
}

void OnlineClient::sendMove(const Move& move, std::int64_t seen) {
    net::ClientMessage message = net::messageOf(move);
    message.move = seen;
    unanswered_ = message;
    moveSentAt_ = Clock::now();
    waitingSaid_ = false;
    send(message);
}

void OnlineClient::sendReady(std::int64_t seen) {
    send({.type = net::ClientMessage::Type::Ready, .move = seen});
}

void OnlineClient::sendStart() { send({.type = net::ClientMessage::Type::Start}); }

void OnlineClient::sendChat(const std::string& text) {
    send({.type = net::ClientMessage::Type::Chat, .text = text});
}

}  // namespace sonarch
