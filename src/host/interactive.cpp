// Placeholder until the window and terminal hosts are built.
#include "host/interactive.h"

#include <iostream>

namespace sonarch {

int runInteractive(const CommandLine&) {
    std::cerr << "sonarch: the window and the terminal are not built yet; use --headless\n";
    return 1;
}

}  // namespace sonarch
