#include "host/server/roomJson.h"

#include <boost/json.hpp>
#include <cmath>

namespace sonarch::server {

namespace json = boost::json;

namespace {
// Seeds are 64 bits, beyond what JSON's numbers keep exactly: they go as text.
std::string bits(std::uint64_t value) { return std::to_string(value); }

std::int64_t number(const json::object& object, std::string_view key) {
    const json::value* found = object.if_contains(key);
    if (found == nullptr || !found->is_int64()) throw std::invalid_argument("missing number");
    return found->as_int64();
}
std::string text(const json::object& object, std::string_view key) {
    const json::value* found = object.if_contains(key);
    if (found == nullptr || !found->is_string()) throw std::invalid_argument("missing text");
    return std::string(found->as_string());
}
}  // namespace

std::string roomJson(const RoomRecord& room) {
    json::array seats;
    for (const SeatRecord& seat : room.seats)
        seats.push_back(json::object{{"seat", seat.seat},
                                     {"kind", static_cast<int>(seat.kind)},
                                     {"name", seat.name},
                                     {"token", seat.token},
                                     {"left", seat.left ? 1 : 0}});
    const json::object object{{"code", room.code},
                              {"map", room.mapText},
                              {"seed", bits(room.seed)},
                              {"standInSeed", bits(room.standInSeed)},
                              {"people", room.people},
                              {"computers", room.computers},
                              {"strength", room.strength},
                              {"public", room.isPublic ? 1 : 0},
                              {"turnLimit", room.turnLimit},
                              {"creator", room.creator},
                              {"state", static_cast<int>(room.state)},
                              {"createdMs", static_cast<std::int64_t>(std::llround(room.created * 1000))},
                              {"touchedMs", static_cast<std::int64_t>(std::llround(room.touched * 1000))},
                              {"seats", std::move(seats)}};
    return json::serialize(object);
}

std::optional<RoomRecord> roomOfJson(std::string_view textOfRoom) {
    try {
        const json::value parsed = json::parse(textOfRoom);
        const json::object& object = parsed.as_object();
        RoomRecord room;
        room.code = text(object, "code");
        room.mapText = text(object, "map");
        room.seed = std::stoull(text(object, "seed"));
        room.standInSeed = std::stoull(text(object, "standInSeed"));
        room.people = static_cast<int>(number(object, "people"));
        room.computers = static_cast<int>(number(object, "computers"));
        room.strength = static_cast<int>(number(object, "strength"));
        room.isPublic = number(object, "public") != 0;
        room.turnLimit = static_cast<int>(number(object, "turnLimit"));
        room.creator = static_cast<int>(number(object, "creator"));
        const auto state = number(object, "state");
        if (state < 0 || state > 2) return std::nullopt;
        room.state = static_cast<RoomRecord::State>(state);
        room.created = static_cast<double>(number(object, "createdMs")) / 1000.0;
        room.touched = static_cast<double>(number(object, "touchedMs")) / 1000.0;
        for (const json::value& item : object.at("seats").as_array()) {
            const json::object& seat = item.as_object();
            const auto kind = number(seat, "kind");
            if (kind < 0 || kind > 2) return std::nullopt;
            room.seats.push_back({.seat = static_cast<int>(number(seat, "seat")),
                                  .kind = static_cast<SeatRecord::Kind>(kind),
                                  .name = text(seat, "name"),
                                  .token = text(seat, "token"),
                                  .left = number(seat, "left") != 0});
        }
        if (room.seats.empty() || room.creator < 1 || room.creator > static_cast<int>(room.seats.size()))
            return std::nullopt;
        return room;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace sonarch::server
