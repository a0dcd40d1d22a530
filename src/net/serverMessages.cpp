// The server's messages but the board and the events: written for the
// server, read back by the clients with the same care the server takes.
#include <boost/json/array.hpp>
#include <boost/json/object.hpp>
#include <boost/json/serialize.hpp>

#include <array>

#include "net/playerText.h"
#include "net/protocol.h"
#include "net/serverParts.h"

namespace sonarch::net {

namespace json = boost::json;
using Type = ServerMessage::Type;

namespace {
constexpr std::array<std::pair<std::string_view, Type>, 9> typeNames{{
    {"joined", Type::Joined},
    {"board", Type::Board},
    {"events", Type::Events},
    {"refused", Type::Refused},
    {"error", Type::Error},
    {"rooms", Type::Rooms},
    {"chat", Type::Chat},
    {"news", Type::News},
    {"pong", Type::Pong},
}};

constexpr std::array<std::pair<Refusal, std::string_view>, 12> refusalCodes{{
    {Refusal::None, "none"},
    {Refusal::ZoneOwned, "zoneOwned"},
    {Refusal::NotYours, "notYours"},
    {Refusal::ArmyFull, "armyFull"},
    {Refusal::NoPointsLeft, "noPointsLeft"},
    {Refusal::TooWeak, "tooWeak"},
    {Refusal::NoAttacker, "noAttacker"},
    {Refusal::OutOfReach, "outOfReach"},
    {Refusal::NotYourTurn, "notYourTurn"},
    {Refusal::WrongPhase, "wrongPhase"},
    {Refusal::OwnZone, "ownZone"},
    {Refusal::NoSuchZone, "noSuchZone"},
}};

constexpr std::array<std::string_view, 7> newsKinds{"lost", "back", "away", "joined", "left", "clock", "started"};

// A sentence the server gives for a refusal or an error.
constexpr std::size_t mostReasonCharacters = 500;
// The most rooms one list gives.
constexpr std::size_t mostRooms = 1000;
// The longest turn clock the news can tell: a day.
constexpr int mostClockSeconds = 86400;

std::string serialized(json::object out) { return json::serialize(out); }

json::object typed(std::string_view type) { return json::object{{"type", type}}; }

void readServerName(FieldReader& in, std::string_view key, std::string_view what, std::string& name) {
    if (const auto text = in.text(key, what)) {
        name = *text;
        if (!serverTextRefusal(name, mostServerNameCharacters, false).empty())
            in.refuse(capitalized(what) + " must have 1 to 100 characters and no control character.");
    }
}

void readRoomCode(FieldReader& in, std::string& room) {
    if (const auto code = in.text("room", "the room code")) {
        if (!isRoomCode(*code)) in.refuse("A room code is four of the letters H, K, L, O, Q, R, W, X, Y and Z.");
        room = *code;
    }
}

void readReason(FieldReader& in, std::string& reason) {
    if (const auto text = in.text("reason", "the reason")) {
        reason = *text;
        if (!serverTextRefusal(reason, mostReasonCharacters, false).empty())
            in.refuse("A reason must have 1 to 500 characters and no control character.");
    }
}

void readJoined(FieldReader& in, ServerMessage& message) {
    readRoomCode(in, message.room);
    message.seat = in.small("seat", "the seat", 0, mostPlayers).value_or(0);
    // A watcher has no seat to come back to.
    if (!in.ok() || message.seat == 0) return;
    if (const auto token = in.text("token", "the token")) {
        if (!isToken(*token)) in.refuse("A token is 32 lowercase hexadecimal digits.");
        message.token = *token;
    }
}

void readRefused(FieldReader& in, ServerMessage& message) {
    readReason(in, message.reason);
    const auto code = in.text("code", "the refusal's code");
    if (!code) return;
    for (const auto& [refusal, name] : refusalCodes)
        if (name == *code) {
            message.refusal = refusal;
            return;
        }
    in.refuse("That is not a refusal the game knows.");
}

void readRooms(FieldReader& in, ServerMessage& message) {
    const json::array* rooms = in.array("rooms", "the rooms", mostRooms);
    if (rooms == nullptr) return;
    readEach(in, *rooms, "the rooms", [&](FieldReader& entry) {
        RoomListing room;
        readRoomCode(entry, room.room);
        readServerName(entry, "creator", "the creator's name", room.creator);
        readServerName(entry, "map", "the map's name", room.map);
        room.seatsOpen = entry.small("seatsOpen", "the seats open", 0, mostPlayers).value_or(0);
        room.people = entry.small("people", "the number of people", 1, mostPeople).value_or(0);
        room.computers = entry.small("computers", "the number of computer players", 0, mostPlayers - 1).value_or(0);
        message.rooms.push_back(std::move(room));
    });
}

void readChat(FieldReader& in, ServerMessage& message) {
    message.seat = in.small("seat", "the seat", 0, maxPlayerSlots).value_or(0);
    readServerName(in, "name", "the name", message.name);
    if (const auto text = in.text("text", "the chat line")) {
        message.text = *text;
        if (const std::string why = chatRefusal(message.text); !why.empty()) in.refuse(why);
    }
}

void readNews(FieldReader& in, ServerMessage& message) {
    if (const auto news = in.text("news", "the news")) {
        message.text = *news;
        bool known = false;
        for (const std::string_view kind : newsKinds) known = known || kind == *news;
        if (!known) in.refuse("That is not news the game knows.");
    }
    message.seat = in.small("seat", "the seat", 0, maxPlayerSlots).value_or(0);
    readServerName(in, "name", "the name", message.name);
    message.seconds = in.small("seconds", "the seconds", 0, mostClockSeconds, false).value_or(0);
}
}  // namespace

std::string encodeJoined(std::string_view room, int seat, std::string_view token) {
    json::object out = typed("joined");
    out["room"] = room;
    out["seat"] = seat;
    if (seat != 0) out["token"] = token;
    return serialized(std::move(out));
}

std::string encodeRefused(Refusal refusal, std::string_view sentence) {
    json::object out = typed("refused");
    out["reason"] = sentence;
    for (const auto& [known, name] : refusalCodes)
        if (known == refusal) out["code"] = name;
    return serialized(std::move(out));
}

std::string encodeError(std::string_view reason) {
    json::object out = typed("error");
    out["reason"] = reason;
    return serialized(std::move(out));
}

std::string encodeRooms(const std::vector<RoomListing>& rooms) {
    json::array list;
    for (const RoomListing& room : rooms)
        list.push_back(json::object{{"room", room.room},
                                    {"creator", room.creator},
                                    {"map", room.map},
                                    {"seatsOpen", room.seatsOpen},
                                    {"people", room.people},
                                    {"computers", room.computers}});
    json::object out = typed("rooms");
    out["rooms"] = std::move(list);
    return serialized(std::move(out));
}

std::string encodeChat(int seat, std::string_view name, std::string_view text) {
    json::object out = typed("chat");
    out["seat"] = seat;
    out["name"] = name;
    out["text"] = text;
    return serialized(std::move(out));
}

std::string encodeNews(std::string_view news, int seat, std::string_view name, int seconds) {
    json::object out = typed("news");
    out["news"] = news;
    out["seat"] = seat;
    out["name"] = name;
    if (news == "clock") out["seconds"] = seconds;
    return serialized(std::move(out));
}

std::string encodePong() { return serialized(typed("pong")); }

ServerParse parseServerMessage(std::string_view text, const std::shared_ptr<const MapRecord>& knownMap) {
    ParsedObject parsed = parseObject(text, maxServerMessageBytes);
    if (!parsed.reason.empty()) return {std::nullopt, parsed.reason};
    FieldReader in(parsed.value.get_object());
    ServerMessage message;
    message.version = in.small("version", "the version", 1, INT32_MAX, false).value_or(protocolVersion);
    if (!in.ok()) return {std::nullopt, in.reason()};
    const auto typeName = in.text("type", "the type");
    if (!typeName) return {std::nullopt, "A message must say its type."};
    std::optional<Type> type;
    for (const auto& [name, known] : typeNames)
        if (name == *typeName) type = known;
    if (message.version != protocolVersion) {
        message.type = type.value_or(Type::Pong);
        return {std::move(message), {}};
    }
    if (!type) return {std::nullopt, "That is not a message the game knows."};
    message.type = *type;
    switch (message.type) {
    case Type::Joined: readJoined(in, message); break;
    case Type::Board: readBoard(in, knownMap, message); break;
    case Type::Events: readEvents(in, message); break;
    case Type::Refused: readRefused(in, message); break;
    case Type::Error: readReason(in, message.reason); break;
    case Type::Rooms: readRooms(in, message); break;
    case Type::Chat: readChat(in, message); break;
    case Type::News: readNews(in, message); break;
    case Type::Pong: break;
    }
    if (!in.ok()) return {std::nullopt, in.reason()};
    return {std::move(message), {}};
}

}  // namespace sonarch::net
