// How one player stands: the chain as last computed and the zones it holds.
#include <algorithm>
#include <string>

#include "game/Form1.h"
#include "rules/chain.h"

namespace sonarch {

void Form1::checkPlayer(const int& index) {
    if (index < 0 || index > maxPlayerSlots) return;
    int controlled = 0;
    for (int zone = 1; zone <= std::min(board.zoneCount(), maxZones); ++zone) {
        if (board.zoneOwner[zone] == index) ++controlled;
    }
    // An out player's name is empty, so its sentence begins with the blank.
    addMessage(board.playerName[index] + " has chain of " + std::to_string(chainNow(board, index)) +
               " and total of " + std::to_string(controlled) + " controlled zones.");
}

}  // namespace sonarch
