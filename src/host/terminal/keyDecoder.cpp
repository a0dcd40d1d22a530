// Byte sequences of the keys, as xterm-like terminals, the Linux console,
// tmux and the kitty keyboard protocol send them. Characters are read as on
// a US keyboard, which is the layout the window's key codes name.
#include "host/terminal/keyDecoder.h"

#include <array>
#include <optional>
#include <vector>

#include "input/keyCodes.h"

namespace sonarch::terminal {

namespace {

using Kind = DecodedKey::Kind;

constexpr char escape = '\x1b';
constexpr std::size_t longestSequence = 64;

KeyStroke stroke(short code, short shift = 0) { return KeyStroke{code, shift}; }

struct Punctuation {
    char plain;
    char shifted;
    short code;
};
constexpr std::array<Punctuation, 11> punctuation{{
    {',', '<', key::Comma}, {'.', '>', key::Period}, {'`', '~', key::Grave},
    {'-', '_', key::Minus}, {'=', '+', key::Equals}, {'[', '{', key::LeftBracket},
    {']', '}', key::RightBracket}, {'\\', '|', key::Backslash}, {';', ':', key::Semicolon},
    {'\'', '"', key::Apostrophe}, {'/', '?', key::Slash},
}};
constexpr std::string_view shiftedDigits = ")!@#$%^&*(";

// The key that types a character, with the Shift it needs.
std::optional<KeyStroke> characterKey(char32_t c) {
    if (c >= 'a' && c <= 'z') return stroke(static_cast<short>(c - 'a' + 'A'));
    if (c >= 'A' && c <= 'Z') return stroke(static_cast<short>(c), key::ShiftMask);
    if (c >= '0' && c <= '9') return stroke(static_cast<short>(c));
    if (c == ' ') return stroke(key::Space);
    const auto digit = shiftedDigits.find(static_cast<char>(c));
    if (c < 128 && digit != std::string_view::npos)
        return stroke(static_cast<short>(key::Digit0 + digit), key::ShiftMask);
    for (const Punctuation& p : punctuation) {
        if (c == static_cast<char32_t>(p.plain)) return stroke(p.code);
        if (c == static_cast<char32_t>(p.shifted)) return stroke(p.code, key::ShiftMask);
    }
    return std::nullopt;
}

// A single byte below the printable range: Enter, Tab, Backspace, or a
// letter typed with Ctrl.
std::optional<KeyStroke> controlKey(unsigned char byte) {
    switch (byte) {
    case '\r':
    case '\n': return stroke(key::Enter);
    case '\t': return stroke(key::Tab);
    case 0x7f:
    case 0x08: return stroke(key::Backspace);
    case 0x00: return stroke(key::Space, key::CtrlMask);
    default: break;
    }
    if (byte >= 1 && byte <= 26) return stroke(static_cast<short>('A' + byte - 1), key::CtrlMask);
    return std::nullopt;
}

// The modifier parameter of xterm and kitty: one more than a bit mask whose
// low bits are Shift 1, Alt 2, Ctrl 4. Lock keys and Super do not count.
short modifierMask(int parameter) {
    if (parameter < 2) return 0;
    const int bits = parameter - 1;
    short mask = 0;
    if (bits & 1) mask |= key::ShiftMask;
    if (bits & 2) mask |= key::AltMask;
    if (bits & 4) mask |= key::CtrlMask;
    return mask;
}

KeyStroke withMask(KeyStroke s, short mask) {
    s.shift = static_cast<short>(s.shift | mask);
    return s;
}

// A modifier key pressed alone carries its own bit, as in the window.
KeyStroke modifierKey(short code) {
    const short bit = code == key::Shift ? key::ShiftMask : code == key::Ctrl ? key::CtrlMask : key::AltMask;
    return stroke(code, bit);
}

std::string utf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The key code of the kitty protocol and of xterm's modifyOtherKeys: a
// Unicode character for keys that type one, private numbers for the rest.
DecodedKey unicodeKey(long code, short mask, std::size_t length) {
    DecodedKey result{Kind::Key, length, {}, {}};
    std::optional<KeyStroke> base;
    if (code == 13 || code == 57414) base = stroke(key::Enter);
    else if (code == 9) base = stroke(key::Tab);
    else if (code == 27) base = stroke(key::Escape);
    else if (code == 127 || code == 8) base = stroke(key::Backspace);
    else if (code >= 57399 && code <= 57408) base = stroke(static_cast<short>(key::Keypad0 + (code - 57399)));
    else if (code == 57417) base = stroke(key::Left);
    else if (code == 57418) base = stroke(key::Right);
    else if (code == 57419) base = stroke(key::Up);
    else if (code == 57420) base = stroke(key::Down);
    else if (code == 57441 || code == 57447) base = modifierKey(key::Shift);
    else if (code == 57442 || code == 57448) base = modifierKey(key::Ctrl);
    else if (code == 57443 || code == 57449) base = modifierKey(key::Alt);
    else if (code > 0 && code < 0xE000) base = characterKey(static_cast<char32_t>(code));
    if (!base) {
        if (code >= 0xA0 && code < 0xE000 && mask == 0) return {Kind::Text, length, {}, utf8(static_cast<char32_t>(code))};
        return {Kind::Ignored, length, {}, {}};
    }
    result.stroke = withMask(*base, mask);
    return result;
}

// Splits "1;5" or "97:65;2:1" into numbers; each parameter keeps only its
// first sub-parameter, plus the second of the modifier (the kitty event type).
struct Parameters {
    std::vector<long> values;
    int eventType = 1;
    long at(std::size_t i, long fallback) const { return i < values.size() && values[i] >= 0 ? values[i] : fallback; }
};

Parameters readParameters(std::string_view text) {
    Parameters p;
    std::size_t index = 0;
    std::size_t sub = 0;
    long current = -1;
    long subValue = -1;
    auto finish = [&] {
        p.values.push_back(current);
        if (index == 1 && sub >= 1 && subValue > 0) p.eventType = static_cast<int>(subValue);
    };
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            long& target = sub == 0 ? current : subValue;
            if (target < 0) target = 0;
            if (target < 10000000) target = target * 10 + (c - '0');
        } else if (c == ':') {
            ++sub;
            subValue = -1;
        } else if (c == ';') {
            finish();
            ++index;
            sub = 0;
            current = subValue = -1;
        }
    }
    finish();
    return p;
}

std::optional<KeyStroke> tildeKey(long number) {
    switch (number) {
    case 1:
    case 7: return stroke(key::Home);
    case 2: return stroke(key::Insert);
    case 3: return stroke(key::Delete);
    case 4:
    case 8: return stroke(key::End);
    case 5: return stroke(key::PageUp);
    case 6: return stroke(key::PageDown);
    case 11: case 12: case 13: case 14: case 15:
        return stroke(static_cast<short>(key::F1 + number - 11));
    case 17: case 18: case 19: case 20: case 21:
        return stroke(static_cast<short>(key::F1 + 5 + number - 17));
    case 23: return stroke(static_cast<short>(key::F1 + 10));
    case 24: return stroke(key::F12);
    default: return std::nullopt;
    }
}

// The final letter of a cursor or function key sequence (CSI or SS3).
std::optional<KeyStroke> letterKey(char final) {
    switch (final) {
    case 'A': return stroke(key::Up);
    case 'B': return stroke(key::Down);
    case 'C': return stroke(key::Right);
    case 'D': return stroke(key::Left);
    case 'H': return stroke(key::Home);
    case 'F': return stroke(key::End);
    case 'P': return stroke(key::F1);
    case 'Q': return stroke(static_cast<short>(key::F1 + 1));
    case 'R': return stroke(static_cast<short>(key::F1 + 2));
    case 'S': return stroke(static_cast<short>(key::F1 + 3));
    case 'M': return stroke(key::Enter);  // keypad Enter in application mode
    default: return std::nullopt;
    }
}

DecodedKey ignored(std::size_t length) { return {Kind::Ignored, length, {}, {}}; }
DecodedKey keyOf(KeyStroke s, std::size_t length) { return {Kind::Key, length, s, {}}; }

// input starts with ESC [ and holds the whole sequence up to its final byte.
DecodedKey controlSequence(std::string_view input, std::size_t finalAt) {
    const char final = input[finalAt];
    const std::string_view body = input.substr(2, finalAt - 2);
    const std::size_t length = finalAt + 1;
    // Private markers (<, =, >, ?) open replies and reports, not keys.
    if (!body.empty() && body[0] >= '<' && body[0] <= '?') return ignored(length);
    const Parameters p = readParameters(body);
    if (p.eventType == 3) return ignored(length);  // a key release
    if (final == '~') {
        const long number = p.at(0, 0);
        if (number == 27) return unicodeKey(p.at(2, -1), modifierMask(static_cast<int>(p.at(1, 1))), length);
        const auto k = tildeKey(number);
        return k ? keyOf(withMask(*k, modifierMask(static_cast<int>(p.at(1, 1)))), length) : ignored(length);
    }
    if (final == 'u') return unicodeKey(p.at(0, -1), modifierMask(static_cast<int>(p.at(1, 1))), length);
    if (final == 'Z') return keyOf(stroke(key::Tab, key::ShiftMask), length);
    const auto k = letterKey(final);
    if (!k || final == 'M') return ignored(length);
    return keyOf(withMask(*k, modifierMask(static_cast<int>(p.at(1, 1)))), length);
}

DecodedKey afterEscape(std::string_view input, bool moreMayCome) {
    if (input.size() == 1) return moreMayCome ? DecodedKey{Kind::Incomplete, 0, {}, {}} : keyOf(stroke(key::Escape), 1);
    const unsigned char second = static_cast<unsigned char>(input[1]);
    if (second == '[' && input.size() >= 3 && input[2] == '[') {
        // The Linux console's F1 to F5: ESC [ [ A to E.
        if (input.size() < 4) return moreMayCome ? DecodedKey{Kind::Incomplete, 0, {}, {}} : ignored(input.size());
        const char c = input[3];
        if (c >= 'A' && c <= 'E') return keyOf(stroke(static_cast<short>(key::F1 + (c - 'A'))), 4);
        return ignored(4);
    }
    if (second == '[') {
        for (std::size_t i = 2; i < input.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(input[i]);
            if (c >= 0x40 && c <= 0x7e) return controlSequence(input, i);
            if (c < 0x20 || c > 0x3f || i >= longestSequence) return ignored(i);
        }
        if (moreMayCome) return {Kind::Incomplete, 0, {}, {}};
        if (input.size() == 2) return keyOf(stroke(219, key::AltMask), 2);  // Alt+[
        return ignored(input.size());
    }
    if (second == 'O') {
        if (input.size() < 3) return moreMayCome ? DecodedKey{Kind::Incomplete, 0, {}, {}} : keyOf(stroke('O', static_cast<short>(key::AltMask | key::ShiftMask)), 2);
        const auto k = letterKey(input[2]);
        return k ? keyOf(*k, 3) : ignored(3);
    }
    if (second == escape) return keyOf(stroke(key::Escape), 1);
    // Alt with a key: the terminal sends ESC before the key's own byte.
    std::optional<KeyStroke> k = second < 0x20 || second == 0x7f ? controlKey(second) : characterKey(second);
    if (!k) return ignored(2);
    return keyOf(withMask(*k, key::AltMask), 2);
}

DecodedKey multiByteCharacter(std::string_view input, bool moreMayCome) {
    const unsigned char lead = static_cast<unsigned char>(input[0]);
    const std::size_t need = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (need == 0 || lead > 0xF4) return ignored(1);
    for (std::size_t i = 1; i < need; ++i) {
        if (i >= input.size()) return moreMayCome ? DecodedKey{Kind::Incomplete, 0, {}, {}} : ignored(i);
        if ((static_cast<unsigned char>(input[i]) & 0xC0) != 0x80) return ignored(i);
    }
    return {Kind::Text, need, {}, std::string(input.substr(0, need))};
}

}  // namespace

DecodedKey decodeKey(std::string_view input, bool moreMayCome) {
    if (input.empty()) return {Kind::Incomplete, 0, {}, {}};
    const unsigned char first = static_cast<unsigned char>(input[0]);
    if (first == escape) return afterEscape(input, moreMayCome);
    if (first >= 0x80) return multiByteCharacter(input, moreMayCome);
    if (first < 0x20 || first == 0x7f) {
        const auto k = controlKey(first);
        return k ? keyOf(*k, 1) : ignored(1);
    }
    const auto k = characterKey(first);
    if (!k) return ignored(1);
    return {Kind::Key, 1, *k, std::string(1, static_cast<char>(first))};
}

}  // namespace sonarch::terminal
