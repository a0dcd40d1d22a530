#include "host/harmlessText.h"

namespace sonarch {

namespace {
bool continues(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t characterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!continues(static_cast<unsigned char>(text[i]))) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

// Appends one character of text (at least one byte) made harmless; returns
// how many bytes it took.
std::size_t appendHarmless(std::string_view text, std::string& out) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte == '\t') {
        out += ' ';
        return 1;
    }
    if (byte < 0x20 || byte == 0x7F) {
        out += '^';
        out += static_cast<char>(byte ^ 0x40);
        return 1;
    }
    const std::size_t length = characterLength(text);
    // U+0080 to U+009F, the C1 codes, are C2 80 to C2 9F; the marks that
    // turn the direction of the text after them (U+202A to U+202E, U+2066 to
    // U+2069) are E2 80 AA to AE and E2 81 A6 to A9: they would show a name
    // backwards, or make one line look like another.
    const bool turnsDirection =
        length == 3 && byte == 0xE2 &&
        ((static_cast<unsigned char>(text[1]) == 0x80 && static_cast<unsigned char>(text[2]) >= 0xAA &&
          static_cast<unsigned char>(text[2]) <= 0xAE) ||
         (static_cast<unsigned char>(text[1]) == 0x81 && static_cast<unsigned char>(text[2]) >= 0xA6 &&
          static_cast<unsigned char>(text[2]) <= 0xA9));
    if (length == 0 || turnsDirection || (byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0)) {
        out += '?';
        return length == 0 ? 1 : length;
    }
    out.append(text.substr(0, length));
    return length;
}
}  // namespace

std::string harmless(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) text.remove_prefix(appendHarmless(text, out));
    return out;
}

std::string harmlessShortened(std::string_view text, std::size_t characters) {
    std::string out;
    for (std::size_t taken = 0; !text.empty(); ++taken) {
        if (taken == characters) return out + "...";
        text.remove_prefix(appendHarmless(text, out));
    }
    return out;
}

}  // namespace sonarch
