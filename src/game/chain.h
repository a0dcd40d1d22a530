// The chain of a player as a plain number, without any of calcChain's
// announcements: for a game taken over from a file, where nobody has just
// been put out.
#pragma once

namespace sonarch {

class Form1;

// The most own zones reachable from one own zone of the player by links.
int largestChain(const Form1& game, int player);

}  // namespace sonarch
