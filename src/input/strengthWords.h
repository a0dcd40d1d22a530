// What the game says about the computer players' strength: F3's answer, and
// the sentence S and F1 add about it.
#pragma once

#include <string>

#include "rules/strength.h"

namespace sonarch {

// F3's answer: the strength now chosen, which a game in progress keeps.
std::string strengthChosen(Strength chosen, bool gameInProgress);

// The strength of the game in progress, and the next game's where it
// differs; between games, the next game's.
std::string strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress);

}  // namespace sonarch
