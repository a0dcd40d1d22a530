// Any bytes a client sends are either refused with a sentence or read to a
// message whose every field lies in its range; such a message written out
// again reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/protocol.h"

using namespace sonarch;
using namespace sonarch::net;

namespace {
bool inRange(const ClientMessage& m) {
    if (m.zone < 0 || m.zone > maxZones || m.from < 0 || m.from > maxZones || m.to < 0 || m.to > maxZones) return false;
    if (m.move && *m.move < 0) return false;
    if (!m.room.empty() && !isRoomCode(m.room)) return false;
    if (m.name.size() > 4 * maxNameLength || m.text.size() > 4 * maxChatLength) return false;
    if (m.name.find_first_of(",\"") != std::string::npos) return false;
    for (const char c : m.name + m.text)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return m.people >= 1 && m.people <= mostPeople && m.computers >= 0 && m.people + m.computers <= mostPlayers;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ClientParse parsed = parseClientMessage(text);
    if (!parsed.message) {
        if (parsed.error.empty()) std::abort();
        return 0;
    }
    const ClientMessage& message = *parsed.message;
    if (message.version != protocolVersion) return 0;
    if (!inRange(message)) std::abort();
    const ClientParse again = parseClientMessage(encodeClientMessage(message));
    if (!again.message) std::abort();
    const ClientMessage& back = *again.message;
    if (back.type != message.type || back.name != message.name || back.room != message.room ||
        back.token != message.token || back.text != message.text || back.move != message.move ||
        back.zone != message.zone || back.from != message.from || back.to != message.to ||
        back.people != message.people || back.computers != message.computers || back.map != message.map)
        std::abort();
    if (asksForMove(message) && !(moveOf(messageOf(moveOf(message))) == moveOf(message))) std::abort();
    return 0;
}
