// The window's key messages as the game receives them.
#include <gtest/gtest.h>
#include <windows.h>

#include "host/windows/keyMapping.h"

namespace sonarch::windows {
namespace {

TEST(WindowsKeys, MessagesBecomeVirtualKeyCodesAndTheShiftMask) {
    struct Case {
        UINT message;
        WPARAM key;
        bool known, down;
        short code;
    };
    const Case cases[] = {
        {WM_KEYDOWN, 'A', true, true, 65},          {WM_KEYUP, 'A', true, false, 65},
        {WM_SYSKEYDOWN, VK_F10, true, true, 121},   {WM_SYSKEYDOWN, VK_MENU, true, true, 18},
        {WM_SYSKEYUP, VK_RMENU, true, false, 18},   {WM_KEYDOWN, VK_RCONTROL, true, true, 17},
        {WM_KEYUP, VK_LCONTROL, true, false, 17},   {WM_KEYDOWN, VK_RSHIFT, true, true, 16},
        {WM_KEYDOWN, VK_OEM_PERIOD, true, true, 190}, {WM_KEYDOWN, VK_OEM_COMMA, true, true, 188},
        {WM_KEYDOWN, VK_NUMPAD7, true, true, 103},  {WM_KEYDOWN, VK_HOME, true, true, 36},
        {WM_KEYDOWN, VK_F12, true, true, 123},      {WM_KEYDOWN, VK_RETURN, true, true, 13},
        {WM_KEYDOWN, VK_PROCESSKEY, false, false, 0}, {WM_KEYDOWN, VK_PACKET, false, false, 0},
        {WM_KEYDOWN, 0xFF, false, false, 0},        {WM_CHAR, 'A', false, false, 0},
    };
    for (const Case& c : cases) {
        const auto key = gameKey(c.message, c.key);
        ASSERT_EQ(key.has_value(), c.known) << c.message << " " << c.key;
        if (!key) continue;
        EXPECT_EQ(key->down, c.down) << c.key;
        EXPECT_EQ(key->code, c.code) << c.key;
    }
    EXPECT_EQ(shiftMask(false, false, false), 0);
    EXPECT_EQ(shiftMask(true, false, false), 1);
    EXPECT_EQ(shiftMask(false, true, false), 2);
    EXPECT_EQ(shiftMask(false, false, true), 4);
    EXPECT_EQ(shiftMask(true, true, true), 7);
}

}  // namespace
}  // namespace sonarch::windows
