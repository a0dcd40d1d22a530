// Claiming a starting zone, the income of a turn and placing points: the
// same rules for the human's keys and the computer player.
#pragma once

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

// Why player cannot claim zone as its starting zone (None when it can).
Refusal claimRefusal(const Board& board, int zone);

// The starting claim: the human's zone starts with 1 army and the placing
// phase opens with the turn's income; a computer player's with 2 and a
// chain of 1.
void claimStart(Board& board, int player, int zone, Outcomes& out);

// Whether zone takes one more army placed by player: its own, below the
// maximum. Written without a branch: the computer player asks it of every
// zone each turn.
inline bool takesArmy(const Board& board, int player, int zone) {
    const auto z = static_cast<std::size_t>(zone);
    return (static_cast<int>(board.zoneOwner[z] == player) & static_cast<int>(board.zoneArmy[z] < maxArmy)) != 0;
}

// Why player cannot place an army on zone (None when it can). The human
// also needs points left; a computer player places what its chain gives.
// (A person's points are a store kept between turns; a computer player's
// are placed or lost in the turn they come.)
Refusal placingRefusal(const Board& board, int player, int zone);

// count armies more on zone, which takes them; a person pays a point for
// each, and hears the army and the points left once.
void placeArmies(Board& board, int player, int zone, int count, Outcomes& out);
inline void placePoint(Board& board, int player, int zone, Outcomes& out) { placeArmies(board, player, zone, 1, out); }

// The turn's income: the chain worked out afresh and added to the points
// held, which never go above maxHeldPoints.
void addIncome(Board& board, int player, Outcomes& out);

// Ends a person's attack phase: placing opens with the turn's income.
void openPlacing(Board& board, Outcomes& out);

}  // namespace sonarch
