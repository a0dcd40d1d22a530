#include "rules/zoneOrder.h"

#include <algorithm>
#include <array>

namespace sonarch {

namespace {
// The letters of U+00C0 to U+017F (Latin-1 and Latin Extended-A) without
// their marks; the signs for times and division among them part words.
constexpr std::array<const char*, 192> latinLetters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // U+00C0
    "d", "n", "o", "o", "o", "o", "o", " ", "o", "u", "u", "u", "u", "y", "th", "ss",  // U+00D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // U+00E0
    "d", "n", "o", "o", "o", "o", "o", " ", "o", "u", "u", "u", "u", "y", "th", "y",  // U+00F0
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",  // U+0100
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",  // U+0110
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",  // U+0120
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",  // U+0130
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",  // U+0140
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",  // U+0150
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",  // U+0160
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",  // U+0170
};

bool isWordCharacter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
}  // namespace

std::string nameKey(std::string_view name) {
    std::string key;
    bool gap = false;
    auto add = [&](std::string_view letters) {
        for (const char c : letters) {
            if (c == ' ') {
                gap = !key.empty();
                continue;
            }
            if (gap) key += ' ';
            gap = false;
            key += c;
        }
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        const unsigned twoBytes = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
        if (c >= 'A' && c <= 'Z') {
            add(std::string(1, static_cast<char>(c - 'A' + 'a')));
        } else if (isWordCharacter(c)) {
            add(std::string(1, static_cast<char>(c)));
        } else if (c == '\'') {
            // An apostrophe joins the letters around it.
        } else if (c == 0xE2 && name.substr(i, 3) == "\xE2\x80\x99") {
            i += 2;  // the typographic apostrophe, likewise
        } else if ((c & 0xE0) == 0xC0 && (next & 0xC0) == 0x80 && twoBytes >= 0xC0 && twoBytes < 0x180) {
            add(latinLetters[twoBytes - 0xC0]);
            ++i;
        } else if (c >= 0x80) {
            // Letters of other scripts cannot be typed here, but they still
            // set names apart: kept as they are.
            add(std::string(1, static_cast<char>(c)));
        } else {
            add(" ");
        }
    }
    return key;
}

std::vector<int> zonesInNameOrder(const Board& board) {
    std::vector<std::pair<std::string, int>> keyed;
    for (int z = 1; z <= board.zoneCount(); ++z) keyed.emplace_back(nameKey(board.zoneName(z)), z);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> order;
    for (const auto& entry : keyed) order.push_back(entry.second);
    return order;
}

}  // namespace sonarch
