// Many whole games played by the computer player's rules on every seat, on
// all cores: how often each starting zone wins, how long games last, how
// many never end. Each game has its own seed drawn from the run's seed and
// its number, so the report is the same on one core as on many.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "rules/computerGame.h"

namespace sonarch {

struct SimulationOptions {
    long games = 0;
    int players = 0;           // seats, the human's included
    std::uint64_t seed = 0;
    int threads = 0;           // 0: one for each core when there are games enough
    int roundLimit = 1000;     // a game still running after this many rounds has no winner
    // The strength of each seat, seat 1 first, one for each player; empty:
    // every seat standard, and the report says nothing of seats.
    std::vector<Strength> seats;
};

struct SimulationTotals {
    long games = 0;
    long rounds = 0;           // summed over the games
    long atLimit = 0;          // games stopped by the round limit
    ZoneTable<long> started{}; // games in which some seat started on the zone
    ZoneTable<long> won{};     // games won by the seat that started on the zone
    PlayerTable<long> seatWon{};  // games won by each seat

    bool operator==(const SimulationTotals&) const = default;
};

// Plays the games; progress, when given, hears the number of games done
// now and then, on one of the threads.
SimulationTotals simulate(const MapRecord& map, const SimulationOptions& options,
                          const std::function<void(long done)>& progress = {});

void writeSimulationReport(std::ostream& out, const MapRecord& map, const SimulationOptions& options,
                           const SimulationTotals& totals);

}  // namespace sonarch
