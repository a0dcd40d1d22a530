// Shift+A's question for the number of points to place, the same in every
// wording.
#include <string>

#include "wording/playWords.h"

namespace sonarch {

std::string PlayWords::howManyPoints(const Board& board, int zone, int placeable) const {
    return "How many points on " + board.zoneName(zone) + "? Press a digit, up to " + std::to_string(placeable) +
           ".";
}

std::string PlayWords::noPointsCounted() const { return "No points placed."; }

}  // namespace sonarch
