// A room record read from the store several server processes share is
// either refused or read whole, and written out again it reads back the same:
// a process taking a room over never trusts what it finds there blindly.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/server/roomJson.h"

using namespace sonarch::server;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto room = roomOfJson(text);
    if (!room) return 0;
    if (room->seats.empty() || room->creator < 1 || room->creator > static_cast<int>(room->seats.size()))
        std::abort();
    const auto again = roomOfJson(roomJson(*room));
    if (!again || roomJson(*again) != roomJson(*room)) std::abort();
    return 0;
}
