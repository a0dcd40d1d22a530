// Play for a person: the window, or the terminal when asked for with --text
// or when no display can be opened.
#include "host/interactive.h"

#include <iostream>

#include "host/terminal/TerminalHost.h"
#include "host/window/runWindow.h"

namespace sonarch {

int runInteractive(const RunOptions& options, const OnlineStarter& makeInbox) {
    if (options.mode == RunOptions::Mode::Text) return runTerminal(options, makeInbox);
    std::string whyNoWindow;
    if (const auto status = window::runWindow(options, whyNoWindow, makeInbox)) return *status;
    std::cerr << "sonarch: no window could be opened (" << whyNoWindow
              << "), so the game plays in the terminal\n";
    return runTerminal(options, makeInbox);
}

}  // namespace sonarch
