// One attack of a zone on another: an unclaimed zone is taken without dice,
// an owned one is fought for with one die per army on each side. Says
// nothing itself; the caller words the outcome from the owners and the rolls.
#include "game/combat.h"

#include <algorithm>
#include <cmath>

#include "game/Form1.h"

namespace sonarch {

int shareOfArmy(int army, double part, double whole) {
    // Only an attack from an empty zone could bring a roll of 0 here.
    if (!(whole > 0)) return 0;
    const double ratio = part / whole;
    return static_cast<int>(std::floor(army * ratio));
}

bool attackReaches(const Form1& game, int from, int target) {
    if (target < 1 || target > maxZones) return false;
    const int linksOut = std::clamp(game.linkCount[target], 0, maxLinks);
    for (int i = 1; i <= linksOut; ++i)
        if (game.links[target][i] == from) return true;
    return false;
}

namespace {
double rollDice(RandomSource& random, int dice) {
    double roll = 0;
    for (int die = 1; die <= dice; ++die) roll += random.throwDie();
    return roll;
}
}  // namespace

void Form1::attackRoll(const int& temp1, const int& temp2, int& roll1, int& roll2) {
    const int attacker = zoneOwner[temp1];
    const int attackers = zoneArmy[temp1];
    const int defenders = zoneArmy[temp2];

    if (zoneOwner[temp2] == 0) {
        zoneOwner[temp2] = attacker;
        zoneArmy[temp2] = attackers - 1;
        zoneArmy[temp1] = 1;
        calcChain(attacker);
        roll1 = 0;
        roll2 = 0;
        return;
    }

    // All the attacker's dice come first: replays depend on this order.
    const double attackRollTotal = rollDice(random, attackers);
    const double defenceRollTotal = rollDice(random, defenders);
    roll1 = static_cast<int>(attackRollTotal);
    roll2 = static_cast<int>(defenceRollTotal);

    if (attackRollTotal > defenceRollTotal) {
        const int losses = std::max(1, shareOfArmy(attackers, defenceRollTotal, attackRollTotal));
        const int survivors = std::max(1, attackers - losses);
        zoneArmy[temp1] = 1;
        const int formerOwner = zoneOwner[temp2];
        zoneOwner[temp2] = attacker;
        // The former owner may be put out here, and the game may end, before
        // the caller reports the battle.
        calcChain(attacker);
        calcChain(formerOwner);
        zoneArmy[temp2] = survivors;
    } else {
        // A tie goes to the defender.
        const int remaining =
            std::max(1, defenders - shareOfArmy(defenders, attackRollTotal, defenceRollTotal));
        zoneArmy[temp1] = 1;
        zoneArmy[temp2] = remaining;
    }
}

}  // namespace sonarch
