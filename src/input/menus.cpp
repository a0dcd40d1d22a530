// The three spoken menus: the main menu, the map list with its question for
// the number of computer players, and the saved-game list. Arrows move,
// every key speaks the item at the position, Enter chooses it.
#include <string>

#include "files/fileList.h"
#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

namespace {
bool isForward(short keyCode) { return keyCode == key::Right || keyCode == key::Down; }
bool isBackward(short keyCode) { return keyCode == key::Left || keyCode == key::Up; }
}  // namespace

void Form1::menuKeys(short& keyCode, const short& shift) {
    if (keyCode == key::F1 && shift == 0) {
        helpKey();
        return;
    }
    if (newMapKey(keyCode, shift)) return;
    if (isForward(keyCode)) ++menuCursor;
    if (isBackward(keyCode)) --menuCursor;
    switch (menuState) {
    case 1: mainMenuKeys(keyCode); break;
    case 2: mapListKeys(keyCode); break;
    case 3: savedGameListKeys(keyCode); break;
    default: break;
    }
}

void Form1::openFileList(const std::string& announcement, const std::vector<std::string>& folders, int& length,
                         int list) {
    sayIt(announcement);
    // Read afresh each time a list opens, so a game saved a moment ago is
    // there; one reading serves both the length of the list and its names.
    const auto listed = listFolders(platform_, folders);
    File1 = listed.value_or(FileList{});
    length = static_cast<int>(File1.entries.size());
    // An empty list would look like a folder without saved games.
    if (!listed && list == 3) sayIt("The Saves folder cannot be read, so there is no saved game to choose.");
    menuState = list;
    menuCursor = 0;
}

void Form1::mainMenuKeys(short& keyCode) {
    if (keyCode == key::Enter && menuCursor == 0) {
        keyCode = 0;  // the first Enter only selects
        menuCursor = 1;
    }
    if (menuCursor <= 0) menuCursor = 4;
    if (menuCursor > 4) menuCursor = 1;
    if (board.humanPlayer == 0) {  // nothing to save without a game
        if (isForward(keyCode) && menuCursor == 3) menuCursor = 4;
        if (isBackward(keyCode) && menuCursor == 3) menuCursor = 2;
    }
    const bool enter = keyCode == key::Enter;
    switch (menuCursor) {
    case 1:
        if (!enter) {
            sayIt("NewGame");
            break;
        }
        openFileList("Select Map", mapsFolders(), mapFileCount, 2);
        break;
    case 2:
        if (!enter) {
            sayIt("Load Game");
            break;
        }
        openFileList("Select Game to Load", {savesFolder()}, saveFileCount, 3);
        break;
    case 3: {
        if (!enter) {
            sayIt("Save Game");
            break;
        }
        if (board.humanPlayer == 0) {
            sayIt("There is no game in progress to save.");
            break;
        }
        const std::string prompt = "Name your save and hit enter.";
        sayIt(prompt);
        awaitingText_ = true;
        frontEnd_.askText(prompt, speakingVoice());
        break;
    }
    case 4:
        if (!enter) {
            sayIt("Exit");
            break;
        }
        if (board.humanPlayer != 0) {
            // The main menu wraps from its first item to Exit: one key too
            // many must not throw a game away.
            confirming = Confirming::Exit;
            sayIt("A game is in progress. Press Enter again to exit without saving, or any other "
                  "key to stay.");
            break;
        }
        exitProgram();
        break;
    default: break;
    }
}

void Form1::textEntered(const std::optional<std::string>& name) {
    if (!awaitingText_) return;
    awaitingText_ = false;
    if (name) {
        saveOrAskToReplace(*name);
    } else {
        sayIt("Save cancelled.");
    }
}

void Form1::mapListKeys(short& keyCode) {
    if (setupStep == 0) {
        if (keyCode == key::Enter && menuCursor == 0) {
            keyCode = 0;
            menuCursor = 1;
        }
        if (menuCursor >= mapFileCount + 2) menuCursor = 1;
        if (menuCursor <= 0) menuCursor = mapFileCount + 1;
        if (menuCursor >= 1 && menuCursor <= static_cast<int>(File1.entries.size())) {
            const std::string& fileName = File1.entries[menuCursor - 1];
            sayIt(fileName);
            if (keyCode == key::Enter) {
                mapPath = File1.paths[menuCursor - 1];
                loadMap();
                // A refused map has said why; the list stays open on it.
                if (!mapLoadFailed) {
                    sayIt("How many computer players would you like? The max is " +
                          std::to_string(maxPlayers - 1) + ".");
                    setupStep = 1;
                }
            }
        }
    }
    // Each group sees the step as the groups before it in this press left it.
    if (setupStep == 1) {
        if (keyCode == key::Escape) {
            setupStep = 0;
            sayIt("Choose map");
            return;
        }
        if ((keyCode < key::Digit0 || keyCode > maxPlayers + 47) && keyCode != key::Enter) {
            sayIt("Please choose a number between 1 and " + std::to_string(maxPlayers - 1) + ".");
        }
        if (keyCode >= key::Digit1 && keyCode <= maxPlayers + 47) {
            board.playerCount = keyCode - 47;
            setupStep = 2;
        }
    }
    if (setupStep == 2) {
        menuState = 0;
        startUsOut();
        setupStep = 0;
        return;
    }
    if (setupStep == 0 && menuCursor == mapFileCount + 1) {
        if (keyCode == key::Enter) {
            sayIt("Main Menu");
            menuState = 1;
            menuCursor = 0;
        } else {
            sayIt("Previous Menu");
        }
    }
}

void Form1::savedGameListKeys(short& keyCode) {
    if (keyCode == key::Enter && menuCursor == 0) {
        keyCode = 0;
        menuCursor = 1;
    }
    if (menuCursor >= saveFileCount + 2) menuCursor = 1;
    if (menuCursor <= 0) menuCursor = saveFileCount + 1;
    if (menuCursor >= 1 && menuCursor <= static_cast<int>(File1.entries.size())) {
        const std::string fileName = File1.entries[menuCursor - 1];
        sayIt(fileName);
        if (keyCode == key::Enter) {
            loadGame(fileName);
            if (!gameLoadFailed) menuState = 0;
        }
        return;
    }
    // The last position leads back, so a player without a game is never stuck.
    if (keyCode == key::Enter) {
        sayIt("Main Menu");
        menuState = 1;
        menuCursor = 0;
    } else {
        sayIt("Previous Menu");
    }
}

}  // namespace sonarch
