// How one player stands: the chain and the zones it holds; for a player who
// is out, the name it had, which the board no longer keeps.
#include <string>

#include "game/Form1.h"

namespace sonarch {

void Form1::checkPlayer(const int& index) {
    if (index < 0 || index > maxPlayerSlots) return;
    const std::string outName = outNames.game == board.map ? outNames.names[static_cast<std::size_t>(index)] : "";
    addMessage(words().study.playerReport(board, index, outName, listenerOf(board)));
}

void Form1::rememberPutOut(const Outcome& out) {
    if (outNames.game != board.map) outNames = {.game = board.map};
    outNames.names[static_cast<std::size_t>(out.player)] = out.name;
}

}  // namespace sonarch
