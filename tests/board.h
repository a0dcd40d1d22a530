// Boards for rules tests: a game in progress as a board value, as a new game
// stands once the players hold their zones, or laid out on a game object.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rules/Board.h"
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
// nothing chosen, with every chain at 0 until worked out.
Board boardOf(const std::vector<std::string>& computerNames, const std::vector<BoardZone>& zones);

// The same board on a game object, in play with the cursor on zone 1.
void layOutGame(Form1& game, const std::vector<std::string>& computerNames,
                const std::vector<BoardZone>& zones);

// A session past its welcome with the game laid out; its random source gives
// fixedRandom first, then the generator seeded with 1.
std::unique_ptr<Session> gameOn(const std::vector<std::string>& computerNames,
                                const std::vector<BoardZone>& zones,
                                std::vector<double> fixedRandom = {});

// The number u that draws the percentage value as floor(u x 100) + 1.
double percentageOf(int value);
// The number u that throws the die value as floor(u x 6) + 1.
double dieOf(int value);

}  // namespace sonarch::testing
