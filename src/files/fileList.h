// Reading the file list of a menu from one or more folders.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/Platform.h"

namespace sonarch {

// The file list: the ordinary files of the menu's folders, sorted by name,
// as read when the menu opened, with the full path of each.
struct FileList {
    std::vector<std::string> entries;
    std::vector<std::string> paths;
};

// The ordinary files of every folder, sorted together by name. A name found
// in a later folder stands for the same name in an earlier one, so a map the
// player keeps under a bundled map's name is the one played. nullopt when
// none of the folders can be read.
std::optional<FileList> listFolders(Platform& platform, const std::vector<std::string>& folders);

}  // namespace sonarch
