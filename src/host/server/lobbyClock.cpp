// What time does in the rooms: turn clocks, people away, silent
// connections and rooms nobody will come back to.
#include <cmath>
#include <limits>

#include "host/server/Lobby.h"

namespace sonarch::server {

double Lobby::turnLimit(const Room& room) const {
    if (room.record().turnLimit <= 0) return 0;
    return options_.turnSeconds ? *options_.turnSeconds : static_cast<double>(room.record().turnLimit);
}

void Lobby::tick() {
    if (stopping_) return;
    const double now = secondsNow();
    for (auto& [connection, client] : clients_) {
        if (now - client.lastHeard <= options_.idleClose) continue;
        refuse(connection, "This connection was closed after a long silence.");
        wire_.close(connection);
        client.lastHeard = std::numeric_limits<double>::infinity();
    }
    for (auto& [code, room] : rooms_) {
        keepAway(*room, now);
        keepTurnClock(*room, now);
    }
    if (now - lastSweep_ >= 1.0) {
        lastSweep_ = now;
        removeOldRooms(now);
    }
    adoptOrphans(now);
}

void Lobby::keepAway(Room& room, double now) {
    if (!room.playing()) return;
    bool someoneAway = false;
    for (int s = 1; s <= room.seatCount(); ++s) {
        const SeatRecord& held = room.seat(s);
        SeatPresence& present = room.presence(s);
        if (held.kind != SeatRecord::Kind::Person || held.left || present.connection != 0 || present.away) continue;
        if (now - present.lostAt < options_.awayAfter) continue;
        present.away = true;
        someoneAway = true;
        log(room.code(), held.name + " is away; a computer player stands in");
        Letters out;
        news(room, "away", s, out);
        post(room, std::move(out));
    }
    if (someoneAway) playForAbsent(room);
}

void Lobby::keepTurnClock(Room& room, double now) {
    const double limit = turnLimit(room);
    const int seat = room.board().turnPlayer;
    if (limit <= 0 || !room.playing() || !room.board().isPerson(seat)) {
        clocks_.erase(room.code());
        return;
    }
    TurnClock& clock = clocks_[room.code()];
    if (clock.turn != room.turnsBegun() || clock.seat != seat) {
        clock = TurnClock{};
        clock.turn = room.turnsBegun();
        clock.seat = seat;
        clock.began = now;
    }
    // A client that never says it is ready still gets its turn, after the grace.
    if (!clock.deadline && now >= clock.began + options_.turnGrace)
        clock.deadline = clock.began + options_.turnGrace + limit;
    if (!clock.deadline) return;
    if (!clock.warned && limit > options_.clockWarning && now >= *clock.deadline - options_.clockWarning) {
        clock.warned = true;
        // Everyone hears it: the others wait on that turn too.
        Letters out;
        news(room, "clock", seat, out, static_cast<int>(std::lround(options_.clockWarning)));
        post(room, std::move(out));
    }
    if (now < *clock.deadline) return;
    log(room.code(), room.seat(seat).name + "'s turn ran out of time");
    Letters out;
    std::vector<MoveRecord> records;
    room.endTurn(seat, out, records);
    clocks_.erase(room.code());
    if (records.empty()) return;
    metrics_.movesTotal += static_cast<std::int64_t>(records.size());
    if (!room.playing()) log(room.code(), "game over at move " + std::to_string(room.moveCount()));
    postStored(room, std::move(out), std::move(records), -1);
    playForAbsent(room);
}

void Lobby::removeOldRooms(double now) {
    std::vector<std::string> old;
    for (const auto& [code, room] : rooms_) {
        const RoomRecord& record = room->record();
        const double keep =
            record.state == RoomRecord::State::Over ? options_.keepFinished : options_.keepUnfinished;
        if (now - record.touched > keep) old.push_back(code);
    }
    for (const std::string& code : old) removeRoom(code, "removed after a long time untouched");
}

}  // namespace sonarch::server
