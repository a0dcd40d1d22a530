// The attack phase of a computer player's turn. Each own zone with an army
// above 1 looks along its own links and decides, target by target, whether
// to attack: always a weaker zone, sometimes an equal or slightly stronger
// one, by a percentage drawn from the game's random source.
#include <algorithm>
#include <string>

#include "game/computerPlayer.h"

namespace sonarch {

namespace {
bool decidesToAttack(RandomSource& random, int attackers, int target) {
    if (target < attackers) return true;
    // A percentage is drawn even when no draw could win (three or more
    // stronger): leaving it out would change every later draw of the game.
    const int drawn = random.drawPercentage();
    if (target == attackers) return drawn > 50;
    return drawn > 20 * (target - attackers) + 50;
}

// Attacks target from zone and tells the outcome. False when the game ended.
bool attack(Form1& game, int player, int zone, int target, bool& conquered) {
    const int formerOwner = game.zoneOwner[target];
    // Taken before the dice: a defeat inside the attack empties the name.
    const bool ownerKnown = formerOwner >= 0 && formerOwner <= maxPlayerSlots;
    const std::string defender = ownerKnown ? game.playerName[formerOwner] : std::string();
    int roll1 = 0;
    int roll2 = 0;
    game.attackRoll(zone, target, roll1, roll2);
    if (game.menuState != 0) return false;

    const std::string& name = game.playerName[player];
    const std::string& from = game.zoneName[zone];
    const std::string& to = game.zoneName[target];
    const std::string rolls = " with a roll of " + std::to_string(roll1) + " to " +
                              std::to_string(roll2) + ". " + to + " has " +
                              std::to_string(game.zoneArmy[target]) + " army remaining.";
    if (game.zoneOwner[target] == formerOwner) {
        game.addMessage(name + " of " + from + " attacked " + defender + " in " + to +
                        " and was defeated" + rolls);
    } else if (roll1 != 0) {
        game.addMessage(name + " of " + from + " attacked " + defender + " in " + to +
                        " and was successful" + rolls);
        if (formerOwner == game.humanPlayer) game.playCue(Cue::ZoneLost);
        conquered = true;
    } else {
        game.addMessage(name + " has taken control of " + to + ". " + to + " now has an army of " +
                        std::to_string(game.zoneArmy[target]) + ".");
        conquered = true;
    }
    game.hold(5);
    return true;
}

// One pass over the player's zones. False when the game ended.
bool sweep(Form1& game, int player, bool& conquered) {
    const int zones = std::min(game.zoneCount, maxZones);
    for (int zone = 1; zone <= zones; ++zone) {
        if (game.zoneOwner[zone] != player || game.zoneArmy[zone] <= 1) continue;
        const int linksOut = std::clamp(game.linkCount[zone], 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int target = game.links[zone][k];
            if (target < 1 || target > zones) continue;
            if (game.zoneOwner[target] == player) continue;
            // Every attack leaves its zone with 1: it has nothing more to
            // attack with, and must draw nothing for the links after.
            if (game.zoneArmy[zone] <= 1) break;
            if (!decidesToAttack(game.random, game.zoneArmy[zone], game.zoneArmy[target])) continue;
            if (!attack(game, player, zone, target, conquered)) return false;
        }
    }
    return true;
}
}  // namespace

bool playComputerAttacks(Form1& game, int player) {
    // Only a conquest starts another sweep, and each one adds a zone to the
    // player, so the phase ends.
    bool conquered = false;
    do {
        conquered = false;
        if (!sweep(game, player, conquered)) return false;
    } while (conquered);
    return true;
}

}  // namespace sonarch
