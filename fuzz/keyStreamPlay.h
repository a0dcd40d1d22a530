// Plays a stream of bytes as key presses of every kind, known to the game
// or not, with every modifier mask, and checks the game's invariants after
// each press. Shared by the libFuzzer target and the bounded fuzz test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sonarch::testing {

struct KeyStreamOutcome {
    std::vector<std::string> broken;  // invariants broken, with the press that broke them
    int presses = 0;
    bool gamesStarted = false;
    int computerTurns = 0;  // turns announced for computer players
    int gamesOver = 0;      // games ended by victory or defeat
};

// dataDir holds Maps/ and Saves/. The first byte picks whether the stream
// begins by starting a game on one of the maps, and which.
KeyStreamOutcome playKeyStream(const std::string& dataDir, const std::uint8_t* bytes,
                               std::size_t size);

}  // namespace sonarch::testing
