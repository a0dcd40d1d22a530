// Placeholder until this part of the game is built.
#include "game/Form1.h"
#include "game/notBuilt.h"

namespace sonarch {

void Form1::attackRoll(const int&, const int&, int&, int&) { throw NotBuilt("attackRoll"); }

}  // namespace sonarch
