#include "host/windows/keyMapping.h"

#include <windows.h>

namespace sonarch::windows {

std::optional<GameKey> gameKey(unsigned message, unsigned long long virtualKey) {
    bool down = false;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: down = true; break;
    case WM_KEYUP:
    case WM_SYSKEYUP: down = false; break;
    default: return std::nullopt;
    }
    switch (virtualKey) {
    // The game knows one Shift, one Ctrl and one Alt.
    case VK_LSHIFT:
    case VK_RSHIFT: return GameKey{down, VK_SHIFT};
    case VK_LCONTROL:
    case VK_RCONTROL: return GameKey{down, VK_CONTROL};
    case VK_LMENU:
    case VK_RMENU: return GameKey{down, VK_MENU};
    // An input method at work, a character sent without a key, and no key.
    case VK_PROCESSKEY:
    case VK_PACKET:
    case 0:
    case 0xFF: return std::nullopt;
    default: break;
    }
    if (virtualKey > 0xFE) return std::nullopt;
    return GameKey{down, static_cast<short>(virtualKey)};
}

short shiftMask(bool shift, bool ctrl, bool alt) {
    return static_cast<short>((shift ? 1 : 0) | (ctrl ? 2 : 0) | (alt ? 4 : 0));
}

}  // namespace sonarch::windows
