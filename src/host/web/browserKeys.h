// Turns the keys a web browser reports into the virtual-key codes the key
// handler works with, the same codes the desktop window gives for the same
// keys. Plain C++, so the table is checked without a browser.
#pragma once

#include <optional>
#include <string_view>

namespace sonarch::web {

// code: KeyboardEvent.code, the key's place on the keyboard ("KeyQ",
// "Numpad4"). key: KeyboardEvent.key, what the key types under the player's
// layout ("q", "ArrowLeft"). Nothing for a key the game has no code for.
std::optional<short> virtualKeyCode(std::string_view code, std::string_view key);

// What a key does on the page: the same as virtualKeyCode, except for the
// keys that stand in for the function keys browsers and laptop keyboards
// keep for themselves (help, fullscreen, developer tools, volume).
std::optional<short> pageKeyCode(std::string_view code, std::string_view key);

}  // namespace sonarch::web
