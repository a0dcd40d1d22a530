// A client's messages: read and checked for the server, written for the
// clients.
#include <boost/json/object.hpp>
#include <boost/json/serialize.hpp>

#include <array>
#include <utility>

#include "net/jsonReader.h"
#include "net/playerText.h"
#include "net/protocol.h"

namespace sonarch::net {

namespace json = boost::json;
using Type = ClientMessage::Type;

namespace {
constexpr std::array<std::pair<std::string_view, Type>, 14> typeNames{{
    {"create", Type::Create},
    {"join", Type::Join},
    {"rejoin", Type::Rejoin},
    {"watch", Type::Watch},
    {"leave", Type::Leave},
    {"start", Type::Start},
    {"claim", Type::Claim},
    {"attack", Type::Attack},
    {"place", Type::Place},
    {"end", Type::End},
    {"ready", Type::Ready},
    {"chat", Type::Chat},
    {"list", Type::List},
    {"ping", Type::Ping},
}};

std::optional<Type> typeNamed(std::string_view name) {
    for (const auto& [typeName, type] : typeNames)
        if (typeName == name) return type;
    return std::nullopt;
}

std::string_view nameOf(Type type) {
    for (const auto& [typeName, known] : typeNames)
        if (known == type) return typeName;
    return "ping";
}

constexpr std::int64_t mostMoves = INT64_MAX;
constexpr std::string_view mapNameTooLong = "A map's name must have 1 to 100 characters and no control character.";

void readName(FieldReader& in, ClientMessage& message) {
    const auto name = in.text("name", "the name");
    if (!name) return;
    message.name = std::string(trimmedOfSpaces(*name));
    if (const std::string why = nameRefusal(message.name); !why.empty()) in.refuse(why);
}

void readRoom(FieldReader& in, ClientMessage& message) {
    const auto room = in.text("room", "the room code");
    if (!room) return;
    const auto code = roomCodeTyped(*room);
    if (!code)
        in.refuse("A room code is four of the letters H, K, L, O, Q, R, W, X, Y and Z.");
    else
        message.room = *code;
}

void readCreate(FieldReader& in, ClientMessage& message) {
    readName(in, message);
    if (const auto map = in.text("map", "the map")) {
        message.map = *map;
        if (!serverTextRefusal(message.map, 100, false).empty()) in.refuse(std::string(mapNameTooLong));
    }
    message.people = in.small("people", "the number of people", 1, mostPeople).value_or(1);
    message.computers = in.small("computers", "the number of computer players", 0, mostPlayers - 1).value_or(0);
    if (in.ok() && message.people + message.computers < 2) in.refuse("A game needs at least two players.");
    if (in.ok() && message.people + message.computers > mostPlayers) in.refuse("A game holds at most 8 players.");
    if (const auto strength = in.text("strength", "the strength", false)) {
        if (const auto named = strengthNamed(*strength))
            message.strength = *named;
        else
            in.refuse("The strength must be standard, gentle or strong.");
    }
    message.isPublic = in.flag("public", "public", false).value_or(false);
    message.turnLimit = in.small("turnLimit", "the turn limit", 0, 300, false).value_or(0);
    if (message.turnLimit != 0 && message.turnLimit != 60 && message.turnLimit != 120 && message.turnLimit != 300)
        in.refuse("The turn limit must be 0, 60, 120 or 300 seconds.");
}

void readFields(FieldReader& in, ClientMessage& message) {
    const auto seenMoves = [&](bool required) { message.move = in.whole("move", "the move", 0, mostMoves, required); };
    const auto zone = [&](std::string_view key, std::string_view what) {
        return in.small(key, what, 1, maxZones).value_or(0);
    };
    switch (message.type) {
    case Type::Create: readCreate(in, message); break;
    case Type::Join:
        readRoom(in, message);
        readName(in, message);
        break;
    case Type::Rejoin:
        readRoom(in, message);
        if (const auto token = in.text("token", "the token")) {
            if (!isToken(*token)) in.refuse("A token is 32 lowercase hexadecimal digits.");
            message.token = *token;
        }
        seenMoves(true);
        break;
    case Type::Watch: readRoom(in, message); break;
    case Type::Claim:
    case Type::Place:
        message.zone = zone("zone", "the zone");
        seenMoves(false);
        break;
    case Type::Attack:
        message.from = zone("from", "the attacking zone");
        message.to = zone("to", "the zone attacked");
        seenMoves(false);
        break;
    case Type::End: seenMoves(false); break;
    case Type::Ready: seenMoves(true); break;
    case Type::Chat:
        if (const auto text = in.text("text", "the chat line")) {
            message.text = std::string(trimmedOfSpaces(*text));
            if (const std::string why = chatRefusal(message.text); !why.empty()) in.refuse(why);
        }
        break;
    case Type::Leave:
    case Type::Start:
    case Type::List:
    case Type::Ping: break;
    }
}
}  // namespace

ClientParse parseClientMessage(std::string_view text) {
    ParsedObject parsed = parseObject(text, maxClientMessageBytes);
    if (!parsed.reason.empty()) return {std::nullopt, parsed.reason};
    FieldReader in(parsed.value.get_object());
    ClientMessage message;
    message.version = in.small("version", "the version", 1, INT32_MAX, false).value_or(protocolVersion);
    if (!in.ok()) return {std::nullopt, in.reason()};
    const auto typeName = in.text("type", "the type");
    if (!typeName) return {std::nullopt, "A message must say its type."};
    const auto type = typeNamed(*typeName);
    if (message.version != protocolVersion) {
        message.type = type.value_or(Type::Ping);
        return {message, {}};
    }
    if (!type) return {std::nullopt, "That is not a message the game knows."};
    message.type = *type;
    readFields(in, message);
    if (!in.ok()) return {std::nullopt, in.reason()};
    return {std::move(message), {}};
}

std::string encodeClientMessage(const ClientMessage& message) {
    json::object out;
    out["type"] = nameOf(message.type);
    if (message.version != protocolVersion) out["version"] = message.version;
    switch (message.type) {
    case Type::Create:
        out["name"] = message.name;
        out["map"] = message.map;
        out["people"] = message.people;
        out["computers"] = message.computers;
        out["strength"] = strengthName(message.strength);
        out["public"] = message.isPublic;
        out["turnLimit"] = message.turnLimit;
        break;
    case Type::Join:
        out["room"] = message.room;
        out["name"] = message.name;
        break;
    case Type::Rejoin:
        out["room"] = message.room;
        out["token"] = message.token;
        break;
    case Type::Watch: out["room"] = message.room; break;
    case Type::Claim:
    case Type::Place: out["zone"] = message.zone; break;
    case Type::Attack:
        out["from"] = message.from;
        out["to"] = message.to;
        break;
    case Type::Chat: out["text"] = message.text; break;
    case Type::End:
    case Type::Ready:
    case Type::Leave:
    case Type::Start:
    case Type::List:
    case Type::Ping: break;
    }
    if (message.move) out["move"] = *message.move;
    return json::serialize(out);
}

bool asksForMove(const ClientMessage& message) {
    return message.type == Type::Claim || message.type == Type::Attack || message.type == Type::Place ||
           message.type == Type::End;
}

Move moveOf(const ClientMessage& message) {
    switch (message.type) {
    case Type::Claim: return Move::claim(message.zone);
    case Type::Attack: return Move::attack(message.from, message.to);
    case Type::Place: return Move::place(message.zone);
    default: return Move::endPhase();
    }
}

ClientMessage messageOf(const Move& move) {
    ClientMessage message;
    switch (move.kind) {
    case Move::Kind::Claim:
        message.type = Type::Claim;
        message.zone = move.zone;
        break;
    case Move::Kind::Attack:
        message.type = Type::Attack;
        message.from = move.from;
        message.to = move.zone;
        break;
    case Move::Kind::Place:
        message.type = Type::Place;
        message.zone = move.zone;
        break;
    case Move::Kind::EndPhase: message.type = Type::End; break;
    }
    return message;
}

}  // namespace sonarch::net
