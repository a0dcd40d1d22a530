// The keys of play that explore the map by ear: who holds the cursor zone
// and with what army, its links (previewed and followed with Q to P, listed
// with Tab, browsed with the arrows and followed with Enter), the players and
// one player's report. None of them changes the game itself.
#include <array>
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

namespace {
// Q W E R T Y U I O P: one key per link position.
constexpr std::array<short, maxLinks + 1> linkKeyCodes{0, 81, 87, 69, 82, 84, 89, 85, 73, 79, 80};
}  // namespace

void Form1::sayCursorZoneReport() { addMessage(words().study.nowAt(board, cursorZone, listenerOf(board))); }

void Form1::moveLink(const int& index) {
    cursorZone = board.links(cursorZone, index);
    sayCursorZoneReport();
    // No key has this code, so the same link key next previews again.
    lastKey = -10;
}

bool Form1::linkKeys(short keyCode) {
    for (int n = 1; n <= maxLinks; ++n) {
        if (keyCode != linkKeyCodes[n]) continue;
        if (board.linkCount(cursorZone) < n) {
            const std::string beyond = words().study.beyondLinks(board, cursorZone);
            if (!beyond.empty()) sayIt(beyond);
            continue;
        }
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
        sayIt(words().study.noLinks(board, cursorZone));
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
    sayIt(words().study.selectedLink(board, board.links(cursorZone, linkCursor), cursorZone, listenerOf(board)));
}

// The key left of 1 lists the players and a digit tells how one stands:
// they only tell, so they answer in a computer player's pauses too.
bool Form1::playersKeys(short keyCode, short shift) {
    if (shift != 0) return false;
    if (keyCode == key::Grave) {
        addMessage(words().study.playerList(board));
        return true;
    }
    if (keyCode >= key::Digit1 && keyCode <= board.playerCount + 48) {
        checkPlayer(keyCode - 48);
        return true;
    }
    return false;
}

// L: what changed since the person's last turn, as their turn began with
// it; in the turn of the person at the keys only, once it has been told.
void Form1::sinceLastTurnKey() {
    const int seat = board.humanPlayer;
    if (board.turnPlayer != seat) return;
    const std::string& since = sinceLastTurn_[static_cast<std::size_t>(seat)];
    sayIt(since.empty() ? words().play.sinceYourLastTurnUnknown() : since);
}

void Form1::gameKeys(short& keyCode, const short& shift) {
    if (pointsCountKey(keyCode, shift)) return;
    if (keyCode == key::Z) {
        sayIt(words().study.ownerSentence(board, cursorZone, listenerOf(board)));
        return;
    }
    if (keyCode == key::X) {
        sayIt(words().study.armySentence(board, cursorZone));
        return;
    }
    if (linkKeys(keyCode)) return;
    lastKey = keyCode;
    if (studyKeys(keyCode, shift) || jumpKeys(keyCode, shift)) return;
    if (keyCode == key::Tab) {
        addMessage(words().study.linkList(board, cursorZone));
        return;
    }
    if (playersKeys(keyCode, shift)) return;
    if (keyCode == key::L && shift == 0) {
        sinceLastTurnKey();
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
