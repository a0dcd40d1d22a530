// Reading the file list of a menu from one or more folders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace sonarch {

// The ordinary files of every folder, sorted together by name. A name found
// in a later folder stands for the same name in an earlier one, so a map the
// player keeps under a bundled map's name is the one played. nullopt when
// none of the folders can be read.
std::optional<FileList> listFolders(Platform& platform, const std::vector<std::string>& folders);

}  // namespace sonarch
