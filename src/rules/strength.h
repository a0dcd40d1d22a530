// The computer players' strengths. One strength plays every computer seat
// of a game; a simulation may give each seat its own. Standard is the rule
// the game has always had, with the same draws; gentle and strong are
// opponents for a beginner and for a player who has outgrown it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"

namespace sonarch {

// Standard first, so that a table of strengths starts out standard.
enum class Strength { Standard, Gentle, Strong };

// "gentle", "standard" or "strong".
std::string strengthName(Strength strength);
std::optional<Strength> strengthNamed(std::string_view name);
// The strengths from the weakest up, round again after the strongest:
// the order the F3 key goes through them.
Strength strengthAfter(Strength strength);
Strength strengthBefore(Strength strength);

// The next move of the player whose turn it is, at the given strength.
ComputerMove chooseMoveAt(Strength strength, const Board& board, ComputerTurn& turn, RandomSource& random);

// The whole turn of the player whose turn it is, without a pause.
void playTurnAt(Strength strength, Board& board, RandomSource& random, Outcomes& out);

}  // namespace sonarch
