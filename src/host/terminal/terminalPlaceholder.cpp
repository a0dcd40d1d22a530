// Stands in for the terminal until it is part of the program.
#include <iostream>

#include "host/terminal/TerminalHost.h"

namespace sonarch {

int runTerminal(const CommandLine&) {
    std::cerr << "sonarch: playing in the terminal is not built yet; use the window or --headless\n";
    return 1;
}

}  // namespace sonarch
