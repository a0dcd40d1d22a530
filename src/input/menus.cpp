// The three spoken menus: the main menu, the map list with its question for
// the number of computer players, and the saved-game list. Arrows move,
// every key speaks the item at the position, Enter chooses it.
#include <string>

#include "files/fileList.h"
#include "game/Form1.h"
#include "input/keyCodes.h"
#include "wording/playWords.h"

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
    if (newMapKey(keyCode, shift) || onlineMenuKey(keyCode, shift)) return;
    // In the clear sentences S still tells how a game that just ended stood.
    if (keyCode == key::S && shift == 0 && menuState == 1 && board.gameOver && words().clear) {
        sayIt(words().play.finalStandings(board, aLonePerson(board) ? listenerOf(board) : 0));
        return;
    }
    if (isForward(keyCode)) ++menuCursor;
    if (isBackward(keyCode)) --menuCursor;
    switch (menuState) {
    case 1: mainMenuKeys(keyCode); break;
    case 2: mapListKeys(keyCode, shift); break;
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
    if (!listed && list == 3) sayIt(words().menus.said(MenuLine::SavesFolderUnreadable));
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
    if (keyCode != key::Enter) {
        sayIt(words().menus.mainMenuItem(menuCursor));
        return;
    }
    switch (menuCursor) {
    case 1: openFileList(words().menus.said(MenuLine::MapListOpened), mapsFolders(), mapFileCount, 2); break;
    case 2: openFileList(words().menus.said(MenuLine::SavedGamesOpened), {savesFolder()}, saveFileCount, 3); break;
    case 3: {
        if (board.humanPlayer == 0) {
            sayIt(words().menus.said(MenuLine::NothingToSave));
            break;
        }
        const std::string prompt = words().menus.said(MenuLine::SavePrompt);
        sayIt(prompt);
        awaitingText_ = true;
        frontEnd_.askText(prompt, speakingVoice());
        break;
    }
    case 4:
        if (board.humanPlayer != 0) {
            // The main menu wraps from its first item to Exit: one key too
            // many must not throw a game away.
            confirming = Confirming::Exit;
            sayIt(words().menus.said(MenuLine::ExitWithGameInProgress));
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
    if (chatting_) {
        chatEntered(name);
        return;
    }
    if (onlineStep_ != 0) {
        onlineAnswered(name);
        return;
    }
    if (namingPerson_ != 0) {
        personNameEntered(name);
        return;
    }
    if (name) {
        saveOrAskToReplace(*name);
    } else {
        sayIt(words().menus.said(MenuLine::SaveCancelled));
    }
}

void Form1::mapListKeys(short& keyCode, short shift) {
    if (setupStep == 0) {
        if (keyCode == key::Enter && menuCursor == 0) {
            keyCode = 0;
            menuCursor = 1;
        }
        if (menuCursor >= mapFileCount + 2) menuCursor = 1;
        if (menuCursor <= 0) menuCursor = mapFileCount + 1;
        if (menuCursor >= 1 && menuCursor <= static_cast<int>(File1.entries.size())) {
            sayIt(words().menus.listEntry(File1.entries[menuCursor - 1], File1.entries));
            if (keyCode == key::Enter) {
                mapPath = File1.paths[menuCursor - 1];
                loadMap();
                // A refused map has said why; the list stays open on it.
                if (!mapLoadFailed) {
                    askHowManyComputers(fitPeopleToMap());
                    setupStep = 1;
                }
            }
        }
    }
    // Each group sees the step as the groups before it in this press left it.
    if (setupStep == 1) {
        if (keyCode == key::Escape) {
            setupStep = 0;
            sayIt(words().menus.said(MenuLine::BackToMapList));
            return;
        }
        // With people added, peopleKeys takes the number too.
        if (peopleKeys(keyCode, shift)) return;
        if (people.empty()) {
            if ((keyCode < key::Digit0 || keyCode > maxPlayers + 47) && keyCode != key::Enter)
                sayIt(words().menus.numberRefused(maxPlayers - 1));
            if (keyCode >= key::Digit1 && keyCode <= maxPlayers + 47) {
                computersChosen = keyCode - 48;
                setupStep = 2;
            }
        }
    }
    if (setupStep == 2) {
        menuState = 0;
        startUsOut();
        setupStep = 0;
        return;
    }
    if (setupStep == 0 && menuCursor == mapFileCount + 1) {
        previousMenuKey(keyCode);
    }
}

// The last position of both lists leads back to the main menu.
void Form1::previousMenuKey(short keyCode) {
    if (keyCode == key::Enter) {
        sayIt(words().menus.said(MenuLine::MainMenuOpened));
        menuState = 1;
        menuCursor = 0;
    } else {
        sayIt(words().menus.said(MenuLine::PreviousMenu));
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
        sayIt(words().menus.listEntry(fileName, File1.entries));
        if (keyCode == key::Enter) {
            loadGame(fileName);
            if (!gameLoadFailed) menuState = 0;
        }
        return;
    }
    // The last position leads back, so a player without a game is never stuck.
    previousMenuKey(keyCode);
}

}  // namespace sonarch
