// The board message: the whole position, and the map with it when a client
// has yet to hold it.
#include <boost/json/array.hpp>
#include <boost/json/object.hpp>
#include <boost/json/serialize.hpp>

#include <array>

#include "net/playerText.h"
#include "net/protocol.h"
#include "net/serverParts.h"

namespace sonarch::net {

namespace json = boost::json;

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

constexpr std::array<std::string_view, 5> phaseNames{"waiting", "start", "attack", "place", "over"};

json::object zoneObject(const Board& board, int zone, bool withMap) {
    json::object out;
    if (withMap) {
        out["name"] = board.zoneName(zone);
        json::array links;
        for (int k = 1; k <= board.linkCount(zone); ++k) links.push_back(board.links(zone, k));
        out["links"] = std::move(links);
    }
    out["owner"] = board.zoneOwner[at(zone)];
    out["army"] = board.zoneArmy[at(zone)];
    return out;
}

json::object seatObject(const Board& board, int seat, const SeatInfo& info) {
    json::object out;
    // The board empties the name of a seat put out; the room keeps it.
    out["name"] = info.name.empty() ? board.playerName[at(seat)] : info.name;
    out["kind"] = board.isComputer[at(seat)] != 0 ? "computer" : "person";
    out["connected"] = info.connected;
    out["out"] = !board.inGame(seat);
    out["away"] = info.away;
    if (info.open) out["open"] = true;
    out["started"] = board.hasStarted[at(seat)] != 0;
    out["points"] = board.points[at(seat)];
    return out;
}

// The map as the message gives it: names and links, each link a zone of it.
std::shared_ptr<const MapRecord> mapOf(FieldReader& in, const json::array& zones) {
    MapRecord map;
    if (const auto name = in.text("map", "the map's name")) {
        map.mapName = *name;
        if (!serverTextRefusal(map.mapName, mostServerNameCharacters, false).empty())
            in.refuse("The map's name must have 1 to 100 characters and no control character.");
    }
    map.zoneCount = static_cast<int>(zones.size());
    int zone = 0;
    readEach(in, zones, "the zones", [&](FieldReader& entry) {
        ++zone;
        if (const auto name = entry.text("name", "the zone's name")) {
            map.zoneName[at(zone)] = *name;
            if (!serverTextRefusal(*name, mostServerNameCharacters, false).empty())
                entry.refuse("A zone's name must have 1 to 100 characters and no control character.");
        }
        const json::array* links = entry.array("links", "the zone's links", maxLinks);
        if (links == nullptr) return;
        int k = 0;
        for (const json::value& link : *links) {
            if (!link.is_int64() || link.get_int64() < 1 || link.get_int64() > map.zoneCount) {
                entry.refuse("Each link must be the number of a zone of the map.");
                return;
            }
            map.links[at(zone)][at(++k)] = static_cast<int>(link.get_int64());
        }
        map.linkCount[at(zone)] = k;
    });
    if (!in.ok()) return nullptr;
    return std::make_shared<const MapRecord>(std::move(map));
}

void readSeats(FieldReader& in, const json::array& seats, ServerMessage& message) {
    Board& board = message.board;
    board.playerCount = static_cast<int>(seats.size());
    int seat = 0;
    readEach(in, seats, "the seats", [&](FieldReader& entry) {
        ++seat;
        SeatInfo info;
        info.name = entry.text("name", "the seat's name").value_or("");
        if (!serverTextRefusal(info.name, mostServerNameCharacters, false).empty())
            entry.refuse("A seat's name must have 1 to 100 characters and no control character.");
        const auto kind = entry.text("kind", "the seat's kind");
        if (kind && *kind != "person" && *kind != "computer") entry.refuse("A seat is a person or a computer.");
        info.computer = kind == "computer";
        info.connected = entry.flag("connected", "connected").value_or(false);
        info.out = entry.flag("out", "out").value_or(false);
        info.away = entry.flag("away", "away").value_or(false);
        info.open = entry.flag("open", "open", false).value_or(false);
        const bool started = entry.flag("started", "started").value_or(false);
        board.points[at(seat)] = entry.small("points", "the seat's points", 0, mostPoints).value_or(0);
        board.playerName[at(seat)] = info.out ? std::string() : info.name;
        board.isComputer[at(seat)] = info.computer ? 1 : 0;
        board.hasStarted[at(seat)] = started ? 1 : 0;
        message.seats.push_back(std::move(info));
    });
}

void readZones(FieldReader& in, const json::array& zones, Board& board) {
    int zone = 0;
    readEach(in, zones, "the zones", [&](FieldReader& entry) {
        ++zone;
        board.zoneOwner[at(zone)] = entry.small("owner", "the zone's owner", 0, board.playerCount).value_or(0);
        board.zoneArmy[at(zone)] = entry.small("army", "the zone's army", 0, maxArmy).value_or(0);
    });
}

std::optional<Phase> phaseNamed(std::string_view name) {
    for (std::size_t k = 0; k < phaseNames.size(); ++k)
        if (phaseNames[k] == name) return static_cast<Phase>(k);
    return std::nullopt;
}

// The flags of the turn the phase stands for.
void setPhase(Board& board, Phase phase) {
    board.gameOver = phase == Phase::Over;
    board.placingPoints = phase == Phase::Place ? 1 : 0;
    // A computer player claims by not having started; only a person's
    // claim is a flag of the board.
    board.choosingStart = phase == Phase::Start && board.isPerson(board.turnPlayer) ? 1 : 0;
}
}  // namespace

Phase phaseOf(const Board& board, bool started) {
    if (!started) return Phase::Waiting;
    if (board.gameOver) return Phase::Over;
    const int turn = board.turnPlayer;
    // The phase is the move the turn's seat may make, as the rules decide it.
    const bool claims = board.isPlayer(turn) && (board.isPerson(turn) ? board.choosingStart != 0
                                                                       : board.hasStarted[at(turn)] == 0);
    if (claims) return Phase::Start;
    if (board.placingPoints != 0) return Phase::Place;
    return Phase::Attack;
}

std::string_view phaseName(Phase phase) { return phaseNames[static_cast<std::size_t>(phase)]; }

std::string encodeBoard(const Board& board, const std::vector<SeatInfo>& seats, std::int64_t move, bool started,
                        bool withMap) {
    json::object out;
    out["type"] = "board";
    out["move"] = move;
    if (withMap) out["map"] = board.mapName();
    json::array zones;
    for (int zone = 1; zone <= board.zoneCount(); ++zone) zones.push_back(zoneObject(board, zone, withMap));
    out["zones"] = std::move(zones);
    json::array seatList;
    for (int seat = 1; seat <= board.playerCount; ++seat) {
        const std::size_t index = at(seat - 1);
        seatList.push_back(seatObject(board, seat, index < seats.size() ? seats[index] : SeatInfo{}));
    }
    out["seats"] = std::move(seatList);
    out["turn"] = board.turnPlayer;
    out["phase"] = phaseName(phaseOf(board, started));
    out["points"] = board.isPlayer(board.turnPlayer) ? board.points[at(board.turnPlayer)] : 0;
    out["attackFrom"] = board.attackFrom;
    return json::serialize(out);
}

void readBoard(FieldReader& in, const std::shared_ptr<const MapRecord>& knownMap, ServerMessage& message) {
    message.move = in.whole("move", "the move", 0, INT64_MAX).value_or(0);
    const json::array* zones = in.array("zones", "the zones", maxZones);
    const json::array* seats = in.array("seats", "the seats", maxPlayerSlots);
    if (!in.ok()) return;
    if (zones->empty() || seats->empty()) return in.refuse("A board needs zones and seats.");
    std::shared_ptr<const MapRecord> map = knownMap;
    if (in.has("map"))
        map = mapOf(in, *zones);
    else if (!knownMap || knownMap->zoneCount != static_cast<int>(zones->size()))
        return in.refuse("The board came without the map it is played on.");
    if (!in.ok()) return;
    Board& board = message.board;
    board = Board();
    board.map = std::move(map);
    readSeats(in, *seats, message);
    readZones(in, *zones, board);
    board.turnPlayer = in.small("turn", "the turn", 0, board.playerCount).value_or(0);
    const auto phase = in.text("phase", "the phase");
    if (phase && !phaseNamed(*phase)) in.refuse("The phase must be waiting, start, attack, place or over.");
    const int points = in.small("points", "the points", 0, mostPoints).value_or(0);
    board.attackFrom = in.small("attackFrom", "the attacking zone", 0, board.zoneCount()).value_or(0);
    if (!in.ok()) return;
    if (board.isPlayer(board.turnPlayer) && points != board.points[at(board.turnPlayer)])
        return in.refuse("The points of the turn are not the points of its seat.");
    message.phase = *phaseNamed(*phase);
    setPhase(board, message.phase);
    // A phase the turn's seat could not be in (a computer player placing
    // before it has claimed) would leave the board saying two things.
    if (phaseOf(board, message.phase != Phase::Waiting) != message.phase)
        return in.refuse("The phase is not one the seat whose turn it is can be in.");
    // The chains follow from the owners: each is worked out when first asked for.
    for (int seat = 1; seat <= board.playerCount; ++seat) board.chainStale |= 1U << seat;
}

}  // namespace sonarch::net
