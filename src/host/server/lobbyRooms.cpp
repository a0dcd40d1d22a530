// Making, joining, watching, leaving and starting rooms.
#include <algorithm>

#include "host/server/Lobby.h"
#include "host/server/RedisStore.h"
#include "host/server/systemRandom.h"
#include "rules/moves.h"

namespace sonarch::server {

namespace {
std::shared_ptr<const std::string> shared(std::string text) {
    return std::make_shared<const std::string>(std::move(text));
}

bool turnLimitAllowed(int seconds) { return seconds == 0 || seconds == 60 || seconds == 120 || seconds == 300; }
}  // namespace

std::string Lobby::newCode() const {
    // Ten letters in four places make 10,000 codes; a server holding most of
    // them refuses new rooms rather than drawing for ever.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string code = newRoomCode();
        if (rooms_.find(code) == rooms_.end() && reserving_.count(code) == 0) return code;
    }
    return {};
}

void Lobby::news(Room& room, std::string_view what, int seat, Letters& out, int seconds) {
    const std::string& name = seat > 0 ? room.seat(seat).name : std::string();
    room.toEveryone(shared(net::encodeNews(what, seat, name, seconds)), false, out);
}

void Lobby::create(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    if (!client.room.empty()) return refuse(connection, "You are in a room already; leave it first.");
    if (message.name.empty()) return refuse(connection, "A name is needed to make a room.");
    const auto map = maps_.find(message.map);
    if (!map) return refuse(connection, "This server has no map named " + message.map + ".");
    const int seats = message.people + message.computers;
    const int allowed = seatsAllowed(map->record->zoneCount);
    if (message.people < 1 || message.computers < 0 || seats < 2 || seats > allowed)
        return refuse(connection, "That map takes 2 to " + std::to_string(allowed) +
                                      " players, people and computer players together.");
    if (!turnLimitAllowed(message.turnLimit))
        return refuse(connection, "A turn limit is 0, 60, 120 or 300 seconds.");
    const std::string code = newCode();
    if (code.empty()) return refuse(connection, "This server holds all the rooms it can; try again later.");

    RoomRecord record;
    record.code = code;
    record.mapText = map->text;
    // A seed given for tests makes every room's dice repeatable: room k
    // of the run throws from seed + k.
    record.seed = testSeed_ ? *testSeed_ + roomsMade_ : systemRandom64();
    record.standInSeed = testSeed_ ? ~(*testSeed_ + roomsMade_) : systemRandom64();
    ++roomsMade_;
    record.people = message.people;
    record.computers = message.computers;
    record.strength = static_cast<int>(message.strength);
    record.isPublic = message.isPublic;
    record.turnLimit = message.turnLimit;
    record.creator = 1;
    record.created = record.touched = secondsNow();
    for (int s = 1; s <= seats; ++s) {
        SeatRecord seat{.seat = s};
        if (s == 1) {
            seat.kind = SeatRecord::Kind::Person;
            seat.name = message.name;
            seat.token = newToken();
        } else {
            seat.kind = s <= message.people ? SeatRecord::Kind::Open : SeatRecord::Kind::Computer;
        }
        record.seats.push_back(std::move(seat));
    }
    if (shared_ != nullptr) {
        // The code must be free in every process first.
        client.finding = true;
        return makeShared(connection, message, std::move(record), *map, 1);
    }
    openRoom(connection, client, message, std::move(record), *map);
}

void Lobby::openRoom(ConnectionId connection, Client& client, const net::ClientMessage& message, RoomRecord record,
                     const ShelvedMap& map) {
    const std::string code = record.code;
    const std::string token = record.seats.front().token;
    auto made = std::make_unique<Room>(std::move(record), map);
    Room& room = *made;
    rooms_[code] = std::move(made);
    metrics_.rooms = static_cast<std::int64_t>(rooms_.size());
    room.presence(1).connection = connection;
    client.room = code;
    client.seat = 1;
    log(code, "made by " + message.name + " on " + room.mapName());
    Letters out{{connection, shared(net::encodeJoined(code, 1, token)), false},
                {connection, shared(room.boardMessage(true)), true}};
    saveThenPost(room, std::move(out));
}

void Lobby::join(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    if (!client.room.empty()) return refuse(connection, "You are in a room already; leave it first.");
    if (message.name.empty()) return refuse(connection, "A name is needed to join a room.");
    Room* found = findRoom(connection, client, message.room);
    if (found == nullptr) return;
    Room& room = *found;
    if (room.started()) return refuse(connection, "The game in that room has started; you may watch it.");
    if (room.nameTaken(message.name))
        return refuse(connection, "The name " + message.name + " is taken in that room; choose another.");
    const int seat = room.openSeat();
    if (seat == 0) return refuse(connection, "That room is full.");
    SeatRecord& held = room.seat(seat);
    held.kind = SeatRecord::Kind::Person;
    held.name = message.name;
    held.token = newToken();
    held.left = false;
    room.presence(seat) = {.connection = connection};
    client.room = room.code();
    client.seat = seat;
    log(room.code(), message.name + " joined at seat " + std::to_string(seat));
    Letters out{{connection, shared(net::encodeJoined(room.code(), seat, held.token)), false},
                {connection, shared(room.boardMessage(true)), true}};
    news(room, "joined", seat, out);
    const auto board = shared(room.boardMessage(false));
    for (const ConnectionId to : room.audience())
        if (to != connection) out.push_back({to, board, true});
    saveThenPost(room, std::move(out));
}

void Lobby::watch(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    if (!client.room.empty()) return refuse(connection, "You are in a room already; leave it first.");
    Room* found = findRoom(connection, client, message.room);
    if (found == nullptr) return;
    found->watchers().insert(connection);
    client.room = found->code();
    client.seat = 0;
    post(*found, {{connection, shared(net::encodeJoined(found->code(), 0, "")), false},
                  {connection, shared(found->boardMessage(true)), true}});
}

void Lobby::rejoin(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    if (!client.room.empty()) return refuse(connection, "You are in a room already; leave it first.");
    Room* found = findRoom(connection, client, message.room);
    if (found == nullptr) return;
    Room& room = *found;
    const int seat = room.seatOfToken(message.token);
    if (seat == 0) {
        wrongCodes_[client.address].push_back(secondsNow());
        return refuse(connection, "That token holds no seat in that room.");
    }
    if (room.seat(seat).left) return refuse(connection, "You have left that room for good.");
    SeatPresence& present = room.presence(seat);
    if (present.connection != 0 && present.connection != connection) {
        // The newest connection holds the seat: the old one is likely a
        // connection the network lost without telling.
        const ConnectionId old = present.connection;
        if (const auto oldClient = clients_.find(old); oldClient != clients_.end()) oldClient->second.room.clear();
        refuse(old, "Your seat has been taken up from another connection.");
        wire_.close(old);
    }
    present.connection = connection;
    present.away = false;
    client.room = room.code();
    client.seat = seat;
    Letters out{{connection, shared(net::encodeJoined(room.code(), seat, message.token)), false}};
    for (auto& missed : room.missedAfter(message.move.value_or(0))) out.push_back({connection, missed, false});
    out.push_back({connection, shared(room.boardMessage(true)), true});
    news(room, "back", seat, out);
    post(room, std::move(out));
}

void Lobby::leave(ConnectionId connection, Client& client) {
    const auto found = rooms_.find(client.room);
    if (found == rooms_.end()) return refuse(connection, "You are in no room.");
    Room& room = *found->second;
    const int seat = client.seat;
    client.room.clear();
    client.seat = 0;
    if (seat == 0) {
        room.watchers().erase(connection);
        return;
    }
    const std::string name = room.seat(seat).name;
    Letters out;
    news(room, "left", seat, out);
    log(room.code(), name + " left seat " + std::to_string(seat));
    if (!room.started()) {
        // Before the game the people close up, so that the people's seats
        // stay the first ones, open seats after them; each person moved is
        // told the seat they now hold.
        int to = seat;
        for (int from = seat + 1; from <= room.record().people; ++from) {
            if (room.seat(from).kind != SeatRecord::Kind::Person) break;
            SeatRecord moved = room.seat(from);
            moved.seat = to;
            room.seat(to) = moved;
            room.presence(to) = room.presence(from);
            if (const auto mover = clients_.find(room.presence(to).connection); mover != clients_.end()) {
                mover->second.seat = to;
                out.push_back({mover->first, shared(net::encodeJoined(room.code(), to, moved.token)), false});
            }
            to = from;
        }
        room.seat(to) = {.seat = to};
        room.presence(to) = {};
    } else {
        room.seat(seat).left = true;
        room.presence(seat).connection = 0;
    }
    if (room.firstPresentPerson() == 0) {
        post(room, std::move(out));
        return removeRoom(room.code(), "closed: everyone has left");
    }
    if (room.seat(room.record().creator).kind != SeatRecord::Kind::Person || room.seat(room.record().creator).left)
        room.record().creator = room.firstPresentPerson();
    room.toEveryone(shared(room.boardMessage(false)), true, out);
    saveThenPost(room, std::move(out));
    playForAbsent(room);
}

void Lobby::start(ConnectionId connection, Client& client) {
    const auto found = rooms_.find(client.room);
    if (found == rooms_.end() || client.seat == 0) return refuse(connection, "You hold no seat in a room.");
    Room& room = *found->second;
    if (client.seat != room.record().creator) return refuse(connection, "Only the room's creator starts the game.");
    if (room.playing()) return refuse(connection, "The game has started already.");
    log(room.code(), room.record().state == RoomRecord::State::Over ? "rematch started" : "game started");
    Letters out;
    std::vector<MoveRecord> records;
    room.startGame(out, records);
    news(room, "started", client.seat, out);
    postStored(room, std::move(out), std::move(records), -1);
    playForAbsent(room);
}

void Lobby::list(ConnectionId connection) {
    if (shared_ != nullptr) {
        // Every process's rooms, from the list the holders keep in the store.
        return shared_->listPublic([this, connection](std::vector<net::RoomListing> rooms) {
            if (clients_.find(connection) != clients_.end()) reply(connection, net::encodeRooms(rooms));
        });
    }
    std::vector<net::RoomListing> open;
    for (const auto& [code, room] : rooms_) {
        const RoomRecord& record = room->record();
        if (!record.isPublic || room->started() || room->openSeats() == 0) continue;
        open.push_back({.room = code,
                        .creator = room->seat(record.creator).name,
                        .map = room->mapName(),
                        .seatsOpen = room->openSeats(),
                        .people = record.people,
                        .computers = record.computers});
        if (open.size() >= 50) break;  // a page of them; the rest wait their turn
    }
    reply(connection, net::encodeRooms(open));
}

void Lobby::removeRoom(std::string code, const std::string& why) {
    const auto found = rooms_.find(code);
    if (found == rooms_.end()) return;
    for (const ConnectionId connection : found->second->audience()) {
        if (const auto client = clients_.find(connection); client != clients_.end()) {
            refuse(connection, "This room has closed.");
            client->second.room.clear();
            client->second.seat = 0;
        }
    }
    rooms_.erase(found);
    clocks_.erase(code);
    store_.removeRoom(code);
    metrics_.rooms = static_cast<std::int64_t>(rooms_.size());
    log(code, why);
}

}  // namespace sonarch::server
