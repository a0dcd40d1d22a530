// The sentence S adds about the computer players' strength. The wording of
// the strength is in src/wording (menuWords.h); S, which tells the rest of
// its report apart from it, reaches it here.
#pragma once

#include <string>

#include "rules/strength.h"

namespace sonarch {

// The strength of the game in progress, and the next game's where it
// differs; between games, the next game's.
std::string strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress);

}  // namespace sonarch
