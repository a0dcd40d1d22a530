// The computer player: what it chooses to do next on a board, apart from
// carrying it out, so that a turn can be told move by move with a pause
// after each, or played straight through in a simulation.
#pragma once

#include <array>
#include <cstdint>

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"

namespace sonarch {

struct ComputerMove {
    enum class Kind {
        Claim,          // take zone as the starting zone
        CountStarted,   // nothing is left to claim: start on the zones held
        Attack,         // attack zone from `from`
        Place,          // place the points as the turn's `placed` says
        Done,           // the turn is over
    };
    Kind kind = Kind::Done;
    int from = 0;
    int zone = 0;
};

// Where a turn stands between moves: the attacks sweep the player's zones in
// number order, each along its own links, and sweep again while a sweep
// conquers something.
struct ComputerTurn {
    int zone = 1;
    int link = 1;
    bool conquered = false;
    bool done = false;
    // The player's zones that can attack (an army above 1), found when the
    // first sweep begins and kept since: an attack leaves its zone with 1,
    // and a zone taken joins with the army that moved in.
    std::array<std::uint64_t, 2> sweeping{};
    bool sweepBegun = false;
    ZoneTable<int> placed{};  // the points each zone receives in the placing
    int battles = 0;          // battles chosen so far, for a player that limits them
};

// The next move of the player whose turn it is. Draws from the random
// source exactly as the turn has always drawn: the zones of a claim, a
// percentage for each target not plainly weaker, a zone for each point.
ComputerMove chooseComputerMove(const Board& board, ComputerTurn& turn, RandomSource& random);

// Carries the move out; an attack throws its dice here.
void playComputerMove(Board& board, const ComputerMove& move, ComputerTurn& turn, RandomSource& random,
                      Outcomes& out);

// Plays the whole turn of the player whose turn it is, without a pause.
void runAI(Board& board, RandomSource& random, Outcomes& out);

}  // namespace sonarch
