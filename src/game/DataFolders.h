// Where the game finds its maps and keeps its saved games. Maps may come
// from more than one folder (those bundled with the game, then the player's
// own); saved games live in one folder. No path ends in a separator.
#pragma once

#include <string>
#include <vector>

namespace sonarch {

struct DataFolders {
    std::vector<std::string> maps;
    std::string saves;
};

}  // namespace sonarch
