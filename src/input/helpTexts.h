// What F1 says in each place of the game, one sentence a press.
#pragma once

#include <string>
#include <vector>

namespace sonarch {

enum class HelpPlace { MainMenu, MapList, Question, SavedGames, Start, Attack, Placing, ComputerTurn, Finding };

// largestNumber: the most computer players the question accepts.
std::vector<std::string> helpSentences(HelpPlace place, int largestNumber);

}  // namespace sonarch
