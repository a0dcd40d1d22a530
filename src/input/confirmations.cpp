// Two steps that cannot be undone wait for one more key: leaving the program
// with a game in progress, and saving over an earlier saved game. Enter goes
// ahead; any other key calls the step off and does nothing else.
#include <utility>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

void Form1::exitProgram() {
    sayIt(words().menus.said(MenuLine::Goodbye));
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
    sayIt(words().menus.replaceSave(saveName));
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
            sayIt(words().menus.said(MenuLine::ExitCancelled));
        }
        return true;
    case Confirming::ReplaceSave:
        if (goAhead) {
            saveGame(saveToReplace);
        } else {
            sayIt(words().menus.said(MenuLine::NothingSaved));
        }
        return true;
    }
    return false;
}

}  // namespace sonarch
