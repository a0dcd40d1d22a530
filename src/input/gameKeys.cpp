// The keys of play that explore the map by ear: who holds the cursor zone
// and with what army, its links (previewed and followed with Q to P, listed
// with Tab, browsed with the arrows and followed with Enter), the players and
// one player's report. None of them changes the game itself.
#include <array>
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"
#include "input/zoneWords.h"

namespace sonarch {

namespace {
// Q W E R T Y U I O P: one key per link position.
constexpr std::array<short, maxLinks + 1> linkKeyCodes{0, 81, 87, 69, 82, 84, 89, 85, 73, 79, 80};

std::string zoneReport(const Form1& f, int zone) {
    if (f.board.zoneOwner[zone] == 0) return "You are now at " + f.board.zoneName(zone) + ".";
    return "You are now at " + f.board.zoneName(zone) + " which is owned by " +
           f.board.playerName[f.board.zoneOwner[zone]] + " and has an army of " +
           std::to_string(f.board.zoneArmy[zone]) + ".";
}
}  // namespace

void Form1::sayCursorZoneReport() { addMessage(zoneReport(*this, cursorZone)); }

void Form1::moveLink(const int& index) {
    cursorZone = board.links(cursorZone, index);
    sayCursorZoneReport();
    // No key has this code, so the same link key next previews again.
    lastKey = -10;
}

bool Form1::linkKeys(short keyCode) {
    for (int n = 1; n <= maxLinks; ++n) {
        if (keyCode != linkKeyCodes[n] || board.linkCount(cursorZone) < n) continue;
        if (lastKey == keyCode) {
            moveLink(n);
            return true;
        }
        sayIt(board.zoneName(board.links(cursorZone, n)));
    }
    return false;
}

void Form1::browseLinks(short keyCode) {
    const int count = board.linkCount(cursorZone);
    // A zone without links has no link to select or follow; reading its
    // empty slots would put the cursor on no zone at all.
    if (count == 0) {
        sayIt(board.zoneName(cursorZone) + " has no links.");
        return;
    }
    if (keyCode == key::Left || keyCode == key::Up) {
        if (linkCursor > count) linkCursor = count;
        if (--linkCursor < 1) linkCursor = count;
    } else if (keyCode == key::Right || keyCode == key::Down) {
        if (++linkCursor > count) linkCursor = 1;
    } else {
        // Enter: a selection left over from another zone is brought into
        // range first, as Left does.
        if (linkCursor > count) linkCursor = count;
        if (linkCursor < 1) linkCursor = 1;
        cursorZone = board.links(cursorZone, linkCursor);
        sayCursorZoneReport();
        return;
    }
    const int t = board.links(cursorZone, linkCursor);
    std::string text = board.zoneName(t);
    if (board.zoneOwner[t] != 0)
        text += ", owned by " + board.playerName[board.zoneOwner[t]] + " with a army of " +
                std::to_string(board.zoneArmy[t]);
    sayIt(text + ". You are now at " + board.zoneName(cursorZone) + ".");
}

void Form1::gameKeys(short& keyCode, const short& shift) {
    const std::string& here = board.zoneName(cursorZone);
    if (keyCode == key::Z) {
        sayIt(ownerSentence(*this, cursorZone));
        return;
    }
    if (keyCode == key::X) {
        sayIt(armySentence(*this, cursorZone));
        return;
    }
    if (linkKeys(keyCode)) return;
    lastKey = keyCode;
    if (studyKeys(keyCode, shift) || jumpKeys(keyCode, shift)) return;
    if (keyCode == key::Tab) {
        std::string text = here + " has " + std::to_string(board.linkCount(cursorZone)) + " links to other zones.";
        for (int i = 1; i <= board.linkCount(cursorZone); ++i)
            text += " " + std::to_string(i) + ". " + board.zoneName(board.links(cursorZone, i));
        addMessage(text);
        return;
    }
    if (keyCode == key::Grave) {
        int inGame = 0;
        std::string list;
        for (int i = 1; i <= board.playerCount; ++i) {
            if (!board.playerName[i].empty()) ++inGame;
            list += ". " + std::to_string(i) + ". " + board.playerName[i];
        }
        addMessage(std::to_string(inGame) + " players. " + list);
        return;
    }
    if (keyCode >= key::Digit1 && keyCode <= board.playerCount + 48) {
        checkPlayer(keyCode - 48);
        return;
    }
    const bool arrow = keyCode == key::Left || keyCode == key::Up || keyCode == key::Right ||
                       keyCode == key::Down;
    if ((arrow || keyCode == key::Enter) && shift == 0) {
        browseLinks(keyCode);
        return;
    }
    placementKeys(keyCode, shift);
}

}  // namespace sonarch
