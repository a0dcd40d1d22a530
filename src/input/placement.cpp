// A person's turn by two keys. Space acts on the cursor zone: it claims the
// starting zone, places a point, or chooses the attacking zone and then the
// target. Shift+Enter opens the placing phase and then ends the turn. Each
// key builds a move for the table, which plays it by the rules every seat
// plays by; what it did comes back to be told (turnFlow), and a refusal is
// said here.
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"
#include "rules/combat.h"
#include "rules/moves.h"

namespace sonarch {

void Form1::placementKeys(short& keyCode, const short& shift) {
    if (keyCode == key::Enter && shift == key::ShiftMask) {
        if (board.choosingStart == 0 && board.turnPlayer == board.humanPlayer) endPhaseKey();
        return;
    }
    if (keyCode == key::A && shift == 0) {
        placeAllKey();
        return;
    }
    if (keyCode == key::A && shift == key::ShiftMask) {
        askHowManyPoints();
        return;
    }
    if (keyCode != key::Space || shift != 0 || board.turnPlayer != board.humanPlayer) return;
    if (board.choosingStart != 0) {
        claimHumanStart();
    } else if (board.placingPoints == 1) {
        placePoint();
    } else if (board.placingPoints == 0) {
        attackKey();
    }
}

void Form1::endPhaseKey() { makeMove(Move::endPhase()); }

void Form1::claimHumanStart() {
    const Refusal refused = makeMove(Move::claim(cursorZone));
    if (refused != Refusal::None) addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
}

void Form1::placePoint() {
    const Refusal refused = makeMove(Move::place(cursorZone));
    // With no points left Space does nothing at all.
    if (refused != Refusal::None && refused != Refusal::NoPointsLeft)
        addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
}

// A: as many points on the cursor zone as it takes or as are left, in one
// key; the refusals and the sentence are Space's.
void Form1::placeAllKey() {
    const Refusal refused = makeMove(Move::placeAll(cursorZone));
    if (refused == Refusal::NotYourTurn || refused == Refusal::WrongPhase) {
        sayIt(words().play.placeAllRefused());
    } else if (refused != Refusal::None && refused != Refusal::NoPointsLeft) {
        addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
    }
}

// Shift+A, then a digit: that many points on the cursor zone, told as A
// tells them. Asked only where A itself would place.
void Form1::askHowManyPoints() {
    const int seat = board.humanPlayer;
    if (board.turnPlayer != seat || board.choosingStart != 0 || board.placingPoints != 1) {
        sayIt(words().play.placeAllRefused());
        return;
    }
    const int placeable = pointsPlaceableOn(board, seat, cursorZone);
    if (placeable <= 0) {
        placeAllKey();  // the refusal A gives
        return;
    }
    countingPoints_ = true;
    sayIt(words().play.howManyPoints(board, cursorZone, placeable));
}

bool Form1::pointsCountKey(short keyCode, short shift) {
    if (!countingPoints_) return false;
    countingPoints_ = false;
    if (shift == 0 && keyCode >= key::Digit1 && keyCode <= key::Digit1 + 8) {
        const Refusal refused = makeMove(Move::place(cursorZone, keyCode - key::Digit0));
        if (refused != Refusal::None && refused != Refusal::NoPointsLeft)
            addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
        return true;
    }
    sayIt(words().play.noPointsCounted());
    return true;
}

void Form1::attackKey() {
    const int target = cursorZone;
    if (board.zoneOwner[static_cast<std::size_t>(target)] == board.humanPlayer) {
        // Choosing the attacking zone is the player's own business: the
        // move names it when the attack is made.
        if (!canAttackFrom(board, target)) {
            sayIt(words().play.refusal(board, Refusal::TooWeak, target, target));
            return;
        }
        board.attackFrom = target;
        sayIt(words().play.attackerChosen(board, target));
        return;
    }
    const int from = board.attackFrom;
    const Refusal refused = makeMove(Move::attack(from, target));
    if (refused == Refusal::OutOfReach) {
        addMessage(words().play.refusal(board, refused, from, target));
    } else if (refused != Refusal::None) {
        sayIt(words().play.refusal(board, refused, from, target));
    }
}

}  // namespace sonarch
