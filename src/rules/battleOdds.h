// The chances of a battle, worked out exactly from the dice: one six-sided
// die per army on each side, the higher total wins and a tie goes to the
// defender. For judging moves; the battle itself is thrown in combat.cpp.
#pragma once

namespace sonarch {

struct BattleOdds {
    double win = 0;        // the chance that the attacker takes the zone
    double survivors = 0;  // the army that moves in, on average over the battles won
    double remaining = 0;  // the defender's army left, on average over the battles lost
};

// For armies of 1 to maxArmy on each side; larger armies are judged as the
// largest, and an empty zone as 1.
const BattleOdds& battleOdds(int attackers, int defenders);

}  // namespace sonarch
