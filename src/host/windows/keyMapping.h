// Turns the window's key messages into the game's key events: the
// virtual-key code the message carries, and the shift mask 1 Shift, 2 Ctrl,
// 4 Alt. Pure functions of the message, so the table can be checked
// without a window.
#pragma once

#include <optional>

namespace sonarch::windows {

struct GameKey {
    bool down;   // a press (or a repeat of one); false for a release
    short code;  // the virtual-key code
};

// message: WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP or WM_SYSKEYUP; anything else,
// and keys that stand for no key of the keyboard, give nothing.
std::optional<GameKey> gameKey(unsigned message, unsigned long long virtualKey);
short shiftMask(bool shift, bool ctrl, bool alt);

}  // namespace sonarch::windows
