// Keys for studying the board by ear without walking it link by link: S for
// how the game stands, D for the cursor zone and everything around it, F1
// for help. They change nothing, so they also answer during pauses.
#include <string>

#include "game/Form1.h"
#include "rules/chain.h"
#include "rules/combat.h"
#include "input/keyCodes.h"
#include "input/strengthWords.h"
#include "input/zoneWords.h"

namespace sonarch {

namespace {
int zonesHeld(const Form1& f, int player) {
    int held = 0;
    for (int z = 1; z <= f.board.zoneCount(); ++z)
        if (f.board.zoneOwner[z] == player) ++held;
    return held;
}

std::string turnAndPhase(const Form1& f) {
    const int h = f.board.humanPlayer;
    if (f.board.turnPlayer != h) return f.board.playerName[f.board.turnPlayer] + "'s turn: you hold ";
    if (f.board.placingPoints == 1) return "Your turn, placing phase: you hold ";
    return "Your turn, attack phase: you hold ";
}

std::string humanStanding(const Form1& f) {
    const int h = f.board.humanPlayer;
    if (f.board.choosingStart != 0 && f.board.turnPlayer == h)
        return "Your turn to choose a starting zone: " + std::to_string(zonesHeld(f, 0)) + " of " +
               counted(f.board.zoneCount(), "zone", "zones") + " unclaimed.";
    int armies = 0;
    for (int z = 1; z <= f.board.zoneCount(); ++z)
        if (f.board.zoneOwner[z] == h) armies += f.board.zoneArmy[z];
    // Points held in the placing phase are there to be placed; at any other
    // time they wait for the next placing phase.
    const bool placing = f.board.placingPoints == 1 && f.board.turnPlayer == h;
    return turnAndPhase(f) + std::to_string(zonesHeld(f, h)) + " of " +
           counted(f.board.zoneCount(), "zone", "zones") + ", " + counted(armies, "army", "armies") +
           ", chain " + std::to_string(chainNow(f.board, h)) + ", " +
           counted(f.board.points[h], "point", "points") + (placing ? " to place." : " stored.");
}

std::string leadingComputer(const Form1& f) {
    int leader = 0, most = 0;
    for (int p = 1; p <= f.board.playerCount; ++p) {
        if (f.board.isComputer[p] == 0 || f.board.playerName[p].empty()) continue;
        const int held = zonesHeld(f, p);
        if (held > most) leader = p, most = held;
    }
    if (leader == 0) return "";
    return " The leading computer player is " + f.board.playerName[leader] + ", with " +
           counted(most, "zone", "zones") + ".";
}

// The strength, once one other than the standard is in play or chosen: the
// standard is the game as it has always been, and S then says no more than
// it always has.
std::string strengthNote(const Form1& f) {
    if (f.gameStrength == Strength::Standard && f.computerStrength == Strength::Standard) return "";
    return " " + strengthStanding(f.gameStrength, f.computerStrength, true);
}

// Who holds a zone and its army, from the player's side.
std::string holding(const Form1& f, int zone) {
    const int owner = f.board.zoneOwner[zone];
    const std::string army = "army " + std::to_string(f.board.zoneArmy[zone]);
    if (owner == 0) return f.board.zoneArmy[zone] > 0 ? "unclaimed, " + army : "unclaimed";
    return (owner == f.board.humanPlayer ? std::string("yours") : f.board.playerName[owner]) + ", " + army;
}

std::string zoneDescription(const Form1& f) {
    const int z = f.cursorZone;
    const int owner = f.board.zoneOwner[z];
    const int count = f.board.linkCount(z);
    std::string text = f.board.zoneName(z) + ": " + holding(f, z) + ".";
    if (count <= 0) return text + " No links.";
    text += " " + counted(count, "link", "links") + ".";
    for (int i = 1; i <= count && i <= maxLinks; ++i) {
        const int t = f.board.links(z, i);
        text += " " + std::to_string(i) + ". " + f.board.zoneName(t) + ": " + holding(f, t);
        // Reach matters only where a battle could be: between two owners,
        // or from a held zone into an unclaimed one.
        if (owner != 0 && f.board.zoneOwner[t] != owner)
            text += attackReaches(f.board, z, t) ? ", in reach" : ", out of reach";
        text += ".";
    }
    return text;
}
}  // namespace

bool Form1::studyKeys(short keyCode, short shift) {
    if (board.humanPlayer == 0) return false;
    const bool plain = shift == 0 || shift == key::ShiftMask;
    if (keyCode == key::S && plain) {
        sayIt(humanStanding(*this) + leadingComputer(*this) + strengthNote(*this));
    } else if (keyCode == key::D && plain) {
        sayIt(zoneDescription(*this));
    } else if (keyCode == key::F1 && shift == 0) {
        helpKey();
    } else {
        return false;
    }
    return true;
}

bool Form1::jumpKeys(short keyCode, short shift) {
    if ((keyCode != key::J && keyCode != key::B) || (shift != 0 && shift != key::ShiftMask))
        return false;
    const int h = board.humanPlayer;
    const bool attackersOnly = keyCode == key::B;
    const auto fits = [&](int zone) {
        if (board.zoneOwner[zone] != h) return false;
        if (!attackersOnly) return true;
        if (board.zoneArmy[zone] < 2) return false;
        for (int t = 1; t <= board.zoneCount(); ++t)
            if (board.zoneOwner[t] != h && attackReaches(board, zone, t)) return true;
        return false;
    };
    const int step = shift == key::ShiftMask ? -1 : 1;
    // The cursor zone itself comes last, so a lone fitting zone is found too.
    for (int k = 1; k <= board.zoneCount(); ++k) {
        const int zone = ((cursorZone - 1 + step * k) % board.zoneCount() + board.zoneCount()) % board.zoneCount() + 1;
        if (!fits(zone)) continue;
        cursorZone = zone;
        sayIt(ownerSentence(*this, zone) + " " + armySentence(*this, zone));
        return true;
    }
    sayIt(attackersOnly ? "None of your zones can attack now." : "You hold no zones.");
    return true;
}

}  // namespace sonarch
