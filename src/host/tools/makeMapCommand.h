// --make-map [--zones N] [--seed S] FILE: a new map written to FILE.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "game/Platform.h"

namespace sonarch {

// args begin with "--make-map". Says the map's name, size and seed on out:
// 0 when FILE was written, 1 when it could not be (a file already there is
// never replaced). Throws std::invalid_argument for options it cannot use.
int makeMapFile(Platform& disk, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace sonarch
