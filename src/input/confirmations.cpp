// Two steps that cannot be undone wait for one more key: leaving the program
// with a game in progress, and saving over an earlier saved game. Enter goes
// ahead; any other key calls the step off and does nothing else.
#include <utility>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

void Form1::exitProgram() {
    sayIt("Goodbye!");
    hold(1);
    tellThen(&Form1::endProgram);
}

void Form1::endProgram() { frontEnd_.endProgram(); }

void Form1::saveOrAskToReplace(const std::string& saveName) {
    if (!saveExists(saveName)) {
        saveGame(saveName);
        return;
    }
    confirming = Confirming::ReplaceSave;
    saveToReplace = saveName;
    sayIt("A saved game named " + saveName +
          " already exists. Press Enter to replace it, or any other key to keep it.");
}

bool Form1::confirmationKey(short keyCode) {
    const Confirming step = std::exchange(confirming, Confirming::Nothing);
    const bool goAhead = keyCode == key::Enter;
    switch (step) {
    case Confirming::Nothing: return false;
    case Confirming::Exit:
        if (goAhead) {
            exitProgram();
        } else {
            sayIt("Exit cancelled.");
        }
        return true;
    case Confirming::ReplaceSave:
        if (goAhead) {
            saveGame(saveToReplace);
        } else {
            sayIt("Nothing was saved.");
        }
        return true;
    }
    return false;
}

}  // namespace sonarch
