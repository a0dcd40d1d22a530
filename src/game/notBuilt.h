// Marks an operation whose rules are not in the game yet: calling it stops
// the program with a clear reason instead of pretending to work.
#pragma once

#include <stdexcept>
#include <string>

namespace sonarch {

struct NotBuilt : std::logic_error {
    explicit NotBuilt(const std::string& what) : std::logic_error(what + " is not built yet") {}
};

}  // namespace sonarch
