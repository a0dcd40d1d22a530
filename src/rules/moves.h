// A move as a value, and the one rule that checks and plays it for every
// seat: a person's keys build a move, a computer player's choice is one,
// and a remote seat's message will be one. Whatever a seat may do in its
// turn is decided here, so that no seat can do what another could not.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"

namespace sonarch {

struct Move {
    enum class Kind {
        Claim,     // take zone as the starting zone; zone 0: none is free, start on the zones held
        Attack,    // attack zone from the zone `from`
        Place,     // place up to `count` points on zone (a person's placing phase)
        EndPhase,  // end the attack phase, or end the turn while placing
    };
    Kind kind = Kind::EndPhase;
    int zone = 0;
    int from = 0;
    int count = 1;

    static Move claim(int zone) { return {.kind = Kind::Claim, .zone = zone}; }
    // Every zone is owned (a loaded game forgets who has started): the seat
    // starts on what it holds, and one that holds nothing is out.
    static Move startOnZonesHeld() { return {.kind = Kind::Claim, .zone = 0}; }
    static Move attack(int from, int zone) { return {.kind = Kind::Attack, .zone = zone, .from = from}; }
    static Move place(int zone, int count = 1) { return {.kind = Kind::Place, .zone = zone, .count = count}; }
    // As many points as the zone takes and the seat holds.
    static Move placeAll(int zone) { return place(zone, maxArmy); }
    static Move endPhase() { return {}; }

    bool operator==(const Move&) const = default;
};

// Why seat may not make the move now; None when it may. Draws nothing.
Refusal moveRefusal(const Board& board, int seat, const Move& move);

// Checks the move and plays it: the board changes and the outcomes say
// how, or the refusal says why nothing changed. An attack throws its dice
// here; ending the placing phase passes the turn to the next seat.
Refusal playMove(Board& board, int seat, const Move& move, RandomSource& random, Outcomes& out);

// A person's turn ends by itself when the last point is placed.
bool turnEndsByItself(const Board& board);

// How many points seat can place on zone now: what the zone still takes
// below the army cap, and no more than the seat holds.
int pointsPlaceableOn(const Board& board, int seat, int zone);

// Whether an attack of seat from one zone reaches another. The game has
// always given the two kinds of seat different reach, and keeps both: a
// person reaches a zone whose own links lead back to the attacking zone,
// whatever the attacking zone's links say; a computer player attacks along
// its own zone's links. On a map whose links all go both ways they agree.
bool seatReaches(const Board& board, int seat, int from, int target);

// How many seats, people and computer players together, a map of so many
// zones allows: one for every two zones, at most eight.
int seatsAllowed(int zoneCount);

// A saved game does not say who has started: whoever owns a zone has;
// whoever owns none has yet to choose a starting zone (or is out).
void countStartedFromZones(Board& board);

}  // namespace sonarch
