// The page's keys: the browser's names for a key give the same code as the
// desktop window gives for the same key.
#include <gtest/gtest.h>

#include "host/web/browserKeys.h"

namespace sonarch::web {
namespace {

struct BrowserKey {
    const char* code;
    const char* key;
    int expected;  // 0: the game has no code for it
};

TEST(BrowserKeys, MatchTheWindowsCodes) {
    const BrowserKey table[] = {
        {"KeyQ", "q", 'Q'},           {"KeyQ", "Q", 'Q'},          {"KeyA", "q", 'Q'},  // AZERTY
        {"KeyQ", "й", 'Q'},           {"Digit1", "!", '1'},        {"Digit0", "à", '0'},
        {"Comma", ",", 188},          {"Comma", "<", 188},         {"KeyM", ",", 188},  // AZERTY comma
        {"Period", ".", 190},         {"Backquote", "`", 192},     {"Enter", "Enter", 13},
        {"NumpadEnter", "Enter", 13}, {"Escape", "Escape", 27},    {"Space", " ", 32},
        {"Tab", "Tab", 9},            {"ArrowLeft", "ArrowLeft", 37}, {"ArrowDown", "ArrowDown", 40},
        {"ShiftRight", "Shift", 16},  {"ControlLeft", "Control", 17}, {"AltLeft", "Alt", 18},
        {"F1", "F1", 112},            {"F12", "F12", 123},         {"F24", "F24", 135},
        {"Numpad4", "4", 100},        {"Numpad4", "ArrowLeft", 37}, {"Numpad5", "Clear", 12},
        {"NumpadDecimal", ",", 110},  {"NumpadDecimal", "Delete", 46}, {"Backslash", "\\", 220},
        {"Fn", "Fn", 0},              {"F25", "F25", 0},           {"Keyboard", "", 0},
    };
    for (const auto& [code, key, expected] : table)
        EXPECT_EQ(virtualKeyCode(code, key).value_or(0), expected) << code << " typing " << key;
}

TEST(BrowserKeys, StandInsForTheFunctionKeysBrowsersKeep) {
    const BrowserKey table[] = {{"Slash", "/", 112}, {"Minus", "-", 120}, {"Equal", "=", 121},
                                {"Quote", "'", 122}, {"Backslash", "\\", 123}, {"BracketRight", "]", 114},
                                {"BracketLeft", "[", 113}, {"Semicolon", ";", 115},
                                {"KeyQ", "q", 'Q'}};
    for (const auto& [code, key, expected] : table) EXPECT_EQ(pageKeyCode(code, key).value_or(0), expected) << code;
}

}  // namespace
}  // namespace sonarch::web
