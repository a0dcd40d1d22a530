// What a run counts: the round trips of the bots' moves, the moves, the
// games, and what went wrong, shared by every bot of the run.
#pragma once

#include <cstdint>
#include <vector>

namespace sonarch::load {

struct LoadFigures {
    // Milliseconds from a move sent to its events received, while measuring.
    std::vector<double> roundTripsMs;
    bool measuring = false;
    std::int64_t personMoves = 0;    // the bots' moves played, while measuring
    std::int64_t numberedMoves = 0;  // every move the rooms numbered (computer steps too), while measuring
    std::int64_t gamesOver = 0;      // while measuring
    std::int64_t refusals = 0;
    std::int64_t errors = 0;  // "error" messages and messages the codec could not read
    std::int64_t unreadable = 0;
    std::int64_t connectionsLost = 0;
    // After a server process was killed: milliseconds from a bot's lost
    // connection to the next move its room accepted, and the moves told
    // to a bot that its room no longer had when it came back.
    std::vector<double> recoveriesMs;
    std::int64_t movesLost = 0;
    int roomsPlaying = 0;  // rooms whose first game has begun
    int watchersJoined = 0;
    int watchersOpen = 0;
};

// The value below which the share `fraction` of the values lie (nearest rank).
double percentile(std::vector<double> values, double fraction);

}  // namespace sonarch::load
