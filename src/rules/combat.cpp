#include "rules/combat.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "rules/chain.h"

namespace sonarch {

int shareOfArmy(int army, double part, double whole) {
    // Only an attack from an empty zone could bring a roll of 0 here.
    if (!(whole > 0)) return 0;
    const double ratio = part / whole;
    return static_cast<int>(std::floor(army * ratio));
}

bool attackReaches(const Board& board, int from, int target) {
    if (!board.isZone(target)) return false;
    const int linksOut = std::clamp(board.linkCount(target), 0, maxLinks);
    for (int i = 1; i <= linksOut; ++i)
        if (board.links(target, i) == from) return true;
    return false;
}

bool canAttackFrom(const Board& board, int zone) {
    return board.isZone(zone) && board.zoneArmy[static_cast<std::size_t>(zone)] >= 2;
}

bool canAttackNow(const Board& board, int zone) {
    if (!canAttackFrom(board, zone)) return false;
    const int owner = board.zoneOwner[static_cast<std::size_t>(zone)];
    for (int target = 1; target <= board.zoneCount(); ++target)
        if (board.zoneOwner[static_cast<std::size_t>(target)] != owner && attackReaches(board, zone, target))
            return true;
    return false;
}

namespace {
double rollDice(RandomSource& random, int dice) {
    double roll = 0;
    for (int die = 1; die <= dice; ++die) roll += random.throwDie();
    return roll;
}
}  // namespace

void attackRoll(Board& board, int temp1, int temp2, int& roll1, int& roll2, RandomSource& random,
                Outcomes& out) {
    auto& owner = board.zoneOwner;
    auto& army = board.zoneArmy;
    const auto from = static_cast<std::size_t>(temp1);
    const auto target = static_cast<std::size_t>(temp2);
    const int attacker = owner[from];
    const int attackers = army[from];
    const int defenders = army[target];

    if (owner[target] == 0) {
        owner[target] = attacker;
        army[target] = attackers - 1;
        army[from] = 1;
        roll1 = 0;
        roll2 = 0;
        out.push_back({.kind = Outcome::Kind::ZoneTaken, .player = attacker, .zone = temp2, .from = temp1,
                       .army = army[target]});
        chainChanged(board, attacker);
        return;
    }

    // All the attacker's dice come first: replays depend on this order.
    const double attackRollTotal = rollDice(random, attackers);
    const double defenceRollTotal = rollDice(random, defenders);
    roll1 = static_cast<int>(attackRollTotal);
    roll2 = static_cast<int>(defenceRollTotal);
    const int defender = owner[target];

    if (attackRollTotal > defenceRollTotal) {
        const int losses = std::max(1, shareOfArmy(attackers, defenceRollTotal, attackRollTotal));
        const int survivors = std::max(1, attackers - losses);
        army[from] = 1;
        owner[target] = attacker;
        // The battle is told first; the chains may then put the defender
        // out, and end the game.
        out.push_back({.kind = Outcome::Kind::BattleWon, .player = attacker, .zone = temp2, .from = temp1,
                       .defender = defender, .roll1 = roll1, .roll2 = roll2, .army = survivors});
        const std::size_t battle = out.size() - 1;
        chainChanged(board, attacker);
        calcChain(board, defender, out);
        army[target] = survivors;
        // Putting the defender out emptied its name; the battle keeps it.
        if (out.size() > battle + 1 && out[battle + 1].kind == Outcome::Kind::PlayerOut)
            out[battle].name = out[battle + 1].name;
    } else {
        // A tie goes to the defender.
        const int remaining = std::max(1, defenders - shareOfArmy(defenders, attackRollTotal, defenceRollTotal));
        army[from] = 1;
        army[target] = remaining;
        out.push_back({.kind = Outcome::Kind::BattleLost, .player = attacker, .zone = temp2, .from = temp1,
                       .defender = defender, .roll1 = roll1, .roll2 = roll2, .army = remaining});
    }
}

}  // namespace sonarch
