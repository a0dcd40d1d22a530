// The server's figures in Prometheus' text format, for /metrics.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>
#include <string>

namespace sonarch::server {

struct Metrics {
    std::int64_t rooms = 0;
    std::int64_t connections = 0;
    std::int64_t movesTotal = 0;
    std::int64_t refusedMessagesTotal = 0;
    std::int64_t roomsTakenOverTotal = 0;
    // With a shared store: the codes of the rooms this process holds.
    std::function<std::vector<std::string>()> roomsHeld{};
    // From a move received to its events sent: the commit is most of it.
    static constexpr std::array<double, 10> bounds{0.001, 0.0025, 0.005, 0.01, 0.025, 0.05, 0.1, 0.25, 0.5, 1.0};
    std::array<std::int64_t, bounds.size()> moveBuckets{};
    std::int64_t moveCount = 0;
    double moveSum = 0;

    void moveTook(double seconds);
    std::string text() const;
};

}  // namespace sonarch::server
