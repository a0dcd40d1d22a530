// The window's keyboard: SDL's keys become the virtual-key codes and the
// shift mask of the key handler, and the save prompt names what is typed.
#include <gtest/gtest.h>

#include "host/window/heldCtrl.h"
#include "host/window/keyMapping.h"
#include "host/window/spokenCharacter.h"

namespace sonarch::window {
namespace {

std::optional<short> codeOf(SDL_Scancode scancode, SDL_Keycode symbol = SDLK_UNKNOWN,
                            bool numLock = true) {
    return virtualKeyCode(scancode, symbol, numLock);
}

TEST(WindowKeys, LettersFollowTheLayoutAndFallBackToTheirPlace) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_A, SDLK_a), 65);
    EXPECT_EQ(codeOf(SDL_SCANCODE_Z, SDLK_z), 90);
    // On a French keyboard the key in the place of Q types A.
    EXPECT_EQ(codeOf(SDL_SCANCODE_Q, SDLK_a), 65);
    // A layout without Latin letters keeps the letter of the key's place.
    EXPECT_EQ(codeOf(SDL_SCANCODE_E, 0x0443), 69);
}

TEST(WindowKeys, DigitRowKeepsItsDigitsWhateverItPrints) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_0, SDLK_0), 48);
    EXPECT_EQ(codeOf(SDL_SCANCODE_1, SDLK_1), 49);
    EXPECT_EQ(codeOf(SDL_SCANCODE_9, SDLK_9), 57);
    EXPECT_EQ(codeOf(SDL_SCANCODE_1, SDLK_AMPERSAND), 49);
}

TEST(WindowKeys, KeypadDigitsAreTheirOwnCodesWithNumLock) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_0, SDLK_KP_0), 96);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_1, SDLK_KP_1), 97);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_5, SDLK_KP_5), 101);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_9, SDLK_KP_9), 105);
}

TEST(WindowKeys, KeypadWithoutNumLockIsTheCursorKeysPrintedOnIt) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_8, SDLK_KP_8, false), 38);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_2, SDLK_KP_2, false), 40);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_4, SDLK_KP_4, false), 37);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_6, SDLK_KP_6, false), 39);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_0, SDLK_KP_0, false), 45);
}

TEST(WindowKeys, FunctionKeys) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_F1), 112);
    EXPECT_EQ(codeOf(SDL_SCANCODE_F5), 116);
    EXPECT_EQ(codeOf(SDL_SCANCODE_F12), 123);
}

TEST(WindowKeys, TheKeysOfTheMenusAndOfPlay) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_TAB, SDLK_TAB), 9);
    EXPECT_EQ(codeOf(SDL_SCANCODE_RETURN, SDLK_RETURN), 13);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), 13);
    EXPECT_EQ(codeOf(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, false), 13);
    EXPECT_EQ(codeOf(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), 27);
    EXPECT_EQ(codeOf(SDL_SCANCODE_SPACE, SDLK_SPACE), 32);
    EXPECT_EQ(codeOf(SDL_SCANCODE_LEFT, SDLK_LEFT), 37);
    EXPECT_EQ(codeOf(SDL_SCANCODE_UP, SDLK_UP), 38);
    EXPECT_EQ(codeOf(SDL_SCANCODE_RIGHT, SDLK_RIGHT), 39);
    EXPECT_EQ(codeOf(SDL_SCANCODE_DOWN, SDLK_DOWN), 40);
}

TEST(WindowKeys, ModifierKeysOnBothSides) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT), 16);
    EXPECT_EQ(codeOf(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT), 16);
    EXPECT_EQ(codeOf(SDL_SCANCODE_LCTRL, SDLK_LCTRL), 17);
    EXPECT_EQ(codeOf(SDL_SCANCODE_RCTRL, SDLK_RCTRL), 17);
    EXPECT_EQ(codeOf(SDL_SCANCODE_LALT, SDLK_LALT), 18);
    EXPECT_EQ(codeOf(SDL_SCANCODE_RALT, SDLK_RALT), 18);
}

TEST(WindowKeys, HistoryKeysAndTheKeyLeftOfOne) {
    EXPECT_EQ(codeOf(SDL_SCANCODE_COMMA, SDLK_COMMA), 188);
    EXPECT_EQ(codeOf(SDL_SCANCODE_PERIOD, SDLK_PERIOD), 190);
    EXPECT_EQ(codeOf(SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE), 192);
    // A layout that moves the full stop elsewhere keeps it the history key.
    EXPECT_EQ(codeOf(SDL_SCANCODE_E, SDLK_PERIOD), 190);
}

TEST(WindowKeys, UnknownKeysHaveNoCode) {
    EXPECT_FALSE(codeOf(SDL_SCANCODE_AUDIOPLAY).has_value());
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

}  // namespace
}  // namespace sonarch::window

namespace sonarch::window {
namespace {

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
