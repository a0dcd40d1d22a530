// A room record as one JSON text, the form the shared store keeps it in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/server/roomRecord.h"

namespace sonarch::server {

std::string roomJson(const RoomRecord& room);
// Nothing when the text is not a room record this server can use.
std::optional<RoomRecord> roomOfJson(std::string_view text);

}  // namespace sonarch::server
