// Placeholder until this part of the game is built.
#include "game/Form1.h"
#include "game/notBuilt.h"

namespace sonarch {

void Form1::loadGame(const std::string&) { throw NotBuilt("loadGame"); }
void Form1::saveGame(const std::string&) { throw NotBuilt("saveGame"); }

}  // namespace sonarch
