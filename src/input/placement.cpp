// The human's turn by two keys. Space acts on the cursor zone: it claims the
// starting zone, places a point, or chooses the attacking zone and then the
// target. Shift+Enter opens the placing phase and then ends the turn. The
// rules are the computer player's too; this file only reads the keys and
// tells what the rules did.
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"
#include "rules/combat.h"
#include "rules/placing.h"

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
    if (keyCode != key::Space || shift != 0 || board.turnPlayer != board.humanPlayer) return;
    if (board.choosingStart != 0) {
        claimHumanStart();
    } else if (board.placingPoints == 1) {
        placePoint();
    } else if (board.placingPoints == 0) {
        attackKey();
    }
}

void Form1::endPhaseKey() {
    if (board.placingPoints == 0) {
        outcomes_.clear();
        openPlacing(board, outcomes_);
        addMessage(words().play.placingOpens(board));
    } else {
        // Points not placed are kept for later.
        const int kept = board.points[static_cast<std::size_t>(board.humanPlayer)];
        const std::string keeping = kept > 0 ? words().play.pointsKept(board, kept) : "";
        if (!keeping.empty()) addMessage(keeping);
        endTurn();
    }
}

void Form1::claimHumanStart() {
    const Refusal refused = claimRefusal(board, cursorZone);
    if (refused != Refusal::None) {
        addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
        return;
    }
    outcomes_.clear();
    claimStart(board, board.humanPlayer, cursorZone, outcomes_);
    addMessage(words().play.startClaimed(board, outcomes_.front()));
    playCue(Cue::Claim);
}

void Form1::placePoint() {
    const int h = board.humanPlayer;
    const Refusal refused = placingRefusal(board, h, cursorZone);
    // With no points left Space does nothing at all.
    if (refused == Refusal::NoPointsLeft) return;
    if (refused != Refusal::None) {
        addMessage(words().play.refusal(board, refused, cursorZone, cursorZone));
        return;
    }
    outcomes_.clear();
    sonarch::placePoint(board, h, cursorZone, outcomes_);
    addMessage(words().play.pointPlaced(board, outcomes_.front()));
    if (board.points[static_cast<std::size_t>(h)] <= 0) {
        // The last point ends the turn by itself once the sentence is heard.
        hold(2);
        tellThen(&Form1::endTurn);
    }
}

void Form1::attackKey() {
    const int h = board.humanPlayer;
    const int target = cursorZone;
    if (board.zoneOwner[static_cast<std::size_t>(target)] == h) {
        if (!canAttackFrom(board, target)) {
            sayIt(words().play.refusal(board, Refusal::TooWeak, target, target));
            return;
        }
        board.attackFrom = target;
        sayIt(words().play.attackerChosen(board, target));
        return;
    }
    const int from = board.attackFrom;
    if (from == 0) {
        sayIt(words().play.refusal(board, Refusal::NoAttacker, from, target));
        return;
    }
    if (!canAttackFrom(board, from)) {
        sayIt(words().play.refusal(board, Refusal::TooWeak, from, target));
        return;
    }
    if (!attackReaches(board, from, target)) {
        addMessage(words().play.refusal(board, Refusal::OutOfReach, from, target));
        return;
    }
    outcomes_.clear();
    int roll1 = 0, roll2 = 0;
    attackRoll(board, from, target, roll1, roll2, random, outcomes_);
    const bool consequencesFirst = !words().play.battleBeforeItsConsequences();
    // An attack that ends the game is told by the end of the game alone.
    if (consequencesFirst && !tellGameEnders(outcomes_)) return;
    const Outcome& attack = outcomes_.front();
    tellMessage(words().play.attackReport(board, attack));
    if (attack.kind == Outcome::Kind::BattleLost) {
        tellCue(Cue::BattleLost);
    } else {
        tellCue(attack.kind == Outcome::Kind::BattleWon ? Cue::BattleWon : Cue::Claim);
        // The captured zone attacks next.
        board.attackFrom = target;
    }
    if (consequencesFirst) return;
    // The battle is heard out before whoever it put out.
    if (outcomes_.size() > 1) hold(2);
    tellGameEnders(outcomes_);
}

}  // namespace sonarch
