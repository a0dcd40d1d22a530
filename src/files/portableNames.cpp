#include "files/portableNames.h"

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
    constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (const auto name : plain)
        if (sameLetters(stem, name)) return true;
    if (stem.size() != 4 || stem[3] < '1' || stem[3] > '9') return false;
    return sameLetters(stem.substr(0, 3), "COM") || sameLetters(stem.substr(0, 3), "LPT");
}

bool holdsReservedMark(std::string_view fileName) {
    return fileName.find_first_of("<>:\"|?*") != std::string_view::npos;
}

bool endsInDotOrBlank(std::string_view fileName) {
    return !fileName.empty() && (fileName.back() == '.' || fileName.back() == ' ');
}

}  // namespace sonarch
