// Moves, the turn clock's start, and chat.
#include "host/server/Lobby.h"
#include "rules/moves.h"
#include "wording/playWords.h"

namespace sonarch::server {

namespace {
// A person who stays away for a whole game has every turn played for them;
// the bound only keeps a rule gone wrong from holding the server.
constexpr int mostAbsentTurns = 100000;
}  // namespace

void Lobby::move(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    const double receivedAt = secondsNow();
    const auto found = rooms_.find(client.room);
    if (found == rooms_.end() || client.seat == 0) return refuse(connection, "You hold no seat in a room.");
    Room& room = *found->second;
    if (!room.playing()) return refuseMove(connection, Refusal::NotYourTurn, "No game is being played in this room.");
    // The count of moves the client had seen: a move sent again after a
    // lost connection, or made on an old board, is never played twice.
    if (message.move && *message.move != room.moveCount())
        return refuseMove(connection, Refusal::None,
                          "That move was made on an older board: " + std::to_string(room.moveCount()) +
                              " moves have been played.");
    const Move asked = net::moveOf(message);
    const Refusal why = moveRefusal(room.board(), client.seat, asked);
    if (why != Refusal::None)
        return refuseMove(connection, why, ClassicPlayWords().refusal(room.board(), why, asked.from, asked.zone));
    Letters out;
    std::vector<MoveRecord> records;
    room.play(client.seat, asked, out, records);
    ++metrics_.movesTotal;
    if (!room.playing()) log(room.code(), "game over at move " + std::to_string(room.moveCount()));
    postStored(room, std::move(out), std::move(records), receivedAt);
    playForAbsent(room);
}

void Lobby::playForAbsent(Room& room) {
    for (int turn = 0; turn < mostAbsentTurns && room.playing(); ++turn) {
        const int seat = room.board().turnPlayer;
        if (!room.board().isPerson(seat)) return;
        const SeatRecord& held = room.seat(seat);
        if (!held.left && !room.presence(seat).away) return;
        Letters out;
        std::vector<MoveRecord> records;
        room.standIn(seat, out, records);
        if (records.empty()) return;
        metrics_.movesTotal += static_cast<std::int64_t>(records.size());
        if (!room.playing()) log(room.code(), "game over at move " + std::to_string(room.moveCount()));
        postStored(room, std::move(out), std::move(records), -1);
    }
}

void Lobby::ready(Client& client, const net::ClientMessage& message) {
    const auto found = rooms_.find(client.room);
    if (found == rooms_.end() || client.seat == 0) return;
    Room& room = *found->second;
    if (!room.playing() || room.board().turnPlayer != client.seat || message.move != room.moveCount()) return;
    TurnClock& clock = clocks_[room.code()];
    if (clock.turn != room.turnsBegun() || clock.seat != client.seat) {
        clock = TurnClock{};
        clock.turn = room.turnsBegun();
        clock.seat = client.seat;
        clock.began = secondsNow();
    }
    const double limit = turnLimit(room);
    if (!clock.deadline && limit > 0) clock.deadline = secondsNow() + limit;
}

void Lobby::chat(ConnectionId connection, Client& client, const net::ClientMessage& message) {
    const auto found = rooms_.find(client.room);
    if (found == rooms_.end() || client.seat == 0) return refuse(connection, "Only the players of a room chat.");
    Room& room = *found->second;
    if (message.text.empty() || message.text.size() > net::maxChatLength)
        return refuse(connection, "A chat line holds 1 to " + std::to_string(net::maxChatLength) + " characters.");
    auto& times = room.presence(client.seat).chatTimes;
    const double now = secondsNow();
    while (!times.empty() && times.front() <= now - options_.chatWindow) times.pop_front();
    if (static_cast<int>(times.size()) >= options_.chatLines)
        return refuse(connection, "You are chatting too fast; wait a few seconds.");
    times.push_back(now);
    Letters out;
    room.toEveryone(std::make_shared<const std::string>(
                        net::encodeChat(client.seat, room.seat(client.seat).name, message.text)),
                    false, out);
    post(room, std::move(out));
}

}  // namespace sonarch::server
