// F: finding a zone by name. While the search lasts, letters, digits and
// blanks add to its text and each time the first zone in name order whose
// name starts with it is told; Down and Up step through those zones,
// Backspace takes the last letter back, Enter goes to the zone told and
// Escape ends the search where the cursor is. Any other key ends the search
// and then does what it always does. Nothing here changes the game.
#include <string>

#include "game/Form1.h"
#include "input/helpTexts.h"
#include "input/keyCodes.h"
#include "input/zoneFind.h"

namespace sonarch {

namespace {
const std::string findPrompt = "Find a zone: type the start of its name.";

std::string matchSentence(const Form1& f, int zone, const std::vector<int>& matches) {
    std::string text = f.board.zoneName(zone) + ": " + f.words().study.holding(f.board, zone) + ".";
    if (matches.size() == 1) return text + " The only match.";
    int place = 1;
    while (matches[static_cast<std::size_t>(place - 1)] != zone) ++place;
    return text + " " + std::to_string(place) + " of " + std::to_string(matches.size()) + " matches.";
}
}  // namespace

bool Form1::findKeys(short keyCode, short shift) {
    if (!finding.active) {
        if (keyCode != key::F || shift != 0 || board.humanPlayer == 0) return false;
        finding = {true, "", 0};
        lastKey = keyCode;
        sayIt(findPrompt);
        return true;
    }
    // A key of the search pairs with no link key after it.
    lastKey = keyCode;
    std::vector<int> matches = zonesStartingWith(board, finding.text);
    const auto typed = typedCharacter(keyCode, shift);
    if (typed || (keyCode == key::Backspace && shift == 0)) {
        if (typed) {
            finding.text = withTyped(finding.text, *typed);
        } else if (!finding.text.empty()) {
            finding.text.pop_back();
        }
        matches = zonesStartingWith(board, finding.text);
        // With nothing typed every zone matches, and none is told yet.
        finding.told = finding.text.empty() || matches.empty() ? 0 : matches.front();
    } else if ((keyCode == key::Down || keyCode == key::Up) && shift == 0) {
        finding.told = stepThroughMatches(matches, finding.told, keyCode == key::Down ? 1 : -1);
    } else if (keyCode == key::Enter && shift == 0 && finding.told != 0) {
        finding.active = false;
        cursorZone = finding.told;
        sayIt(words().study.ownerSentence(board, cursorZone) + " " + words().study.armySentence(board, cursorZone));
        return true;
    } else if (keyCode == key::Escape && shift == 0) {
        finding.active = false;
        sayIt("Search ended. You are still at " + board.zoneName(cursorZone) + ".");
        return true;
    } else if (keyCode == key::F1 && shift == 0) {
        helpKey();
        return true;
    } else if (keyCode != key::Enter || shift != 0) {
        finding.active = false;
        return false;
    }
    if (matches.empty()) {
        sayIt("No zone starts with " + finding.text + ".");
    } else if (finding.told == 0) {
        sayIt(findPrompt);
    } else {
        sayIt(matchSentence(*this, finding.told, matches));
    }
    return true;
}

}  // namespace sonarch
