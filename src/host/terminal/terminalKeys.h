// What a key read from the terminal means to the host: a press for the game,
// the terminal's help, leaving at once, or stopping until `fg` (Ctrl+Z). Keys that not every terminal can
// send (Shift+Enter, Ctrl alone) have stand-ins that every terminal can.
#pragma once

#include "input/keyCodes.h"

namespace sonarch::terminal {

namespace standIn {
constexpr short ctrl = key::Backspace;     // Backspace does what Ctrl does, but in a search
constexpr short endPhase = key::Equals;  // the equals key does what Shift+Enter does
constexpr short help = key::Slash;       // question mark: Shift and the slash key
}  // namespace standIn

struct KeyMeaning {
    enum class Action { Press, Help, Leave, Suspend };
    Action action = Action::Press;
    KeyStroke stroke;  // the key the game is given, for Press
};

KeyMeaning meaningOf(const KeyStroke& typed);

// Spoken by the help key; the README names the same keys.
extern const char* const helpSentence;
// Printed once before the welcome.
extern const char* const startHint;

}  // namespace sonarch::terminal
