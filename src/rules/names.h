// The pool of computer player names: two fixed lists of 500 first names,
// the first of names usually given to boys, the second to girls.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/RandomSource.h"

namespace sonarch {

constexpr int namesPerList = 500;
using NameList = std::array<std::string_view, namesPerList>;

// List 1 or 2; entry n of the game's numbering is element n - 1.
const NameList& nameList(int which);

// A name drawn from the pool: one draw for the list, then one for the entry.
std::string pickName(RandomSource& random);

}  // namespace sonarch
