#include "host/window/keyMapping.h"

#include <array>
#include <utility>

namespace sonarch::window {

namespace {
// Keys whose code depends on their place on the keyboard, not on the layout.
constexpr std::array<std::pair<SDL_Scancode, short>, 50> byPlace{{
    {SDL_SCANCODE_BACKSPACE, 8},     {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_RETURN, 13},       {SDL_SCANCODE_RETURN2, 13},
    {SDL_SCANCODE_KP_ENTER, 13},     {SDL_SCANCODE_LSHIFT, 16},
    {SDL_SCANCODE_RSHIFT, 16},       {SDL_SCANCODE_LCTRL, 17},
    {SDL_SCANCODE_RCTRL, 17},        {SDL_SCANCODE_LALT, 18},
    {SDL_SCANCODE_RALT, 18},         {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},     {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},        {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},     {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},         {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},           {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},         {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},       {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_LGUI, 91},         {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},  {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},     {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},   {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_SEMICOLON, 186},   {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},       {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},      {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},       {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},   {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},  {SDL_SCANCODE_NONUSBACKSLASH, 226},
    {SDL_SCANCODE_NONUSHASH, 220},   {SDL_SCANCODE_KP_EQUALS, 187},
}};

// The keypad with Num Lock off: 0 Insert, 1 End, 2 Down, 3 Page Down,
// 4 Left, 5 Clear, 6 Right, 7 Home, 8 Up, 9 Page Up.
constexpr std::array<short, 10> keypadCursorKeys{45, 35, 40, 34, 37, 12, 39, 36, 38, 33};

std::optional<int> keypadDigit(SDL_Scancode scancode) {
    if (scancode == SDL_SCANCODE_KP_0) return 0;
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        return 1 + (scancode - SDL_SCANCODE_KP_1);
    return std::nullopt;
}
}  // namespace

std::optional<short> virtualKeyCode(SDL_Scancode scancode, SDL_Keycode symbol, bool keypadNumbers) {
    // Letters follow the layout, so that the key marked Q is Q everywhere;
    // a layout without Latin letters falls back to the key's place.
    if (symbol >= SDLK_a && symbol <= SDLK_z) return static_cast<short>('A' + (symbol - SDLK_a));
    // The history keys are the keys that type a comma and a full stop.
    if (symbol == SDLK_COMMA) return static_cast<short>(188);
    if (symbol == SDLK_PERIOD) return static_cast<short>(190);
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return static_cast<short>('A' + (scancode - SDL_SCANCODE_A));
    // The digit row keeps its digits whatever it prints (as on layouts that
    // need Shift for them).
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return static_cast<short>('1' + (scancode - SDL_SCANCODE_1));
    if (scancode == SDL_SCANCODE_0) return static_cast<short>('0');
    if (const auto digit = keypadDigit(scancode))
        return keypadNumbers ? static_cast<short>(96 + *digit) : keypadCursorKeys[*digit];
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return static_cast<short>(112 + (scancode - SDL_SCANCODE_F1));
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
        return static_cast<short>(124 + (scancode - SDL_SCANCODE_F13));
    for (const auto& [place, code] : byPlace)
        if (place == scancode) return code;
    return std::nullopt;
}

short shiftMask(Uint16 modifiers) {
    short mask = 0;
    if (modifiers & KMOD_SHIFT) mask |= 1;
    if (modifiers & KMOD_CTRL) mask |= 2;
    if (modifiers & KMOD_ALT) mask |= 4;
    return mask;
}

}  // namespace sonarch::window
