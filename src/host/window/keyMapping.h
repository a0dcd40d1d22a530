// Turns the keys SDL reports into the virtual-key codes and the shift mask
// the key handler works with. Pure functions of the event's fields, so the
// table can be checked without a display.
#pragma once

#include <SDL_keyboard.h>

#include <optional>

namespace sonarch::window {

// The virtual-key code of a key, or nothing for a key the game has no code for.
// keypadNumbers: whether Num Lock is on; without it the keypad digits are the
// cursor keys printed on them, as on the desktop the game comes from.
std::optional<short> virtualKeyCode(SDL_Scancode scancode, SDL_Keycode symbol, bool keypadNumbers);
// 1 Shift, 2 Ctrl, 4 Alt, from SDL's modifier state.
short shiftMask(Uint16 modifiers);

}  // namespace sonarch::window
