// Where the game finds its maps and keeps its saved games and the player's
// settings. Maps may come from more than one folder (those bundled with the
// game, then the player's own); saved games live in one folder. No path ends
// in a separator.
#pragma once

#include <string>
#include <vector>

namespace sonarch {

struct DataFolders {
    std::vector<std::string> maps;
    std::string saves;
    std::string settingsFile;  // the platform's place for it; empty: none
};

}  // namespace sonarch
