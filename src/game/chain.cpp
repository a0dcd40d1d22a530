// A player's chain, the income of a turn: the most own zones reachable from
// one own zone by following links. Also the one place where a player who
// has lost every zone is put out, and where a game ends.
#include <algorithm>
#include <array>
#include <string>

#include "game/Form1.h"

namespace sonarch {

namespace {
// Own zones reachable from start, the start included. Links lead one way, as
// the map lists them; a link to a number that is no zone of the map leads
// nowhere.
int groupSize(const Form1& game, int player, int zones, int start) {
    std::array<bool, maxZones + 1> reached{};
    std::array<int, maxZones> waiting{};
    int size = 0;
    reached[start] = true;
    waiting[size++] = start;
    for (int next = 0; next < size; ++next) {
        const int zone = waiting[next];
        const int linksOut = std::clamp(game.linkCount[zone], 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int neighbour = game.links[zone][k];
            if (neighbour < 1 || neighbour > zones) continue;
            if (reached[neighbour] || game.zoneOwner[neighbour] != player) continue;
            reached[neighbour] = true;
            waiting[size++] = neighbour;
        }
    }
    return size;
}
}  // namespace

void Form1::calcChain(const int& index) {
    if (index < 0 || index > maxPlayerSlots) return;
    const int player = index;
    const int zones = std::clamp(zoneCount, 0, maxZones);
    int best = 0;
    for (int start = 1; start <= zones; ++start) {
        if (zoneOwner[start] == player) best = std::max(best, groupSize(*this, player, zones, start));
    }
    chain[player] = best;

    // A player who never held a starting zone cannot have lost it.
    if (best != 0 || hasStarted[player] == 0) return;

    if (player == humanPlayer) {
        addMessage("You have been defeated! Game over. Main Menu.");
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
        humanPlayer = 0;
        menuState = 1;
        menuCursor = 0;
        return;
    }
    addMessage(sentence);
    hold(5);
}

}  // namespace sonarch
