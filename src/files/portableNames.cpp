#include "files/portableNames.h"

#include <algorithm>
#include <array>

namespace sonarch {

namespace {
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}
// The simple case folding of one code point, for the letters of the
// scripts a save name is likely to be written in; others stand as they are.
char32_t folded(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0xB5) return 0x3BC;    // the micro sign folds to mu
    if (c == 0x178) return 0xFF;    // Y with diaeresis
    if (c == 0x17F) return U's';    // long s
    if (c == 0x1E9E) return 0xDF;   // capital sharp s
    if (c == 0x3C2) return 0x3C3;   // final sigma
    // Latin Extended-A pairs a capital with the small letter after it.
    const bool evenPairs = (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenPairs && c % 2 == 0) || (oddPairs && c % 2 == 1)) return c + 1;
    if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    return c;
}

// The code points of UTF-8 text, each folded; a byte that begins no
// character stands for itself.
std::u32string foldedText(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead < 0x80 || lead < 0xC0 || i + length > text.size()) {
            out += folded(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += folded(c);
        i += length;
    }
    return out;
}
}  // namespace

bool sameNameAnyCase(std::string_view a, std::string_view b) { return foldedText(a) == foldedText(b); }

bool isDeviceName(std::string_view fileName) {
    std::string_view stem = fileName.substr(0, fileName.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    constexpr std::array<std::string_view, 6> plain{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const auto name : plain)
        if (sameLetters(stem, name)) return true;
    if (stem.size() < 4 || !(sameLetters(stem.substr(0, 3), "COM") || sameLetters(stem.substr(0, 3), "LPT")))
        return false;
    const std::string_view number = stem.substr(3);
    // Windows counts the superscript digits one to three (U+00B9, U+00B2,
    // U+00B3) as the digits of a port too.
    constexpr std::array<std::string_view, 3> superscripts{"\xc2\xb9", "\xc2\xb2", "\xc2\xb3"};
    if (number.size() == 1) return number[0] >= '1' && number[0] <= '9';
    return std::find(superscripts.begin(), superscripts.end(), number) != superscripts.end();
}

bool holdsReservedMark(std::string_view fileName) {
    return fileName.find_first_of("<>:\"|?*") != std::string_view::npos;
}

bool endsInDotOrBlank(std::string_view fileName) {
    return !fileName.empty() && (fileName.back() == '.' || fileName.back() == ' ');
}

}  // namespace sonarch
