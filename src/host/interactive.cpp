// Placeholder until the window host is built; --text plays in the terminal.
#include "host/interactive.h"

#include <iostream>

#include "host/terminal/TerminalHost.h"

namespace sonarch {

int runInteractive(const CommandLine& options) {
    if (options.mode == CommandLine::Mode::Text) return runTerminal(options);
    std::cerr << "sonarch: the window is not built yet; use --text or --headless\n";
    return 1;
}

}  // namespace sonarch
