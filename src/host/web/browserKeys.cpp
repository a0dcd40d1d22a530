#include "host/web/browserKeys.h"

#include <array>
#include <utility>

#include "input/keyCodes.h"

namespace sonarch::web {

namespace {
// Keys whose code depends on their place on the keyboard, not on the layout.
constexpr std::array<std::pair<std::string_view, short>, 46> byPlace{{
    {"Backspace", key::Backspace},     {"Tab", key::Tab},
    {"Enter", key::Enter},             {"NumpadEnter", key::Enter},
    {"ShiftLeft", key::Shift},         {"ShiftRight", key::Shift},
    {"ControlLeft", key::Ctrl},        {"ControlRight", key::Ctrl},
    {"AltLeft", key::Alt},             {"AltRight", key::Alt},
    {"Pause", key::Pause},             {"CapsLock", key::CapsLock},
    {"Escape", key::Escape},           {"Space", key::Space},
    {"PageUp", key::PageUp},           {"PageDown", key::PageDown},
    {"End", key::End},                 {"Home", key::Home},
    {"ArrowLeft", key::Left},          {"ArrowUp", key::Up},
    {"ArrowRight", key::Right},        {"ArrowDown", key::Down},
    {"PrintScreen", key::PrintScreen}, {"Insert", key::Insert},
    {"Delete", key::Delete},           {"MetaLeft", key::LeftWindows},
    {"MetaRight", key::RightWindows},  {"ContextMenu", key::Menu},
    {"NumpadMultiply", key::KeypadMultiply}, {"NumpadAdd", key::KeypadPlus},
    {"NumpadSubtract", key::KeypadMinus},    {"NumpadDivide", key::KeypadDivide},
    {"NumLock", key::NumLock},         {"ScrollLock", key::ScrollLock},
    {"Semicolon", key::Semicolon},     {"Equal", key::Equals},
    {"NumpadEqual", key::Equals},      {"Comma", key::Comma},
    {"Minus", key::Minus},             {"Period", key::Period},
    {"Slash", key::Slash},             {"Backquote", key::Grave},
    {"BracketLeft", key::LeftBracket}, {"Backslash", key::Backslash},
    {"BracketRight", key::RightBracket}, {"Quote", key::Apostrophe},
}};

// The keypad with Num Lock off: what the browser says the key does, by the
// cursor key printed on it.
constexpr std::array<std::pair<std::string_view, short>, 11> keypadCursorKeys{{
    {"Insert", key::Insert}, {"End", key::End},     {"ArrowDown", key::Down},
    {"PageDown", key::PageDown}, {"ArrowLeft", key::Left}, {"Clear", key::Clear},
    {"ArrowRight", key::Right}, {"Home", key::Home}, {"ArrowUp", key::Up},
    {"PageUp", key::PageUp}, {"Delete", key::Delete},
}};

// Keys the game leaves unused, each near the meaning of its function key:
// the question mark for help, minus and equals (plus) for slower and faster,
// the two square brackets side by side for F2 and F3, and the semicolon
// below them for F4, which follows them.
constexpr std::array<std::pair<std::string_view, short>, 8> standIns{{
    {"Slash", key::F1}, {"BracketLeft", key::F2}, {"BracketRight", key::F3}, {"Semicolon", key::F4},
    {"Minus", key::F9}, {"Equal", key::F10}, {"Quote", key::F11}, {"Backslash", key::F12},
}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<short> latinLetter(std::string_view text) {
    if (text.size() != 1) return std::nullopt;
    const char c = text[0];
    if (c >= 'a' && c <= 'z') return static_cast<short>(key::LetterA + (c - 'a'));
    if (c >= 'A' && c <= 'Z') return static_cast<short>(key::LetterA + (c - 'A'));
    return std::nullopt;
}

std::optional<short> keypadKey(std::string_view code, std::string_view key) {
    // With Num Lock on the key types its digit or its decimal sign.
    if (code == "NumpadDecimal") return key == "Delete" ? key::Delete : key::KeypadDecimal;
    const std::string_view digit = code.substr(6);
    if (digit.size() != 1 || !isDigit(digit[0])) return std::nullopt;
    if (key.size() == 1 && isDigit(key[0])) return static_cast<short>(key::Keypad0 + (digit[0] - '0'));
    for (const auto& [name, vk] : keypadCursorKeys)
        if (name == key) return vk;
    return std::nullopt;
}

std::optional<short> functionKey(std::string_view code) {
    if (code.size() < 2 || code.size() > 3 || code[0] != 'F') return std::nullopt;
    int number = 0;
    for (const char c : code.substr(1)) {
        if (!isDigit(c)) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > 24) return std::nullopt;
    return static_cast<short>(key::F1 + number - 1);
}
}  // namespace

std::optional<short> virtualKeyCode(std::string_view code, std::string_view key) {
    // The keypad first: its decimal key types a full stop or a comma too.
    if (code.substr(0, 6) == "Numpad") {
        if (const auto onKeypad = keypadKey(code, key)) return onKeypad;
    }
    // Letters follow the layout, so that the key marked Q is Q everywhere; a
    // layout without Latin letters falls back to the key's place. The history
    // keys are likewise the keys that type a comma and a full stop.
    if (const auto letter = latinLetter(key)) return letter;
    if (key == ",") return key::Comma;
    if (key == ".") return key::Period;
    if (code.size() == 4 && code.substr(0, 3) == "Key") return latinLetter(code.substr(3));
    // The digit row keeps its digits whatever it prints.
    if (code.size() == 6 && code.substr(0, 5) == "Digit" && isDigit(code[5]))
        return static_cast<short>(key::Digit0 + (code[5] - '0'));
    if (const auto function = functionKey(code)) return function;
    for (const auto& [place, vk] : byPlace)
        if (place == code) return vk;
    return std::nullopt;
}

std::optional<short> pageKeyCode(std::string_view code, std::string_view key) {
    for (const auto& [place, functionKey] : standIns)
        if (place == code) return functionKey;
    return virtualKeyCode(code, key);
}

}  // namespace sonarch::web
