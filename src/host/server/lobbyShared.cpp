// Rooms shared with other server processes through the store: finding a
// room another process holds and passing a client's messages to it, taking
// over the rooms of processes that are gone, and letting a room go when
// another process has it.
#include <charconv>

#include "host/server/Lobby.h"
#include "host/server/RedisStore.h"
#include "host/server/systemRandom.h"

namespace sonarch::server {

namespace {
// A note between processes: "kind process connection", a line break, then
// what it carries. Origin to holder: open (the address), text, closed.
// Holder to origin: send, board, close.
struct Note {
    std::string kind;
    std::string from;
    ConnectionId connection = 0;
    std::string payload;
};

std::string noteText(std::string_view kind, const std::string& from, ConnectionId connection,
                     std::string_view payload) {
    std::string text;
    text.reserve(kind.size() + from.size() + payload.size() + 24);
    text.append(kind).append(" ").append(from).append(" ").append(std::to_string(connection)).append("\n");
    text.append(payload);
    return text;
}

std::optional<Note> noteOf(std::string_view text) {
    const auto lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view head = text.substr(0, lineEnd);
    const auto first = head.find(' ');
    const auto second = head.rfind(' ');
    if (first == std::string_view::npos || second == first) return std::nullopt;
    Note note;
    note.kind = std::string(head.substr(0, first));
    note.from = std::string(head.substr(first + 1, second - first - 1));
    const std::string_view number = head.substr(second + 1);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), note.connection);
    if (error != std::errc() || end != number.data() + number.size() || note.from.empty()) return std::nullopt;
    note.payload = std::string(text.substr(lineEnd + 1));
    return note;
}

bool asksForARoom(net::ClientMessage::Type type) {
    using Type = net::ClientMessage::Type;
    return type == Type::Join || type == Type::Watch || type == Type::Rejoin;
}
}  // namespace

void Lobby::Routing::send(const Letter& letter) {
    if (letter.to >= firstRemote) return lobby_.sendRemote(letter);
    network_.send(letter);
}

void Lobby::Routing::close(ConnectionId connection) {
    if (connection < firstRemote) return network_.close(connection);
    const auto found = lobby_.remoteOrigins_.find(connection);
    if (found == lobby_.remoteOrigins_.end()) return;
    lobby_.shared_->relay(found->second.first, noteText("close", lobby_.shared_->self(), found->second.second, {}));
}

void Lobby::sendRemote(const Letter& letter) {
    const auto found = remoteOrigins_.find(letter.to);
    if (found == remoteOrigins_.end()) return;
    shared_->relay(found->second.first,
                   noteText(letter.isBoard ? "board" : "send", shared_->self(), found->second.second, *letter.text));
}

void Lobby::relayFrom(ConnectionId connection, const Client& client, std::string_view kind, std::string_view text) {
    shared_->relay(client.relayTo, noteText(kind, shared_->self(), connection, text));
}

// A join, watch or rejoin for a room this process does not hold: the store
// says where it is, and the message waits for the answer.
bool Lobby::lookElsewhere(ConnectionId connection, Client& client, const net::ClientMessage& message,
                          std::string_view text) {
    if (!asksForARoom(message.type) || !client.room.empty()) return false;
    if (rooms_.find(message.room) != rooms_.end() || !net::isRoomCode(message.room)) return false;
    if (wrongCodesExceeded(client.address)) return false;
    client.finding = true;
    shared_->find(message.room, [this, connection, message, text = std::string(text)](Whereabouts where) {
        found(connection, message, text, where);
    });
    return true;
}

void Lobby::found(ConnectionId connection, const net::ClientMessage& message, const std::string& text,
                  Whereabouts& where) {
    if (where.kind == Whereabouts::Kind::Taken) adopt(std::move(where.room), "taken over");
    const auto clientFound = clients_.find(connection);
    if (clientFound == clients_.end()) return;
    Client& client = clientFound->second;
    client.finding = false;
    switch (where.kind) {
    case Whereabouts::Kind::Unreachable:
        refuse(connection, "This server cannot reach its rooms just now; try again in a minute.");
        break;
    case Whereabouts::Kind::Elsewhere:
        if (where.holder != shared_->self()) {
            client.relayTo = where.holder;
            shared_->watchProcess(where.holder);
            relayFrom(connection, client, "open", client.address);
            relayFrom(connection, client, "text", text);
            break;
        }
        [[fallthrough]];
    case Whereabouts::Kind::Missing:
    case Whereabouts::Kind::Taken: {
        // Here now, or nowhere: the message is answered as any other.
        dispatch(connection, client, message);
        break;
    }
    }
    heldMessages(connection);
}

void Lobby::heldMessages(ConnectionId connection) {
    const auto found = clients_.find(connection);
    if (found == clients_.end()) return;
    std::vector<std::string> held;
    held.swap(found->second.held);
    for (const std::string& text : held) received(connection, text);
}

void Lobby::makeShared(ConnectionId connection, const net::ClientMessage& message, RoomRecord record,
                       ShelvedMap map, int attempt) {
    RoomRecord first = record;
    reserving_.insert(record.code);
    shared_->reserve(first, [this, connection, message, record = std::move(record), map = std::move(map),
                             attempt](Reservation reservation) mutable {
        reserving_.erase(record.code);
        const auto clientFound = clients_.find(connection);
        if (clientFound == clients_.end()) {
            if (reservation == Reservation::Made) shared_->removeRoom(record.code);
            return;
        }
        Client& client = clientFound->second;
        if (reservation == Reservation::Taken && attempt < 20) {
            // Another process has that code: another draw.
            std::string code = newCode();
            if (!code.empty()) {
                record.code = code;
                return makeShared(connection, message, std::move(record), std::move(map), attempt + 1);
            }
        }
        client.finding = false;
        if (reservation == Reservation::Made) {
            openRoom(connection, client, message, std::move(record), map);
        } else if (reservation == Reservation::Unreachable) {
            refuse(connection, "This server cannot make rooms just now: it cannot reach where rooms are kept. "
                               "Try again in a minute.");
        } else {
            refuse(connection, "This server holds all the rooms it can; try again later.");
        }
        heldMessages(connection);
    });
}

void Lobby::relayed(const std::string& text) {
    if (text.empty()) {
        // Notes may have been lost: every connection passed between
        // processes closes, and its client comes back by itself.
        for (auto& [connection, client] : clients_)
            if (!client.relayTo.empty() || client.remote) wire_.close(connection);
        return;
    }
    const auto note = noteOf(text);
    if (!note) return;
    if (note->kind == "open") {
        if (remoteIds_.find({note->from, note->connection}) != remoteIds_.end()) return;
        const ConnectionId id = nextRemote_++;
        remoteIds_[{note->from, note->connection}] = id;
        remoteOrigins_[id] = {note->from, note->connection};
        Client& client = clients_[id];
        client.address = note->payload;
        client.remote = true;
        client.lastHeard = secondsNow();
        shared_->watchProcess(note->from);
        return;
    }
    if (note->kind == "text" || note->kind == "closed") {
        const auto found = remoteIds_.find({note->from, note->connection});
        if (found == remoteIds_.end()) return;
        if (note->kind == "text") return received(found->second, note->payload);
        return closed(found->second);
    }
    // The holder's answers to a client of this process.
    const auto client = clients_.find(note->connection);
    if (client == clients_.end() || client->second.relayTo != note->from) return;
    if (note->kind == "send" || note->kind == "board")
        return network_.send(
            {note->connection, std::make_shared<const std::string>(std::move(note->payload)), note->kind == "board"});
    if (note->kind == "close") network_.close(note->connection);
}

void Lobby::closeRemote(ConnectionId connection) {
    const auto found = remoteOrigins_.find(connection);
    if (found == remoteOrigins_.end()) return;
    remoteIds_.erase(found->second);
    remoteOrigins_.erase(found);
}

void Lobby::processGone(const std::string& process) {
    std::vector<ConnectionId> remotes;
    for (auto& [connection, client] : clients_) {
        // Clients here whose room was there come back and find it anew.
        if (client.relayTo == process) network_.close(connection);
        const auto origin = remoteOrigins_.find(connection);
        if (client.remote && origin != remoteOrigins_.end() && origin->second.first == process)
            remotes.push_back(connection);
    }
    for (const ConnectionId connection : remotes) closed(connection);
}

void Lobby::leaseLost(const std::string& code) { dropRoom(code, "is held by another process now"); }

void Lobby::dropRoom(const std::string& code, const std::string& why) {
    const auto found = rooms_.find(code);
    if (found == rooms_.end()) return;
    // Its clients come back by themselves and find it where it is now;
    // nothing waiting here was stored, so nothing of it is told.
    for (const ConnectionId connection : found->second->audience()) {
        if (const auto client = clients_.find(connection); client != clients_.end()) {
            client->second.room.clear();
            client->second.seat = 0;
        }
        wire_.close(connection);
    }
    rooms_.erase(found);
    mail_.erase(code);
    clocks_.erase(code);
    metrics_.rooms = static_cast<std::int64_t>(rooms_.size());
    log(code, why);
}

void Lobby::adoptOrphans(double now) {
    if (shared_ == nullptr || stopping_ || now - lastOrphanSearch_ < 1.0) return;
    lastOrphanSearch_ = now;
    shared_->adoptOrphans(100, [this](std::vector<StoredRoom> rooms) {
        for (StoredRoom& room : rooms) adopt(std::move(room), "taken over");
    });
}

}  // namespace sonarch::server
