// The order a listener can predict: zones by name, as a person would sort
// them, with capitals and marks on letters set aside. J, B, N and the search
// by name all go through the zones in this order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/Board.h"

namespace sonarch {

// A name as it is compared: letters without their marks and in lower case,
// digits as they are, apostrophes dropped ("Smith's" is "smiths"), and every
// other run of characters (blanks, hyphens, full stops) one blank between
// words.
std::string nameKey(std::string_view name);

// The zones of the board in name order; zones whose names compare equal
// keep the map's order.
std::vector<int> zonesInNameOrder(const Board& board);

// The next zone after from (step 1) or before it (step -1) in name order,
// going round, that fits; from itself comes last, so a lone fitting zone is
// found too. 0 when no zone fits.
template <typename Fits>
int nextInNameOrder(const Board& board, int from, int step, Fits fits) {
    const std::vector<int> order = zonesInNameOrder(board);
    const int count = static_cast<int>(order.size());
    int at = 0;
    while (at < count && order[static_cast<std::size_t>(at)] != from) ++at;
    // A cursor on no zone starts before the first.
    if (at == count) at = step > 0 ? count - 1 : 0;
    for (int k = 1; k <= count; ++k) {
        const int zone = order[static_cast<std::size_t>(((at + step * k) % count + count) % count)];
        if (fits(zone)) return zone;
    }
    return 0;
}

}  // namespace sonarch
