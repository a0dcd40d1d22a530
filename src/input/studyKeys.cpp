// Keys for studying the board by ear without walking it link by link: S for
// how the game stands, D for the cursor zone and everything around it,
// Shift+D for the attacks it offers now (from it, or on it), M
// for the whole board in a sentence (again at once, the next one), F1 for help. They change nothing, so
// they also answer during pauses. J, B and N jump through your zones in
// name order, a listener's order.
#include <string>
#include <vector>

#include "game/Form1.h"
#include "rules/combat.h"
#include "rules/front.h"
#include "input/keyCodes.h"
#include "input/strengthWords.h"
#include "rules/zoneOrder.h"

namespace sonarch {

// The strength, once one other than the standard is in play or chosen: the
// standard is the game as it has always been, and S then says no more than
// it always has.
std::string Form1::strengthNote() const {
    if (gameStrength == Strength::Standard && computerStrength == Strength::Standard) return "";
    return " " + strengthStanding(gameStrength, computerStrength, true);
}

bool Form1::studyKeys(short keyCode, short shift) {
    if (board.humanPlayer == 0) return false;
    const bool plain = shift == 0 || shift == key::ShiftMask;
    if (keyCode == key::S && plain) {
        sayIt(words().study.standing(board, listenerOf(board)) + strengthNote());
    } else if (keyCode == key::D && shift == 0) {
        sayIt(words().study.zoneDescription(board, cursorZone, listenerOf(board)));
    } else if (keyCode == key::D && shift == key::ShiftMask) {
        sayIt(words().study.attackOptions(board, cursorZone, listenerOf(board)));
    } else if (keyCode == key::M && plain) {
        const std::vector<std::string> sentences = words().study.boardSentences(board, listenerOf(board));
        sayIt(sentences[static_cast<std::size_t>(boardStep) % sentences.size()]);
        ++boardStep;
    } else if (keyCode == key::F1 && shift == 0) {
        helpKey();
    } else {
        return false;
    }
    return true;
}

bool Form1::jumpKeys(short keyCode, short shift) {
    const bool jumpKey = keyCode == key::J || keyCode == key::B || keyCode == key::N;
    if (!jumpKey || (shift != 0 && shift != key::ShiftMask)) return false;
    const int h = board.humanPlayer;
    const auto fits = [&](int zone) {
        if (board.zoneOwner[zone] != h) return false;
        if (keyCode == key::N) return onFront(board, h, zone);
        if (keyCode == key::J) return true;
        return canAttackNow(board, zone);
    };
    const int from = board.zoneOwner[cursorZone] != h && board.isZone(jumpedTo) ? jumpedTo : cursorZone;
    const int zone = nextInNameOrder(board, from, shift == key::ShiftMask ? -1 : 1, fits);
    const JumpKind kind = keyCode == key::B ? JumpKind::CanAttack : keyCode == key::N ? JumpKind::Front : JumpKind::Any;
    if (zone == 0) {
        sayIt(words().study.nothingToJumpTo(kind));
        return true;
    }
    cursorZone = jumpedTo = zone;
    sayIt(words().study.reached(board, zone, kind));
    return true;
}

}  // namespace sonarch
