// One attack of a zone on another, and the tests a move must pass before it:
// an unclaimed zone is taken without dice, an owned one is fought for with
// one die per army on each side.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"

namespace sonarch {

// Whether the human's attack from one zone reaches another: the target's
// own links must lead back to the attacker, whatever the attacker's links
// say. (A computer player attacks along its own zone's links instead.)
bool attackReaches(const Board& board, int from, int target);

// Whether a zone's army can attack: it needs 2 or more, as one stays behind.
bool canAttackFrom(const Board& board, int zone);

// Whether the human's zone can attack now: its army can, and some zone not
// its owner's is in reach of it.
bool canAttackNow(const Board& board, int zone);

// Resolves the attack of zone temp1 on zone temp2, moving armies and owners
// and working out the chains concerned, and hands both rolls back (0 and 0
// for an unclaimed zone). Checks nothing: the caller has. Tells the battle
// first, then whoever it put out and the end of the game.
void attackRoll(Board& board, int temp1, int temp2, int& roll1, int& roll2, RandomSource& random,
                Outcomes& out);

// floor(army x (part / whole)): the ratio of the two rolls is formed first,
// then multiplied, and the product cut to a whole number. Both steps run in
// double precision, which gives exactly floor(army x part / whole) for every
// battle that can happen (rolls of 1 to 8 dice a side); float throughout
// would too, but a float ratio widened to a double product would not.
int shareOfArmy(int army, double part, double whole);

}  // namespace sonarch
