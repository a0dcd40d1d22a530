// The window's keyboard: SDL's keys become the virtual-key codes and the
// shift mask of the key handler, and the save prompt names what is typed.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "host/window/heldCtrl.h"
#include "host/window/keyMapping.h"
#include "host/window/spokenCharacter.h"

namespace sonarch::window {
namespace {

TEST(WindowKeys, EachKeyBecomesItsVirtualKeyCode) {
    struct Key {
        SDL_Scancode scancode;
        SDL_Keycode symbol;
        bool numLock;
        std::optional<short> code;
    };
    constexpr SDL_Keycode none = SDLK_UNKNOWN;
    const std::vector<Key> keys{
        // Letters follow the layout: on a French keyboard the key in the
        // place of Q types A; a layout without Latin letters keeps the
        // letter of the key's place.
        {SDL_SCANCODE_A, SDLK_a, true, 65}, {SDL_SCANCODE_Z, SDLK_z, true, 90},
        {SDL_SCANCODE_Q, SDLK_a, true, 65}, {SDL_SCANCODE_E, 0x0443, true, 69},
        // The digit row keeps its digits whatever it prints.
        {SDL_SCANCODE_0, SDLK_0, true, 48}, {SDL_SCANCODE_1, SDLK_1, true, 49},
        {SDL_SCANCODE_9, SDLK_9, true, 57}, {SDL_SCANCODE_1, SDLK_AMPERSAND, true, 49},
        // Keypad digits with Num Lock, the cursor keys printed on them without.
        {SDL_SCANCODE_KP_0, SDLK_KP_0, true, 96}, {SDL_SCANCODE_KP_1, SDLK_KP_1, true, 97},
        {SDL_SCANCODE_KP_5, SDLK_KP_5, true, 101}, {SDL_SCANCODE_KP_9, SDLK_KP_9, true, 105},
        {SDL_SCANCODE_KP_8, SDLK_KP_8, false, 38}, {SDL_SCANCODE_KP_2, SDLK_KP_2, false, 40},
        {SDL_SCANCODE_KP_4, SDLK_KP_4, false, 37}, {SDL_SCANCODE_KP_6, SDLK_KP_6, false, 39},
        {SDL_SCANCODE_KP_0, SDLK_KP_0, false, 45},
        {SDL_SCANCODE_F1, none, true, 112}, {SDL_SCANCODE_F5, none, true, 116},
        {SDL_SCANCODE_F12, none, true, 123},
        // The keys of the menus and of play.
        {SDL_SCANCODE_TAB, SDLK_TAB, true, 9}, {SDL_SCANCODE_RETURN, SDLK_RETURN, true, 13},
        {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, true, 13},
        {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, false, 13},
        {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, true, 27}, {SDL_SCANCODE_SPACE, SDLK_SPACE, true, 32},
        {SDL_SCANCODE_LEFT, SDLK_LEFT, true, 37}, {SDL_SCANCODE_UP, SDLK_UP, true, 38},
        {SDL_SCANCODE_RIGHT, SDLK_RIGHT, true, 39}, {SDL_SCANCODE_DOWN, SDLK_DOWN, true, 40},
        // Modifiers on both sides.
        {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, true, 16}, {SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, true, 16},
        {SDL_SCANCODE_LCTRL, SDLK_LCTRL, true, 17}, {SDL_SCANCODE_RCTRL, SDLK_RCTRL, true, 17},
        {SDL_SCANCODE_LALT, SDLK_LALT, true, 18}, {SDL_SCANCODE_RALT, SDLK_RALT, true, 18},
        // The history keys and the key left of 1; a layout that moves the
        // full stop elsewhere keeps it the history key.
        {SDL_SCANCODE_COMMA, SDLK_COMMA, true, 188}, {SDL_SCANCODE_PERIOD, SDLK_PERIOD, true, 190},
        {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, true, 192}, {SDL_SCANCODE_E, SDLK_PERIOD, true, 190},
        {SDL_SCANCODE_AUDIOPLAY, none, true, std::nullopt},
    };
    for (const Key& k : keys)
        EXPECT_EQ(virtualKeyCode(k.scancode, k.symbol, k.numLock), k.code)
            << SDL_GetScancodeName(k.scancode) << " symbol " << k.symbol << " num lock " << k.numLock;
}

TEST(WindowKeys, ShiftMaskHasOneBitForEachModifier) {
    EXPECT_EQ(shiftMask(KMOD_NONE), 0);
    EXPECT_EQ(shiftMask(KMOD_LSHIFT), 1);
    EXPECT_EQ(shiftMask(KMOD_RSHIFT), 1);
    EXPECT_EQ(shiftMask(KMOD_LCTRL), 2);
    EXPECT_EQ(shiftMask(KMOD_RCTRL), 2);
    EXPECT_EQ(shiftMask(KMOD_LALT), 4);
    EXPECT_EQ(shiftMask(KMOD_RALT), 4);
    EXPECT_EQ(shiftMask(KMOD_LSHIFT | KMOD_RCTRL), 3);
    EXPECT_EQ(shiftMask(KMOD_SHIFT | KMOD_CTRL | KMOD_ALT), 7);
    // Lock keys and the logo key are no modifiers of the game.
    EXPECT_EQ(shiftMask(KMOD_NUM | KMOD_CAPS | KMOD_LGUI), 0);
    EXPECT_EQ(shiftMask(KMOD_NUM | KMOD_LSHIFT), 1);
}

TEST(SavePromptWords, BlanksMarksAndCapitalsAreNamed) {
    EXPECT_EQ(spokenCharacter(" "), "space");
    EXPECT_EQ(spokenCharacter("."), "dot");
    EXPECT_EQ(spokenCharacter("_"), "underscore");
    EXPECT_EQ(spokenCharacter("G"), "capital G");
    EXPECT_EQ(spokenCharacter("g"), "g");
    EXPECT_EQ(spokenCharacter("7"), "7");
    EXPECT_EQ(spokenCharacter("\xC3\xA9"), "\xC3\xA9");
}

TEST(SavePromptWords, ErasingTakesAWholeCharacter) {
    std::string erased;
    EXPECT_EQ(withoutLastCharacter("ab", erased), "a");
    EXPECT_EQ(erased, "b");
    EXPECT_EQ(withoutLastCharacter("caf\xC3\xA9", erased), "caf");
    EXPECT_EQ(erased, "\xC3\xA9");
    EXPECT_EQ(withoutLastCharacter("", erased), "");
    EXPECT_EQ(erased, "");
}

TEST(HeldCtrlRepeats, AHeldCtrlRepeatsAfterTheTypematicDelay) {
    HeldCtrl ctrl;
    EXPECT_FALSE(ctrl.untilNextRepeat(1000).has_value());
    ctrl.pressed(1000, false);
    EXPECT_EQ(ctrl.untilNextRepeat(1000), 500u);
    EXPECT_FALSE(ctrl.takeRepeat(1499));
    EXPECT_TRUE(ctrl.takeRepeat(1500));
    EXPECT_EQ(ctrl.untilNextRepeat(1500), 33u);
    EXPECT_FALSE(ctrl.takeRepeat(1520));
    EXPECT_TRUE(ctrl.takeRepeat(1533));
}

TEST(HeldCtrlRepeats, ReleasingStopsTheRepeats) {
    HeldCtrl ctrl;
    ctrl.pressed(0, false);
    ctrl.released();
    EXPECT_FALSE(ctrl.untilNextRepeat(600).has_value());
    EXPECT_FALSE(ctrl.takeRepeat(600));
}

TEST(HeldCtrlRepeats, AKeyboardThatRepeatsCtrlItselfIsLeftToIt) {
    HeldCtrl ctrl;
    ctrl.pressed(0, false);
    ctrl.pressed(500, true);
    EXPECT_FALSE(ctrl.untilNextRepeat(600).has_value());
    EXPECT_FALSE(ctrl.takeRepeat(600));
    ctrl.released();
    ctrl.pressed(1000, false);
    EXPECT_FALSE(ctrl.takeRepeat(2000));
}

}  // namespace
}  // namespace sonarch::window
