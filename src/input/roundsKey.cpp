// F4 switches how a computer player's turn is told: briefly, in a sentence
// for its attacks and one for its placing (every battle kept in the
// history), or in full, a sentence a move. Until the player presses it the
// wording decides; once pressed, the choice holds whatever the wording, and
// is remembered for the next run. It works everywhere, during pauses too,
// and applies from the next turn the table hands over.
#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

bool Form1::roundsKey(short keyCode, short shift) {
    if (keyCode != key::F4 || shift != 0) return false;
    // In play it pairs with the link keys as every other key there does.
    if (menuState == 0 && !Holder.Enabled) lastKey = keyCode;
    briefRounds = !roundsToldBriefly();
    settings.briefRounds = briefRounds;
    sayIt(words().menus.said(*briefRounds ? MenuLine::RoundsBrief : MenuLine::RoundsFull) + rememberSettings());
    return true;
}

}  // namespace sonarch
