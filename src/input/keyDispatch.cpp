// The one entry for key presses. Keys that work everywhere come first (the
// history, the speech switch, Ctrl); then a running pause refuses the rest;
// then a search by name (F) has the keys while it lasts; then Escape moves
// between play and the main menu; then the menu in force or the game keys
// get the press.
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

bool Form1::moveHistoryCursor(short keyCode, short shift) {
    if (keyCode == key::Period && shift == 0) {
        if (++messageCursor > messageCount) messageCursor = messageCount;
    } else if (keyCode == key::Period && shift == key::ShiftMask) {
        messageCursor = messageCount;
    } else if (keyCode == key::Comma && shift == 0) {
        if (--messageCursor <= 0) messageCursor = 1;
    } else if (keyCode == key::Comma && shift == key::ShiftMask) {
        messageCursor = 1;
    } else {
        return false;
    }
    return true;
}

// In the clear wording a player who presses a key while a computer player's
// turn is told hears once a pause why nothing happens, and how to go on.
void Form1::answerKeyInPause() {
    if (!words().clear || pauseKeyAnswered_ || menuState != 0) return;
    const int turn = board.turnPlayer;
    if (!board.isPlayer(turn) || board.isPerson(turn)) return;
    pauseKeyAnswered_ = true;
    sayIt(words().menus.computerTurnBeingTold(board.playerName[static_cast<std::size_t>(turn)]));
}

void Form1::Form_KeyDown(short& keyCode, const short& shift) {
    // The save prompt has the keyboard until it is answered.
    if (awaitingText_) return;
    // The terminal's Backspace: Ctrl, which a terminal cannot send alone,
    // except where there is a letter to erase.
    if (keyCode == key::TerminalBackspace) {
        short code = finding.active ? key::Backspace : key::Ctrl;
        Form_KeyDown(code, finding.active ? 0 : key::CtrlMask);
        return;
    }
    const bool modifierAlone = keyCode == key::Shift || keyCode == key::Ctrl || keyCode == key::Alt;
    // Help goes on sentence by sentence only while F1 is pressed again and again.
    if (keyCode != key::F1 && !modifierAlone) helpStep = 0;
    if (keyCode != key::M && !modifierAlone) boardStep = 0;
    if (messageCount > 0 && moveHistoryCursor(keyCode, shift)) {
        // Read back without entering the history again.
        sayIt(words().menus.historyEntry(messageCursor, messages[messageCursor]));
        return;
    }
    if (keyCode == key::F12) {
        sapiOn = !sapiOn;
        sayIt(words().menus.said(sapiOn ? MenuLine::SpeechOn : MenuLine::SpeechOff));
        return;
    }
    if (keyCode == key::Ctrl) {
        sayIt("");
        ctrlHeld = 1;
    }
    if (settingKeys(keyCode, shift) || strengthKey(keyCode, shift) || roundsKey(keyCode, shift)) return;
    // Talking to the room never waits for a pause to end.
    if (online_ != nullptr && menuState == 0 && onlineKeys(keyCode, shift)) return;
    // Questions about the board change nothing, so they need not wait.
    if (Holder.Enabled && menuState == 0 && (studyKeys(keyCode, shift) || playersKeys(keyCode, shift))) return;
    if (Holder.Enabled) {
        if (!modifierAlone) answerKeyInPause();
        return;
    }
    if (modifierAlone) return;
    if (confirmationKey(keyCode)) return;
    if (roomListKeys(keyCode, shift)) return;
    if (menuState == 0 && findKeys(keyCode, shift)) return;
    if (keyCode == key::Escape && menuState == 0) {
        countingPoints_ = false;
        menuState = 1;
        sayIt(words().menus.said(MenuLine::MainMenuOpened));
        return;
    }
    if (keyCode == key::Escape && board.humanPlayer != 0) {
        menuState = 0;
        sayIt(words().menus.said(MenuLine::MenuClosed));
        return;
    }
    if (menuState == 0) {
        gameKeys(keyCode, shift);
    } else {
        menuKeys(keyCode, shift);
    }
}

}  // namespace sonarch
