// Keys for studying the board by ear without walking it link by link: S for
// how the game stands, D for the cursor zone and everything around it, M
// for the whole board in a sentence, F1 for help. They change nothing, so
// they also answer during pauses. J, B and N jump through your zones in
// name order, a listener's order.
#include <string>

#include "game/Form1.h"
#include "rules/chain.h"
#include "rules/combat.h"
#include "input/boardSentence.h"
#include "input/front.h"
#include "input/keyCodes.h"
#include "input/strengthWords.h"
#include "input/zoneOrder.h"
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

// "2 of its 3 links lead to other players, 1 to an unclaimed zone."
std::string frontSentence(const LinksOut& out) {
    std::string text = std::to_string(out.toOthers) + " of its " + counted(out.total, "link", "links") +
                       (out.toOthers == 1 ? " leads" : " lead") + " to other players";
    if (out.toUnclaimed == 1) text += ", 1 to an unclaimed zone";
    if (out.toUnclaimed > 1) text += ", " + std::to_string(out.toUnclaimed) + " to unclaimed zones";
    return text + ".";
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
    } else if (keyCode == key::M && plain) {
        sayIt(boardSentence(board));
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
        if (board.zoneArmy[zone] < 2) return false;
        for (int t = 1; t <= board.zoneCount(); ++t)
            if (board.zoneOwner[t] != h && attackReaches(board, zone, t)) return true;
        return false;
    };
    const int from = board.zoneOwner[cursorZone] != h && board.isZone(jumpedTo) ? jumpedTo : cursorZone;
    const int zone = nextInNameOrder(board, from, shift == key::ShiftMask ? -1 : 1, fits);
    if (zone == 0) {
        sayIt(keyCode == key::B   ? "None of your zones can attack now."
              : keyCode == key::N ? "None of your zones is on the front."
                                  : "You hold no zones.");
        return true;
    }
    cursorZone = jumpedTo = zone;
    std::string text = ownerSentence(*this, zone) + " " + armySentence(*this, zone);
    if (keyCode == key::N) text += " " + frontSentence(linksOut(board, zone));
    sayIt(text);
    return true;
}

}  // namespace sonarch
