#include "host/server/Metrics.h"

#include <cstdio>

namespace sonarch::server {

namespace {
std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}
}  // namespace

void Metrics::moveTook(double seconds) {
    for (std::size_t b = 0; b < bounds.size(); ++b)
        if (seconds <= bounds[b]) ++moveBuckets[b];
    ++moveCount;
    moveSum += seconds;
}

std::string Metrics::text() const {
    std::string out;
    auto gauge = [&](const char* name, const char* help, const char* type, std::int64_t value) {
        out += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n" + name + " " +
               std::to_string(value) + "\n";
    };
    gauge("sonarch_rooms", "Rooms the server holds.", "gauge", rooms);
    gauge("sonarch_connections", "Connections open now.", "gauge", connections);
    gauge("sonarch_moves_total", "Moves accepted from seats.", "counter", movesTotal);
    gauge("sonarch_refused_messages_total", "Messages refused or answered with an error.", "counter",
          refusedMessagesTotal);
    if (roomsHeld) {
        gauge("sonarch_rooms_taken_over_total", "Rooms taken over from processes that were gone.", "counter",
              roomsTakenOverTotal);
        out += "# HELP sonarch_room_held A room this process holds.\n# TYPE sonarch_room_held gauge\n";
        for (const std::string& code : roomsHeld()) out += "sonarch_room_held{room=\"" + code + "\"} 1\n";
    }
    out += "# HELP sonarch_move_seconds Time from a move received to its events sent.\n"
           "# TYPE sonarch_move_seconds histogram\n";
    for (std::size_t b = 0; b < bounds.size(); ++b)
        out += "sonarch_move_seconds_bucket{le=\"" + number(bounds[b]) + "\"} " + std::to_string(moveBuckets[b]) +
               "\n";
    out += "sonarch_move_seconds_bucket{le=\"+Inf\"} " + std::to_string(moveCount) + "\n";
    out += "sonarch_move_seconds_sum " + number(moveSum) + "\n";
    out += "sonarch_move_seconds_count " + std::to_string(moveCount) + "\n";
    return out;
}

}  // namespace sonarch::server
