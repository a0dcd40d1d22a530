// What must hold of the game object between any two key presses, whatever
// keys were pressed: checked by the fuzzers and the soak games.
#pragma once

#include <string>
#include <vector>

#include "game/Form1.h"

namespace sonarch::testing {

// Every broken rule, as a sentence; empty when all hold.
std::vector<std::string> brokenInvariants(const Form1& form);

}  // namespace sonarch::testing
