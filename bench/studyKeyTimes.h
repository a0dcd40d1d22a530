// How long a study key takes from the key to its sentence, with no network:
// S on a board in the middle of a game, through the session as a host hands
// it a key.
#pragma once

#include <filesystem>

namespace sonarch::bench {

// folder: a data folder holding the map the game is played on.
void studyKeyFigures(const std::filesystem::path& folder, int presses);

}  // namespace sonarch::bench
