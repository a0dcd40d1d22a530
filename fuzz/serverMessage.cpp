// Any bytes a server sends are either refused with a sentence or read to a
// message a client can use without a check of its own: a board whose every
// link, owner, army and turn lies inside it, and events whose moves name
// real zones. A board or a move read so and written again reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/protocol.h"

using namespace sonarch;
using namespace sonarch::net;

namespace {
// The map a client holds when a board comes without one: three zones.
std::shared_ptr<const MapRecord> heldMap() {
    MapRecord map;
    map.mapName = "Held";
    map.zoneCount = 3;
    map.zoneName = {"", "Hill", "Ford", "Moor"};
    map.linkCount[1] = 1;
    map.links[1][1] = 2;
    return std::make_shared<const MapRecord>(map);
}

bool fitsTheTables(const Board& board) {
    const int zones = board.zoneCount(), players = board.playerCount;
    if (zones < 1 || zones > maxZones || players < 1 || players > maxPlayerSlots) return false;
    if (board.turnPlayer < 0 || board.turnPlayer > players || board.attackFrom < 0 || board.attackFrom > zones)
        return false;
    for (int z = 1; z <= zones; ++z) {
        if (board.zoneOwner[z] < 0 || board.zoneOwner[z] > players) return false;
        if (board.zoneArmy[z] < 0 || board.zoneArmy[z] > maxArmy) return false;
        if (board.linkCount(z) < 0 || board.linkCount(z) > maxLinks) return false;
        for (int k = 1; k <= board.linkCount(z); ++k)
            if (board.links(z, k) < 1 || board.links(z, k) > zones) return false;
    }
    return true;
}

bool sameOutcomes(const Outcomes& a, const Outcomes& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].kind != b[k].kind || a[k].player != b[k].player || a[k].zone != b[k].zone || a[k].from != b[k].from ||
            a[k].defender != b[k].defender || a[k].roll1 != b[k].roll1 || a[k].roll2 != b[k].roll2 ||
            a[k].army != b[k].army || a[k].points != b[k].points || a[k].name != b[k].name)
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const MapRecord> held = heldMap();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ServerParse parsed = parseServerMessage(text, held);
    if (!parsed.message) {
        if (parsed.error.empty()) std::abort();
        return 0;
    }
    const ServerMessage& message = *parsed.message;
    if (message.version != protocolVersion) return 0;
    if (message.type == ServerMessage::Type::Board) {
        if (!fitsTheTables(message.board)) std::abort();
        const std::string again = encodeBoard(message.board, message.seats, message.move,
                                              message.phase != Phase::Waiting, true);
        const ServerParse back = parseServerMessage(again, nullptr);
        // A board read in its waiting phase keeps no flags of a turn, so
        // only the others must come back whole.
        if (!back.message) std::abort();
        if (message.phase != Phase::Waiting && !(back.message->board == message.board)) std::abort();
    }
    if (message.type == ServerMessage::Type::Events) {
        const Played& played = message.played;
        for (const Outcome& outcome : played.outcomes)
            if (outcome.zone < 0 || outcome.zone > maxZones || outcome.from < 0 || outcome.from > maxZones)
                std::abort();
        const ServerParse back = parseServerMessage(encodeEvents(message.move, played), nullptr);
        if (!back.message || !sameOutcomes(back.message->played.outcomes, played.outcomes) ||
            !(back.message->played.move == played.move) || back.message->played.placed != played.placed)
            std::abort();
    }
    return 0;
}
