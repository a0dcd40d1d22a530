// Whole games in which every seat, the human's too, is played by the
// computer player's rules, straight on boards: for map makers weighing a
// map, and for measuring how fast the rules run. Nothing is said or shown.
#pragma once

#include <cstdint>
#include <memory>

#include "rules/Board.h"
#include "rules/strength.h"

namespace sonarch {

struct ComputerGameResult {
    int rounds = 0;                // rounds of turns begun; the first is the starting claims
    int winner = 0;                // the seat left alone on the map; 0 when the limit came first
    PlayerTable<int> startZone{};  // the zone each seat claimed first
};

// The strength each seat plays at, seat 1 (the human's) first; standard
// unless told.
using SeatStrengths = PlayerTable<Strength>;

// One game of players seats on map, at most roundLimit rounds; the seed
// decides every draw, so the same seed plays the same game.
ComputerGameResult playComputerGame(const std::shared_ptr<const MapRecord>& map, int players, int roundLimit,
                                    std::uint64_t seed, const SeatStrengths& seats = {});

}  // namespace sonarch
