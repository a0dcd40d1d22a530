// Reading a map file: the map name, the number of zones, then for each zone
// its name, its number of links and the links, written counted from 0.
#pragma once

#include <string>
#include <string_view>

#include "rules/Board.h"

namespace sonarch {

// Reads a whole map file into record (links made 1-based). False, with a
// reason that finishes the sentence "The map X cannot be loaded: ...", when
// the file is not a good map; record is then not to be used.
bool parseMap(std::string_view text, MapRecord& record, std::string& whyNot);

// The sentence that refuses the map file at path: "The map X cannot be
// loaded: " with the reason, X the file's name without its folder.
std::string mapRefusal(const std::string& path, const std::string& whyNot);

// The largest number of seats, people and computer players, that a map
// allows (the rules decide it; the map tools and the menus ask here).
int playersAllowed(int zoneCount);

}  // namespace sonarch
