// A whole game in which every seat, the human's too, is played by the
// computer player's rules: for map makers weighing a map, and for measuring
// how fast the rules run. Nothing is told to anyone but the host.
#pragma once

#include "game/Form1.h"

namespace sonarch {

struct ComputerGameResult {
    int rounds = 0;               // rounds of turns begun; the first is the starting claims
    int winner = 0;               // the seat left alone on the map; 0 when the limit came first
    PlayerTable<int> startZone{};  // the zone each seat claimed first
};

// Plays one game of players seats on map, at most roundLimit rounds. The
// game's host must end every pause at once; its random source decides the
// game. Whatever game was running on the object is replaced.
ComputerGameResult playComputerGame(Form1& game, const MapRecord& map, int players, int roundLimit);

}  // namespace sonarch
