#include "host/window/keyMapping.h"

#include <array>
#include <utility>

#include "input/keyCodes.h"

namespace sonarch::window {

namespace {
// Keys whose code depends on their place on the keyboard, not on the layout.
constexpr std::array<std::pair<SDL_Scancode, short>, 50> byPlace{{
    {SDL_SCANCODE_BACKSPACE, key::Backspace},     {SDL_SCANCODE_TAB, key::Tab},
    {SDL_SCANCODE_RETURN, key::Enter},            {SDL_SCANCODE_RETURN2, key::Enter},
    {SDL_SCANCODE_KP_ENTER, key::Enter},          {SDL_SCANCODE_LSHIFT, key::Shift},
    {SDL_SCANCODE_RSHIFT, key::Shift},            {SDL_SCANCODE_LCTRL, key::Ctrl},
    {SDL_SCANCODE_RCTRL, key::Ctrl},              {SDL_SCANCODE_LALT, key::Alt},
    {SDL_SCANCODE_RALT, key::Alt},                {SDL_SCANCODE_PAUSE, key::Pause},
    {SDL_SCANCODE_CAPSLOCK, key::CapsLock},       {SDL_SCANCODE_ESCAPE, key::Escape},
    {SDL_SCANCODE_SPACE, key::Space},             {SDL_SCANCODE_PAGEUP, key::PageUp},
    {SDL_SCANCODE_PAGEDOWN, key::PageDown},       {SDL_SCANCODE_END, key::End},
    {SDL_SCANCODE_HOME, key::Home},               {SDL_SCANCODE_LEFT, key::Left},
    {SDL_SCANCODE_UP, key::Up},                   {SDL_SCANCODE_RIGHT, key::Right},
    {SDL_SCANCODE_DOWN, key::Down},               {SDL_SCANCODE_PRINTSCREEN, key::PrintScreen},
    {SDL_SCANCODE_INSERT, key::Insert},           {SDL_SCANCODE_DELETE, key::Delete},
    {SDL_SCANCODE_LGUI, key::LeftWindows},        {SDL_SCANCODE_RGUI, key::RightWindows},
    {SDL_SCANCODE_APPLICATION, key::Menu},        {SDL_SCANCODE_KP_MULTIPLY, key::KeypadMultiply},
    {SDL_SCANCODE_KP_PLUS, key::KeypadPlus},      {SDL_SCANCODE_KP_MINUS, key::KeypadMinus},
    {SDL_SCANCODE_KP_PERIOD, key::KeypadDecimal}, {SDL_SCANCODE_KP_DIVIDE, key::KeypadDivide},
    {SDL_SCANCODE_NUMLOCKCLEAR, key::NumLock},    {SDL_SCANCODE_SCROLLLOCK, key::ScrollLock},
    {SDL_SCANCODE_SEMICOLON, key::Semicolon},     {SDL_SCANCODE_EQUALS, key::Equals},
    {SDL_SCANCODE_COMMA, key::Comma},             {SDL_SCANCODE_MINUS, key::Minus},
    {SDL_SCANCODE_PERIOD, key::Period},           {SDL_SCANCODE_SLASH, key::Slash},
    {SDL_SCANCODE_GRAVE, key::Grave},             {SDL_SCANCODE_LEFTBRACKET, key::LeftBracket},
    {SDL_SCANCODE_BACKSLASH, key::Backslash},     {SDL_SCANCODE_RIGHTBRACKET, key::RightBracket},
    {SDL_SCANCODE_APOSTROPHE, key::Apostrophe},   {SDL_SCANCODE_NONUSBACKSLASH, key::ExtraBackslash},
    {SDL_SCANCODE_NONUSHASH, key::Backslash},     {SDL_SCANCODE_KP_EQUALS, key::Equals},
}};

// The keypad with Num Lock off: 0 Insert, 1 End, 2 Down, 3 Page Down,
// 4 Left, 5 Clear, 6 Right, 7 Home, 8 Up, 9 Page Up.
constexpr std::array<short, 10> keypadCursorKeys{key::Insert, key::End,   key::Down,  key::PageDown,
                                                 key::Left,   key::Clear, key::Right, key::Home,
                                                 key::Up,     key::PageUp};

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
    if (symbol == SDLK_COMMA) return key::Comma;
    if (symbol == SDLK_PERIOD) return key::Period;
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return static_cast<short>('A' + (scancode - SDL_SCANCODE_A));
    // The digit row keeps its digits whatever it prints (as on layouts that
    // need Shift for them).
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return static_cast<short>('1' + (scancode - SDL_SCANCODE_1));
    if (scancode == SDL_SCANCODE_0) return static_cast<short>('0');
    if (const auto digit = keypadDigit(scancode))
        return keypadNumbers ? static_cast<short>(key::Keypad0 + *digit) : keypadCursorKeys[*digit];
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return static_cast<short>(key::F1 + (scancode - SDL_SCANCODE_F1));
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24)
        return static_cast<short>(key::F13 + (scancode - SDL_SCANCODE_F13));
    for (const auto& [place, code] : byPlace)
        if (place == scancode) return code;
    return std::nullopt;
}

short shiftMask(Uint16 modifiers) {
    short mask = 0;
    if (modifiers & KMOD_SHIFT) mask |= key::ShiftMask;
    if (modifiers & KMOD_CTRL) mask |= key::CtrlMask;
    if (modifiers & KMOD_ALT) mask |= key::AltMask;
    return mask;
}

}  // namespace sonarch::window
