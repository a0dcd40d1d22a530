// A player's chain, the income of a turn: the most own zones reachable from
// one own zone by following links. Also the one place where a player who
// has lost every zone is put out, and where a game ends.
#include <algorithm>
#include <string>

#include "game/chain.h"

#include "game/Form1.h"

namespace sonarch {

void Form1::calcChain(const int& index) {
    if (index < 0 || index > maxPlayerSlots) return;
    const int player = index;
    const int best = largestChain(*this, player);
    chain[player] = best;

    // A player who never held a starting zone cannot have lost it.
    if (best != 0 || hasStarted[player] == 0) return;

    if (player == humanPlayer) {
        addMessage("You have been defeated! Game over. Main Menu.");
        playCue(Cue::Defeat);
        humanPlayer = 0;
        menuState = 1;
        menuCursor = 0;
        return;
    }

    const std::string sentence = playerName[player] + " has been defeated!";
    playerName[player] = "";
    int playersOut = 0;
    for (int other = 1; other <= std::min(playerCount, maxPlayerSlots); ++other) {
        if (playerName[other].empty()) ++playersOut;
    }
    // The human's name is never emptied, so this counts the computer players.
    if (playersOut >= playerCount - 1) {
        addMessage(sentence + " Congratulations, you have won! Main Menu.");
        playCue(Cue::Victory);
        humanPlayer = 0;
        menuState = 1;
        menuCursor = 0;
        return;
    }
    addMessage(sentence);
    hold(5);
}

}  // namespace sonarch
