#include "host/server/Lobby.h"

#include <chrono>
#include <iostream>

#include "host/harmlessText.h"
#include "host/server/systemRandom.h"

namespace sonarch::server {

double secondsNow() {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

Lobby::Lobby(const ServeOptions& options, std::optional<std::uint64_t> testSeed, MapShelf& maps, Store& store,
             Wire& network, Metrics& metrics, RedisStore* shared)
    : options_(options),
      testSeed_(testSeed),
      maps_(maps),
      store_(store),
      network_(network),
      routing_(*this, network),
      wire_(routing_),
      metrics_(metrics),
      shared_(shared) {}

std::vector<std::string> Lobby::roomCodes() const {
    std::vector<std::string> codes;
    for (const auto& [code, room] : rooms_) codes.push_back(code);
    return codes;
}

void Lobby::load(std::vector<StoredRoom> stored) {
    for (StoredRoom& entry : stored) adopt(std::move(entry), "rebuilt");
}

void Lobby::adopt(StoredRoom stored, const std::string& how) {
    if (rooms_.find(stored.room.code) != rooms_.end()) return;
    auto map = mapFromText(stored.room.mapText);
    if (!map) {
        log(stored.room.code, "cannot be rebuilt: its map is no longer readable");
        return;
    }
    auto room = std::make_unique<Room>(std::move(stored.room), std::move(*map));
    if (!room->replay(stored.moves)) log(room->code(), "stopped replaying at a move it refused");
    // Everyone is gone until they come back; the away rule counts from now.
    const double now = secondsNow();
    for (int s = 1; s <= room->seatCount(); ++s) room->presence(s).lostAt = now;
    log(room->code(), how + " at move " + std::to_string(room->moveCount()));
    if (how == "taken over") ++metrics_.roomsTakenOverTotal;
    const std::string code = room->code();
    rooms_[code] = std::move(room);
    metrics_.rooms = static_cast<std::int64_t>(rooms_.size());
}

bool Lobby::admit(ConnectionId connection, const std::string& address) {
    if (stopping_ || perAddress_[address] >= options_.maxPerAddress) return false;
    ++perAddress_[address];
    Client& client = clients_[connection];
    client.address = address;
    client.lastHeard = secondsNow();
    metrics_.connections = static_cast<std::int64_t>(clients_.size());
    return true;
}

void Lobby::received(ConnectionId connection, std::string_view text) {
    const auto found = clients_.find(connection);
    if (found == clients_.end() || stopping_) return;
    Client& client = found->second;
    client.lastHeard = secondsNow();
    if (client.finding) {
        client.held.emplace_back(text);
        return;
    }
    if (!client.relayTo.empty()) return relayFrom(connection, client, "text", text);
    const net::ClientParse parsed = net::parseClientMessage(text);
    if (!parsed.message) {
        refuse(connection, parsed.error);
        if (++client.badMessages >= options_.maxBadMessages) {
            refuse(connection, "Too many messages this server cannot read; goodbye.");
            wire_.close(connection);
        }
        return;
    }
    if (parsed.message->version != net::protocolVersion)
        return refuse(connection, "This server speaks version " + std::to_string(net::protocolVersion) +
                                      " of the game's protocol.");
    if (shared_ != nullptr && lookElsewhere(connection, client, *parsed.message, text)) return;
    dispatch(connection, client, *parsed.message);
}

void Lobby::dispatch(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    using Type = net::ClientMessage::Type;
    switch (message.type) {
    case Type::Create: create(connection, client, message); break;
    case Type::Join: join(connection, client, message); break;
    case Type::Rejoin: rejoin(connection, client, message); break;
    case Type::Watch: watch(connection, client, message); break;
    case Type::Leave: leave(connection, client); break;
    case Type::Start: start(connection, client); break;
    case Type::Claim:
    case Type::Attack:
    case Type::Place:
    case Type::End: move(connection, client, message); break;
    case Type::Ready: ready(client, message); break;
    case Type::Chat: chat(connection, client, message); break;
    case Type::List: list(connection); break;
    case Type::Ping: reply(connection, net::encodePong()); break;
    }
}

void Lobby::closed(ConnectionId connection) {
    const auto found = clients_.find(connection);
    if (found == clients_.end()) return;
    Client client = found->second;
    clients_.erase(found);
    if (client.remote) {
        closeRemote(connection);
    } else if (--perAddress_[client.address] <= 0) {
        perAddress_.erase(client.address);
    }
    if (!client.relayTo.empty()) relayFrom(connection, client, "closed", {});
    metrics_.connections = static_cast<std::int64_t>(clients_.size());
    const auto roomFound = rooms_.find(client.room);
    if (roomFound == rooms_.end()) return;
    Room& room = *roomFound->second;
    if (client.seat == 0) {
        room.watchers().erase(connection);
        return;
    }
    SeatPresence& present = room.presence(client.seat);
    if (present.connection != connection) return;
    present.connection = 0;
    present.lostAt = secondsNow();
    Letters out;
    news(room, "lost", client.seat, out);
    post(room, std::move(out));
}

void Lobby::stop() {
    stopping_ = true;
    const auto goodbye = std::make_shared<const std::string>(net::encodeError("The server is stopping."));
    for (const auto& [connection, client] : clients_) {
        wire_.send({connection, goodbye, false});
        wire_.close(connection);
    }
}

void Lobby::reply(ConnectionId connection, const std::string& text, bool isBoard) {
    wire_.send({connection, std::make_shared<const std::string>(text), isBoard});
}

void Lobby::refuse(ConnectionId connection, const std::string& reason) {
    ++metrics_.refusedMessagesTotal;
    reply(connection, net::encodeError(reason));
}

void Lobby::refuseMove(ConnectionId connection, Refusal refusal, const std::string& sentence) {
    ++metrics_.refusedMessagesTotal;
    reply(connection, net::encodeRefused(refusal, sentence));
}

void Lobby::log(const std::string& code, const std::string& what) const {
    std::cerr << "room " << harmless(code) << ": " << harmless(what) << std::endl;
}

void Lobby::post(Room& room, Letters letters) {
    auto& parcels = mail_[room.code()];
    parcels.push_back({std::move(letters), true, -1});
    deliver(room.code());
}

void Lobby::postStored(Room& room, Letters letters, std::vector<MoveRecord> records, double receivedAt) {
    const std::string code = room.code();
    const std::uint64_t number = ++parcelsMade_;
    mail_[code].push_back({std::move(letters), false, receivedAt, number});
    room.record().touched = secondsNow();
    store_.addMoves(code, records, room.record(), [this, code, number] { committed(code, number); });
}

void Lobby::saveThenPost(Room& room, Letters letters) {
    const std::string code = room.code();
    const std::uint64_t number = ++parcelsMade_;
    mail_[code].push_back({std::move(letters), false, -1, number});
    room.record().touched = secondsNow();
    store_.saveRoom(room.record(), [this, code, number] { committed(code, number); });
}

void Lobby::committed(const std::string& code, std::uint64_t parcel) {
    const auto found = mail_.find(code);
    if (found == mail_.end()) return;
    for (Parcel& waiting : found->second) {
        if (waiting.number != parcel) continue;
        waiting.committed = true;
        break;
    }
    deliver(code);
}

void Lobby::deliver(const std::string& code) {
    const auto found = mail_.find(code);
    if (found == mail_.end()) return;
    auto& parcels = found->second;
    while (!parcels.empty() && parcels.front().committed) {
        Parcel parcel = std::move(parcels.front());
        parcels.pop_front();
        for (const Letter& letter : parcel.letters) wire_.send(letter);
        if (parcel.receivedAt >= 0) metrics_.moveTook(secondsNow() - parcel.receivedAt);
    }
    if (parcels.empty()) mail_.erase(found);
}

Room* Lobby::findRoom(ConnectionId connection, Client& client, const std::string& code) {
    if (wrongCodesExceeded(client.address)) {
        refuse(connection, "Too many wrong room codes from here; wait a minute and try again.");
        return nullptr;
    }
    const auto found = rooms_.find(code);
    if (found != rooms_.end()) return found->second.get();
    wrongCodes_[client.address].push_back(secondsNow());
    refuse(connection, "There is no room with that code.");
    return nullptr;
}

bool Lobby::wrongCodesExceeded(const std::string& address) {
    const auto found = wrongCodes_.find(address);
    if (found == wrongCodes_.end()) return false;
    auto& times = found->second;
    const double now = secondsNow();
    while (!times.empty() && times.front() < now - 60) times.pop_front();
    if (times.empty()) {
        wrongCodes_.erase(found);
        return false;
    }
    return static_cast<int>(times.size()) >= options_.maxWrongCodes;
}

}  // namespace sonarch::server
