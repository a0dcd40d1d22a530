// The sentences around play: the menus, the map and saved-game lists,
// loading and saving, the settings, confirmations and the help.
#pragma once

#include <string>

#include "rules/Board.h"

namespace sonarch {

class MenuWords {
public:
    virtual ~MenuWords() = default;
};

class ClassicMenuWords : public MenuWords {
public:
};

class ClearMenuWords : public ClassicMenuWords {
public:
};

}  // namespace sonarch
