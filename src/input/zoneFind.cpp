#include "input/zoneFind.h"

#include <algorithm>

#include "input/keyCodes.h"
#include "rules/zoneOrder.h"

namespace sonarch {

std::vector<int> zonesStartingWith(const Board& board, const std::string& text) {
    std::vector<int> matches;
    for (const int zone : zonesInNameOrder(board))
        if (nameKey(board.zoneName(zone)).compare(0, text.size(), text) == 0) matches.push_back(zone);
    return matches;
}

std::optional<char> typedCharacter(short keyCode, short shift) {
    const bool letter = keyCode >= key::LetterA && keyCode <= key::Z;
    if (letter && (shift == 0 || shift == key::ShiftMask))
        return static_cast<char>(keyCode - key::LetterA + 'a');
    if (shift != 0) return std::nullopt;
    if (keyCode >= key::Digit0 && keyCode <= key::Digit0 + 9) return static_cast<char>(keyCode);
    if (keyCode == key::Space) return ' ';
    return std::nullopt;
}

std::string withTyped(const std::string& text, char typed) {
    if (typed == ' ' && (text.empty() || text.back() == ' ')) return text;
    return text + typed;
}

int stepThroughMatches(const std::vector<int>& matches, int told, int step) {
    if (matches.empty()) return 0;
    const auto count = static_cast<int>(matches.size());
    const auto found = std::find(matches.begin(), matches.end(), told);
    if (found == matches.end()) return step > 0 ? matches.front() : matches.back();
    const auto at = static_cast<int>(found - matches.begin());
    return matches[static_cast<std::size_t>(((at + step) % count + count) % count)];
}

}  // namespace sonarch
