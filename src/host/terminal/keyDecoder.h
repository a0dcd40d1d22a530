// Turns the bytes a terminal sends for a key into the virtual-key code and
// shift mask the window would give for the same key. Understands the plain
// bytes and escape sequences every terminal sends, xterm's modifyOtherKeys
// and the kitty keyboard protocol. Pure: no terminal is touched here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "input/keyCodes.h"

namespace sonarch::terminal {

struct DecodedKey {
    enum class Kind {
        Key,         // a key: stroke holds it; text holds a printable character, if any
        Text,        // a character with no key of its own (a letter of another alphabet)
        Incomplete,  // the start of a sequence whose rest has not arrived yet
        Ignored,     // bytes that stand for no key this game knows
    };
    Kind kind = Kind::Ignored;
    std::size_t length = 0;  // bytes used from the front of the input
    KeyStroke stroke;
    std::string text;
};

// Decodes the first key in input. With moreMayCome true an unfinished
// sequence is reported Incomplete so the caller can wait a moment for its
// rest; with false the bytes are taken as they are, which is how a lone
// Escape is told apart from the start of an escape sequence.
DecodedKey decodeKey(std::string_view input, bool moreMayCome);

}  // namespace sonarch::terminal
