// Placeholder until this part of the game is built.
#include "game/Form1.h"
#include "game/notBuilt.h"

namespace sonarch {

std::string Form1::pickName() { throw NotBuilt("pickName"); }

}  // namespace sonarch
