// The online game's messages: JSON objects, one to a WebSocket text frame,
// as docs/PROTOCOL.md describes them for anyone writing a client or a bot.
// This file turns them into values and back, and checks every message it
// reads before anything else sees it: size, form, known type, and fields of
// the right kind and range. It neither waits nor holds a connection; the
// server and the clients carry the text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/moves.h"
#include "rules/strength.h"
#include "table/Table.h"

namespace sonarch::net {

constexpr int protocolVersion = 1;
// The most a message may hold, either way but the boards: a client's message
// beyond it is refused unread.
constexpr std::size_t maxClientMessageBytes = 4096;
// A board of a hundred named zones stays far below it; a client refuses
// anything from a server beyond it unread.
constexpr std::size_t maxServerMessageBytes = 1024 * 1024;
constexpr std::size_t maxNameLength = 20;
constexpr std::size_t maxChatLength = 200;
// The room codes' letters: one from each set that rhymes when said (A, J
// and K; B, D, P, T, Z and their like; F, S and X; I and Y; Q and U), none
// of M and N, which are heard alike, and the letters that rhyme with none,
// so that a code heard is typed right.
constexpr std::string_view codeLetters = "HKLOQRWXYZ";
constexpr int codeLength = 4;

// ---- client to server -------------------------------------------------

struct ClientMessage {
    enum class Type {
        Create,  // name, map, people, computers, strength, isPublic, turnLimit
        Join,    // room, name
        Rejoin,  // room, token, move (the last move this client was told of)
        Watch,   // room
        Leave,   // leave the room for good (a seat still in play becomes a computer player's)
        Start,   // the room's creator starts the game (or a rematch after one)
        Claim,   // zone, move?
        Attack,  // from, to, move?
        Place,   // zone, move? (one point)
        End,     // move? (what the end-of-phase key does)
        Ready,   // move: this client has told everything up to move (starts a turn clock)
        Chat,    // text
        List,    // the public rooms waiting for people
        Ping,    // keep-alive, answered by pong
    };
    Type type = Type::Ping;
    int version = protocolVersion;
    std::string name{};
    std::string map{};
    std::string room{};
    std::string token{};
    std::string text{};
    int people = 1;
    int computers = 0;
    Strength strength = Strength::Standard;
    bool isPublic = false;
    int turnLimit = 0;  // seconds a turn may take: 0, 60, 120 or 300
    int zone = 0;
    int from = 0;
    int to = 0;
    // Claim, attack, place and end: the moves the client has seen. Rejoin
    // and ready: the last move it was told of.
    std::optional<std::int64_t> move{};
};

// A message read, or why it was not: a sentence the sender may be shown.
// A message of another version than protocolVersion is read no further
// than its type (Ping when the type is one this version does not know), so
// that the caller can answer with the version it speaks.
struct ClientParse {
    std::optional<ClientMessage> message;
    std::string error;
};

// Checks and reads one message from a client. Never throws.
ClientParse parseClientMessage(std::string_view text);
std::string encodeClientMessage(const ClientMessage& message);
// Whether the message is a claim, attack, place or end.
bool asksForMove(const ClientMessage& message);
// The move a claim, attack, place or end message asks for (any other
// message gives Move::endPhase(): ask asksForMove first).
Move moveOf(const ClientMessage& message);
// The message that asks for a move (the seen count left out).
ClientMessage messageOf(const Move& move);

// ---- server to client -------------------------------------------------

struct SeatInfo {
    std::string name{};  // kept after the seat is out
    bool computer = false;
    bool connected = false;  // a person's client is connected now
    bool out = false;
    bool away = false;  // a computer player stands in for the person
    bool open = false;  // before the game: a person's seat nobody has taken yet
};

enum class Phase { Waiting, Start, Attack, Place, Over };
Phase phaseOf(const Board& board, bool started);
std::string_view phaseName(Phase phase);

// The whole position. `withMap` adds every zone's name and links and the
// map's name: the first board a client receives after joining has them.
// `seats` (one a seat, in order) give what the board does not hold: who is
// connected or away, and the names of seats put out, which the board has
// emptied; whether a seat is out, a person's or a computer player's, has
// started and holds points, the board says.
std::string encodeBoard(const Board& board, const std::vector<SeatInfo>& seats, std::int64_t move, bool started,
                        bool withMap);
// What the move numbered `move` did.
std::string encodeEvents(std::int64_t move, const Played& played);
std::string encodeJoined(std::string_view room, int seat, std::string_view token);
std::string encodeRefused(Refusal refusal, std::string_view sentence);
std::string encodeError(std::string_view reason);
struct RoomListing {
    std::string room{};
    std::string creator{};
    std::string map{};
    int seatsOpen = 0;
    int people = 0;
    int computers = 0;
};
std::string encodeRooms(const std::vector<RoomListing>& rooms);
std::string encodeChat(int seat, std::string_view name, std::string_view text);
// News of a seat: "joined", "lost" (the connection), "back", "away" (a
// computer player stands in), "left"; and "clock" with seconds left.
std::string encodeNews(std::string_view news, int seat, std::string_view name, int seconds = 0);
std::string encodePong();

struct ServerMessage {
    enum class Type { Joined, Board, Events, Refused, Error, Rooms, Chat, News, Pong };
    Type type = Type::Pong;
    int version = protocolVersion;
    std::string room{};
    int seat = 0;
    std::string token{};
    std::int64_t move = 0;
    // Board: the position with the map (the message's own, or the one the
    // client already holds when the message leaves it out); the board's
    // humanPlayer is left 0 for the client to set.
    Board board;
    std::vector<SeatInfo> seats{};
    Phase phase = Phase::Waiting;
    // Events: the move as the table played it, its board left empty (the
    // board that follows is the board after it).
    Played played;
    Refusal refusal = Refusal::None;
    std::string reason{};  // refused, error: the sentence
    std::vector<RoomListing> rooms{};
    std::string name{};  // chat, news
    std::string text{};  // chat: the line; news: what happened
    int seconds = 0;   // news "clock"
};

struct ServerParse {
    std::optional<ServerMessage> message;
    std::string error;
};
// Reads one message from the server. A board without its map takes
// `knownMap`; one with neither is an error. A message of another version is
// read no further than its type (Pong when this version does not know it).
// Never throws.
ServerParse parseServerMessage(std::string_view text, const std::shared_ptr<const MapRecord>& knownMap);

// Room codes: four of codeLetters.
bool isRoomCode(std::string_view code);
// "K, Q, X, W.": a code as it is said.
std::string spokenCode(std::string_view code);

}  // namespace sonarch::net
