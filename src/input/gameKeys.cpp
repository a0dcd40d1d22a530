// Placeholder until this part of the game is built.
#include "game/Form1.h"
#include "game/notBuilt.h"

namespace sonarch {

void Form1::gameKeys(short&, const short&) { throw NotBuilt("gameKeys"); }
void Form1::moveLink(const int&) { throw NotBuilt("moveLink"); }

}  // namespace sonarch
