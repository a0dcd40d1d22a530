// The human's turn by two keys. Space acts on the cursor zone: it claims the
// starting zone, places a point, or chooses the attacking zone and then the
// target. Shift+Enter opens the placing phase and then ends the turn.
#include <string>

#include "game/Form1.h"
#include "game/combat.h"
#include "input/keyCodes.h"

namespace sonarch {

void Form1::placementKeys(short& keyCode, const short& shift) {
    if (keyCode == key::Enter && shift == key::ShiftMask) {
        if (choosingStart == 0 && turnPlayer == humanPlayer) endPhaseKey();
        return;
    }
    if (keyCode != key::Space || shift != 0 || turnPlayer != humanPlayer) return;
    if (choosingStart != 0) {
        claimHumanStart();
    } else if (placingPoints == 1) {
        placePoint();
    } else if (placingPoints == 0) {
        attackKey();
    }
}

void Form1::addIncome() {
    const int h = humanPlayer;
    calcChain(h);
    points[h] += chain[h];
    if (points[h] > maxHeldPoints) points[h] = maxHeldPoints;
}

void Form1::endPhaseKey() {
    if (placingPoints == 0) {
        placingPoints = 1;
        addIncome();
        addMessage("Choose where to place your points.");
    } else {
        endTurn();  // points not placed are kept for later
    }
}

void Form1::claimHumanStart() {
    const int h = humanPlayer;
    if (zoneOwner[cursorZone] != 0) {
        addMessage("You must choose land that is unoccupied.");
        return;
    }
    zoneOwner[cursorZone] = h;
    zoneArmy[cursorZone] = 1;
    addMessage(zoneName[cursorZone] + " is now under your control. Choose where to place your points.");
    playCue(Cue::Claim);
    placingPoints = 1;
    choosingStart = 0;
    addIncome();
    hasStarted[h] = 1;
}

void Form1::placePoint() {
    const int h = humanPlayer;
    const std::string& here = zoneName[cursorZone];
    if (zoneOwner[cursorZone] != h) {
        addMessage("You must choose land that you own.");
    } else if (zoneArmy[cursorZone] == maxArmy) {
        addMessage("This zone is at max army.");
    } else if (points[h] > 0) {
        ++zoneArmy[cursorZone];
        --points[h];
        addMessage("The army of " + here + " was increased to " + std::to_string(zoneArmy[cursorZone]) +
                   ". You have " + std::to_string(points[h]) + " points remaining.");
        if (points[h] <= 0) {
            // The last point ends the turn by itself once the sentence is heard.
            hold(2);
            endTurn();
        }
    }
}

void Form1::attackKey() {
    const int h = humanPlayer;
    const int target = cursorZone;
    const std::string& here = zoneName[target];
    if (zoneOwner[target] == h) {
        if (zoneArmy[target] <= 1) {
            sayIt("The army of " + here + " is too weak to attack.");
            return;
        }
        attackFrom = target;
        sayIt("Strength " + std::to_string(zoneArmy[target]) + " army of " + here +
              " selected. Select a connected zone to attack.");
        return;
    }
    if (attackFrom == 0) {
        sayIt("You must first choose an army to attack with.");
        return;
    }
    if (zoneArmy[attackFrom] <= 1) {
        sayIt("The army of " + zoneName[attackFrom] + " is too weak to attack.");
        return;
    }
    if (!attackReaches(*this, attackFrom, target)) {
        addMessage("The army of " + zoneName[attackFrom] + " cannot reach " + here + " to attack.");
        return;
    }
    const int formerOwner = zoneOwner[target];
    int roll1 = 0, roll2 = 0;
    attackRoll(attackFrom, target, roll1, roll2);
    if (menuState != 0) return;  // the attack ended the game
    const std::string army = std::to_string(zoneArmy[target]);
    if (zoneOwner[target] != formerOwner) {
        if (roll1 != 0) {
            addMessage("Your armies captured " + here + " with a roll of " + std::to_string(roll1) +
                       " to " + std::to_string(roll2) + ". " + here + " now has an army of " + army + ".");
            playCue(Cue::BattleWon);
        } else {
            addMessage("You have taken control of " + here + ".");
            playCue(Cue::Claim);
        }
        attackFrom = target;
    } else {
        addMessage("Your armies failed to capture " + here + " with a roll of " + std::to_string(roll1) +
                   " to " + std::to_string(roll2) + ". " + here + " now has an army of " + army + ".");
        playCue(Cue::BattleLost);
    }
}

}  // namespace sonarch
