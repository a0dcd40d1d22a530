// New game set-up: the chosen map becomes the game's map, every zone is
// cleared, the human is "You" and each computer player gets a name no other
// player holds.
#include <utility>

#include "game/Form1.h"

namespace sonarch {

namespace {

// Only zones 1..zoneCount are copied; the entries above keep what an
// earlier map left there, and nothing reads them.
void takeOverMap(Form1& game, const MapRecord& map) {
    game.mapName = map.mapName;
    game.zoneCount = map.zoneCount;
    for (int z = 1; z <= map.zoneCount; ++z) {
        game.zoneName[z] = map.zoneName[z];
        game.linkCount[z] = map.linkCount[z];
        game.links[z] = map.links[z];
    }
}

// Compared with every other player as the slots stand now: players above p
// still hold names from an earlier game in this run, and those count too.
bool nameTaken(const Form1& game, int p) {
    for (int q = 1; q <= game.playerCount; ++q) {
        if (q != p && game.playerName[q] == game.playerName[p]) return true;
    }
    return false;
}

}  // namespace

void Form1::startUsOut() {
    if (pendingMap) {
        takeOverMap(*this, *pendingMap);
        pendingMap.reset();
    }
    cursorZone = 1;
    linkCursor = 1;
    attackFrom = 0;
    choosingStart = 1;
    for (int z = 1; z <= zoneCount; ++z) {
        zoneOwner[z] = 0;
        zoneArmy[z] = 0;
    }
    for (int p = 1; p <= playerCount; ++p) {
        points[p] = 0;
        chain[p] = 0;
        isComputer[p] = 0;
        hasStarted[p] = 0;
    }
    playerName[1] = "You";
    // The pool holds 978 different names for at most ten players, so the
    // redrawing ends.
    for (int p = 2; p <= playerCount; ++p) {
        do {
            playerName[p] = pickName();
            isComputer[p] = 1;
        } while (nameTaken(*this, p));
    }
    humanPlayer = 1;
    turnPlayer = 1;
    placingPoints = 0;
    // Said once the board is cleared, so the picture drawn with it shows the
    // new game rather than the last one.
    addMessage("Choose your starting zone and press Spacebar. You are now in " +
               zoneName[cursorZone] + ".");
    playCue(Cue::YourTurn);
    Holder.Enabled = false;
    frontEnd_.stopTimer();
}

}  // namespace sonarch
