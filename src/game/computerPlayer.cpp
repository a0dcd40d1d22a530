// A computer player's whole turn: the starting claim on its first turn, then
// on every later turn an attack phase and a placing phase. Every action is
// told in a sentence followed by a pause, so that it can be heard.
#include "game/computerPlayer.h"

#include <algorithm>
#include <string>


namespace sonarch {

namespace {
bool anyZoneUnclaimed(const Form1& game) {
    for (int zone = 1; zone <= std::min(game.zoneCount, maxZones); ++zone) {
        if (game.zoneOwner[zone] == 0) return true;
    }
    return false;
}

void claimStartingZone(Form1& game, int player) {
    int zone = 0;
    do {
        zone = game.random.drawWhole( std::min(game.zoneCount, maxZones));
    } while (game.zoneOwner[zone] != 0);
    game.zoneOwner[zone] = player;
    game.zoneArmy[zone] = 2;
    game.chain[player] = 1;
    game.hasStarted[player] = 1;
    const std::string& name = game.zoneName[zone];
    game.addMessage(game.playerName[player] + " has taken control of " + name + ". The army of " +
                    name + " is now 2.");
    game.hold(5);
}
}  // namespace

void Form1::runAI() {
    if (menuState != 0) return;
    const int player = turnPlayer;
    if (player < 1 || player > maxPlayerSlots) return;

    if (hasStarted[player] == 0) {
        if (anyZoneUnclaimed(*this)) {
            claimStartingZone(*this, player);
            return;
        }
        // Every zone is owned (a loaded game forgets who has started): there
        // is nothing to claim, so the player counts as started and plays a
        // full turn on the zones it holds, with its chain worked out afresh.
        // One that holds nothing is out.
        hasStarted[player] = 1;
        calcChain(player);
        if (menuState != 0 || playerName[player].empty()) return;
    }

    if (!playComputerAttacks(*this, player)) return;
    placeComputerPoints(*this, player);
}

}  // namespace sonarch
