// Whole games in which every seat, the human's too, is played by the
// computer player's rules: for map makers weighing a map, and for measuring
// how fast the rules run. Nothing is heard, shown or written.
#pragma once

#include <cstdint>
#include <memory>

#include "game/Form1.h"

namespace sonarch {

struct ComputerGameResult {
    int rounds = 0;                // rounds of turns begun; the first is the starting claims
    int winner = 0;                // the seat left alone on the map; 0 when the limit came first
    PlayerTable<int> startZone{};  // the zone each seat claimed first
};

// Plays games one after another on one game object of its own.
class ComputerGames {
public:
    ComputerGames();
    ~ComputerGames();
    ComputerGames(const ComputerGames&) = delete;
    ComputerGames& operator=(const ComputerGames&) = delete;

    // One game of players seats on map, at most roundLimit rounds; the seed
    // decides every draw, so the same seed plays the same game.
    ComputerGameResult play(const MapRecord& map, int players, int roundLimit, std::uint64_t seed);

private:
    class Silence;
    std::unique_ptr<Silence> silence_;
    std::unique_ptr<Form1> game_;
};

}  // namespace sonarch
