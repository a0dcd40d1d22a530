#include "host/terminal/terminalKeys.h"

#include "input/keyCodes.h"

namespace sonarch::terminal {

const char* const helpSentence =
    "Terminal keys: Backspace does what Ctrl does, it silences the voice and skips a pause; "
    "while you find a zone by name it erases. "
    "Equals does what Shift+Enter does, it ends the attack phase or the turn. "
    "Question mark repeats this help. Ctrl+C leaves the game at once, without saving. "
    "Ctrl+Z suspends it until you bring it back with fg.";
const char* const startHint = "Press question mark for the terminal keys.";

KeyMeaning meaningOf(const KeyStroke& typed) {
    using Action = KeyMeaning::Action;
    if (typed.code == key::C && typed.shift == key::CtrlMask) return {Action::Leave, {}};
    if (typed.code == key::Z && typed.shift == key::CtrlMask) return {Action::Suspend, {}};
    if (typed.code == standIn::help && typed.shift == key::ShiftMask) return {Action::Help, {}};
    // The game knows where Backspace erases and where it stands in for Ctrl.
    if (typed.code == standIn::ctrl && typed.shift == 0) return {Action::Press, {key::TerminalBackspace, 0}};
    if (typed.code == standIn::endPhase && typed.shift == 0) return {Action::Press, {key::Enter, key::ShiftMask}};
    return {Action::Press, typed};
}

}  // namespace sonarch::terminal
