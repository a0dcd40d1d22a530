// F3 goes through the computer players' strengths, gentle, standard and
// strong (Shift+F3 the other way). A game keeps the strength it began with,
// so a change made during one applies from the next. Like the other
// settings it works everywhere, during pauses too, and is remembered for
// the next run.
#include "game/Form1.h"
#include "input/keyCodes.h"
#include "input/strengthWords.h"

namespace sonarch {

// Said alike in both wordings, so S need not know which one is in force.
std::string strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress) {
    return classicWording().menus.strengthStanding(ofGame, chosen, gameInProgress);
}

bool Form1::strengthKey(short keyCode, short shift) {
    if (keyCode != key::F3 || (shift != 0 && shift != key::ShiftMask)) return false;
    // In play it pairs with the link keys as every other key there does.
    if (menuState == 0 && !Holder.Enabled) lastKey = keyCode;
    computerStrength = shift == 0 ? strengthAfter(computerStrength) : strengthBefore(computerStrength);
    settings.computerStrength = computerStrength;
    sayIt(words().menus.strengthChosen(computerStrength, board.humanPlayer != 0) + rememberSettings());
    return true;
}

}  // namespace sonarch
