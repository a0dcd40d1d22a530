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
}  // namespace

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
