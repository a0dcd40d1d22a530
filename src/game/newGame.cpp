// A new game on the map chosen in the map list: the rules set the board up,
// the cursor goes to zone 1 and the human is asked for a starting zone.
#include "game/Form1.h"
#include "rules/newGame.h"

namespace sonarch {

void Form1::startUsOut() {
    cursorZone = 1;
    linkCursor = 1;
    jumpedTo = 0;
    startGame(board, pendingMap ? std::move(pendingMap) : board.map, board.playerCount, random);
    pendingMap.reset();
    gameStrength = computerStrength;
    // Said once the board is cleared, so the picture drawn with it shows the
    // new game rather than the last one.
    addMessage(words().menus.newGameBegins(board.zoneName(cursorZone)));
    playCue(Cue::YourTurn);
    endPause();
}

}  // namespace sonarch
