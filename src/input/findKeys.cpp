// F: finding a zone by name. While the search lasts, letters, digits and
// blanks add to its text and each time the first zone in name order whose
// name starts with it is told; Down and Up step through those zones,
// Backspace takes the last letter back, Enter goes to the zone told and
// Escape ends the search where the cursor is. Any other key ends the search
// and then does what it always does. Nothing here changes the game.
#include <string>

#include "files/textItems.h"
#include "game/Form1.h"
#include "input/helpTexts.h"
#include "input/keyCodes.h"
#include "input/zoneFind.h"

namespace sonarch {

// The zone told, with its place among the zones that match.
std::string Form1::matchSentence(int zone, const std::vector<int>& matches) const {
    int place = 1;
    while (matches[static_cast<std::size_t>(place - 1)] != zone) ++place;
    return words().study.findMatch(board, zone, place, static_cast<int>(matches.size()));
}

bool Form1::findKeys(short keyCode, short shift) {
    if (!finding.active) {
        if (keyCode != key::F || shift != 0 || board.humanPlayer == 0) return false;
        finding = {true, "", 0};
        lastKey = keyCode;
        sayIt(words().study.findPrompt());
        return true;
    }
    // A key of the search pairs with no link key after it.
    lastKey = keyCode;
    std::vector<int> matches = zonesStartingWith(board, finding.text);
    const auto typed = typedCharacter(keyCode, shift);
    // No zone name is longer, so a longer text could match nothing; and a
    // key held down must not make every sentence longer than the last.
    if (typed && withTyped(finding.text, *typed).size() > longestName) {
        sayIt(words().study.findTextFull(static_cast<int>(longestName)));
        return true;
    }
    if (typed && matches.empty()) {
        finding.text = withTyped(finding.text, *typed);
        sayIt(words().study.findStillNoMatch());
        return true;
    }
    // A letter that changes neither the zone told nor the number of matches
    // is answered with itself alone, not the same sentence again.
    const int toldBefore = finding.told;
    const std::size_t matchesBefore = matches.size();
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
        sayIt(words().study.reached(board, cursorZone, JumpKind::Any));
        return true;
    } else if (keyCode == key::Escape && shift == 0) {
        finding.active = false;
        sayIt(words().study.findEnded(board, cursorZone));
        return true;
    } else if (keyCode == key::F1 && shift == 0) {
        helpKey();
        return true;
    } else if (keyCode != key::Enter || shift != 0) {
        finding.active = false;
        return false;
    }
    if (typed && toldBefore != 0 && finding.told == toldBefore && matches.size() == matchesBefore) {
        sayIt(*typed == ' ' ? std::string("space") : std::string(1, *typed));
    } else if (matches.empty()) {
        sayIt(words().study.findNoMatch(finding.text));
    } else if (finding.told == 0) {
        sayIt(words().study.findPrompt());
    } else {
        sayIt(matchSentence(finding.told, matches));
    }
    return true;
}

}  // namespace sonarch
