// Boards for rules tests: a game in progress laid out on a game object, as a
// new game stands once the players hold their zones.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "session.h"

namespace sonarch::testing {

struct BoardZone {
    std::string name;
    std::vector<int> links;  // zone numbers reached, one way, in map order
    int owner = 0;           // 0: unclaimed
    int army = 0;
};

// Player 1 is the human "You", the computer players follow in the order
// given; every player counts as started. The human's turn, attack phase,
// nothing chosen, with every chain at 0 until computed.
void layOutGame(Form1& game, const std::vector<std::string>& computerNames,
                const std::vector<BoardZone>& zones);

// A session past its welcome with the game laid out; its random source gives
// fixedRandom first, then the generator seeded with 1.
std::unique_ptr<Session> gameOn(const std::vector<std::string>& computerNames,
                                const std::vector<BoardZone>& zones,
                                std::vector<double> fixedRandom = {});

// The sentences recorded in the history ("msg: " lines), without the rest.
Lines messagesOnly(const Lines& said);

// The number u that draws the percentage value as floor(u x 100) + 1.
double percentageOf(int value);

}  // namespace sonarch::testing
