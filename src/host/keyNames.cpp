#include "host/keyNames.h"

#include <array>
#include <string_view>
#include <utility>

#include "input/keyCodes.h"

namespace sonarch {

namespace {
constexpr std::array<std::pair<const char*, short>, 14> namedKeys{{
    {"Enter", key::Enter},   {"Escape", key::Escape}, {"Space", key::Space},
    {"Tab", key::Tab},       {"Left", key::Left},     {"Right", key::Right},
    {"Up", key::Up},         {"Down", key::Down},     {"Shift", key::Shift},
    {"Ctrl", key::Ctrl},     {"Alt", key::Alt},       {"Comma", key::Comma},
    {"Period", key::Period}, {"Grave", key::Grave},
}};

std::optional<short> baseKey(const std::string& name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<short>(name[0]);
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return static_cast<short>(name[0]);
    if (name.size() == 3 && name.rfind("KP", 0) == 0 && name[2] >= '0' && name[2] <= '9')
        return static_cast<short>(key::Keypad0 + (name[2] - '0'));
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9') return std::nullopt;
            n = n * 10 + (name[i] - '0');
        }
        if (n >= 1 && n <= 12 && name[1] != '0') return static_cast<short>(key::F1 + n - 1);
        return std::nullopt;
    }
    for (const auto& [keyText, code] : namedKeys)
        if (name == keyText) return code;
    return std::nullopt;
}
}  // namespace

std::optional<KeyStroke> parseKeyName(const std::string& name) {
    KeyStroke stroke;
    // Each modifier is looked at once where it stands, so a line of many
    // costs no more than their length.
    std::size_t at = 0;
    for (;;) {
        const auto plus = name.find('+', at);
        if (plus == std::string::npos || plus + 1 == name.size()) break;
        const std::string_view modifier = std::string_view(name).substr(at, plus - at);
        short bit = 0;
        if (modifier == "Shift") bit = key::ShiftMask;
        else if (modifier == "Ctrl") bit = key::CtrlMask;
        else if (modifier == "Alt") bit = key::AltMask;
        else return std::nullopt;
        stroke.shift = static_cast<short>(stroke.shift | bit);
        at = plus + 1;
    }
    const std::string rest = name.substr(at);
    const auto code = baseKey(rest);
    if (!code) return std::nullopt;
    stroke.code = *code;
    // A modifier key pressed on its own carries its own bit, as on the desktop.
    if (*code == key::Shift) stroke.shift = static_cast<short>(stroke.shift | key::ShiftMask);
    if (*code == key::Ctrl) stroke.shift = static_cast<short>(stroke.shift | key::CtrlMask);
    if (*code == key::Alt) stroke.shift = static_cast<short>(stroke.shift | key::AltMask);
    return stroke;
}

}  // namespace sonarch
