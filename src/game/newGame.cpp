// A new game on the map chosen in the map list: the table sets the board up
// with the people added at this keyboard and the computer players chosen,
// the cursor goes to zone 1 and the first person is asked for a starting zone.
#include "game/Form1.h"
#include "rules/newGame.h"

namespace sonarch {

void Form1::startUsOut() {
    cursorZone = 1;
    linkCursor = 1;
    jumpedTo = 0;
    const std::vector<std::string> seated = people.empty() ? std::vector<std::string>{"You"} : people;
    // Names are drawn against the seats as the last game left them.
    table_.setUp(board, computerStrength);
    table_.newGame(pendingMap ? std::move(pendingMap) : board.map, seated, computersChosen, computerStrength);
    pendingMap.reset();
    gameStrength = computerStrength;
    board = table_.board();
    keysHeldBy_ = 0;
    cursorOf_ = {};
    lastTurnEnded_ = {};
    sinceLastTurn_ = {};
    // Said once the board is cleared, so the picture drawn with it shows the
    // new game rather than the last one.
    const std::string begins = words().menus.newGameBegins(board.zoneName(cursorZone));
    if (board.peopleCount() > 1) {
        // Every person is named at their turn, the first one too.
        keysHeldBy_ = 1;
        addMessage(words().play.turnBegins(board, 1, 1) + " " + begins);
    } else {
        addMessage(begins);
    }
    playCue(Cue::YourTurn);
    endPause();
}

void Form1::startAgainst(int computers) {
    computersChosen = computers;
    menuState = 0;
    startUsOut();
}

}  // namespace sonarch
