// The order of turns: each player in number order, then from the first
// again. Ending the human's turn plays every computer turn that comes up, in
// this one call, until the human's turn comes back or the game has ended.
#include <string>

#include "game/Form1.h"

namespace sonarch {

namespace {
int playerAfter(int player, int playerCount) {
    ++player;
    // A turn number outside the players (an odd saved game) starts over too.
    if (player > playerCount || player < 1) player = 1;
    return player;
}
}  // namespace

void Form1::endTurn() {
    for (;;) {
        // The game may have ended during the last computer turn.
        if (menuState != 0) return;
        if (playerCount < 1 || playerCount > maxPlayerSlots) return;

        turnPlayer = playerAfter(turnPlayer, playerCount);
        // Players who are out have no name. The human's is never emptied, so
        // one round is always enough; the bound only guards odd saved games.
        for (int tries = 0; playerName[turnPlayer].empty(); ++tries) {
            if (tries == playerCount) return;
            turnPlayer = playerAfter(turnPlayer, playerCount);
        }

        placingPoints = 0;
        attackFrom = 0;
        if (turnPlayer != humanPlayer) addMessage(playerName[turnPlayer] + "'s turn.");
        if (turnPlayer == humanPlayer) {
            addMessage("It is your turn.");
            playCue(Cue::YourTurn);
        }

        if (isComputer[turnPlayer] == 0) return;
        runAI();
    }
}

}  // namespace sonarch
