// Play for a person: the window, or the terminal when asked for or when no
// display can be opened.
#pragma once

#include "host/RunOptions.h"

namespace sonarch {

int runInteractive(const RunOptions& options);

}  // namespace sonarch
