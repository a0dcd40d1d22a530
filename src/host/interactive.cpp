// Placeholder until the window host is built; --text plays in the terminal.
#include "host/interactive.h"

#include "host/terminal/TerminalHost.h"

namespace sonarch {

int runInteractive(const CommandLine& options) {
    // Until the window is built, every person plays in the terminal.
    return runTerminal(options);
}

}  // namespace sonarch
