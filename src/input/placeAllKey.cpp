// A: in the placing phase, as many points on the cursor zone as it can take
// or as are left, in one key. The refusals and the sentence are Space's, the
// sentence telling the army and the points as they are at the end; when the
// last point goes, the turn ends as it does after Space.
#include <algorithm>

#include "game/Form1.h"
#include "rules/placing.h"

namespace sonarch {

void Form1::placeAllKey() {
    const int h = board.humanPlayer;
    if (board.turnPlayer != h || board.choosingStart != 0 || board.placingPoints != 1) {
        sayIt(words().play.placeAllRefused());
        return;
    }
    const Refusal refused = placingRefusal(board, h, cursorZone);
    if (refused == Refusal::NoPointsLeft) return;
    if (refused != Refusal::None) {
        addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
        return;
    }
    const int count = std::min(maxArmy - board.zoneArmy[static_cast<std::size_t>(cursorZone)],
                               board.points[static_cast<std::size_t>(h)]);
    outcomes_.clear();
    for (int i = 0; i < count; ++i) sonarch::placePoint(board, h, cursorZone, outcomes_);
    addMessage(words().play.pointPlaced(board, outcomes_.back()));
    if (board.points[static_cast<std::size_t>(h)] <= 0) {
        hold(2);
        tellThen(&Form1::endTurn);
    }
}

}  // namespace sonarch
