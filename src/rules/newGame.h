// A new game on a map: every zone cleared, the people in the first seats in
// the order they joined, and a computer player with a name no other player
// holds in each seat after them, the first person to choose a starting zone.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rules/Board.h"
#include "rules/RandomSource.h"

namespace sonarch {

// Names are drawn against the names the board's seats hold at that moment,
// the seats above still holding an earlier game's: a new game on a fresh
// board and one after another game in the same run draw alike only then.
// A drawn name is drawn again when it equals a person's, capitals aside.
void startGame(Board& board, std::shared_ptr<const MapRecord> map, const std::vector<std::string>& people,
               int computerPlayers, RandomSource& random);

// The game of one person, "You", against playerCount - 1 computer players.
void startGame(Board& board, std::shared_ptr<const MapRecord> map, int playerCount, RandomSource& random);

// Whether two names are the same name to a listener: capitals aside.
bool sameName(const std::string& a, const std::string& b);

}  // namespace sonarch
