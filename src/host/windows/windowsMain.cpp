// The Windows program's entry: reads the options and starts the window or
// the headless run, at one keyboard or in a room on a server. The map maker's tools and the installed folder layout
// belong to the Linux program.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

#include "host/RunOptions.h"
#include "host/harmlessText.h"
#include "host/headless/HeadlessHost.h"
#include "host/interactive.h"
#include "host/online/startOnline.h"
#include "host/windows/WindowsPlatform.h"
#include "host/windows/wideText.h"

int main(int argc, char** argv) {
    using namespace sonarch;
    const std::string folders =
        "Maps\\, Saves\\ and settings.txt lie beside sonarch.exe, or in the folder --data-dir names.\n";
    RunOptions options;
    try {
        options = parseRunOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "sonarch: " << harmless(error.what()) << "\n\n" << helpText(folders);
        return 2;
    }
    switch (options.mode) {
    case RunOptions::Mode::Help: std::cout << helpText(folders); return 0;
    case RunOptions::Mode::Version: std::cout << "sonarch " SONARCH_VERSION "\n"; return 0;
    default: break;
    }
    // A mistyped folder is told, not made, as on Linux.
    const DWORD attributes = options.dataDir.empty() ? 0 : GetFileAttributesW(windows::widen(options.dataDir).c_str());
    if (!options.dataDir.empty() &&
        (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))) {
        std::cerr << "sonarch: the folder given with --data-dir does not exist: " << harmless(options.dataDir)
                  << '\n';
        return 2;
    }
    std::string whyNot;
    if (!options.online.server.empty() && !onlineAddressUsable(options.online, whyNot)) {
        std::cerr << "sonarch: " << harmless(whyNot) << '\n';
        return 2;
    }
    const OnlineStarter online = [](GameSession& game, const OnlineAsk& ask) { return startOnline(game, ask); };
    switch (options.mode) {
    case RunOptions::Mode::Headless: {
        std::ios::sync_with_stdio(false);
        WindowsPlatform platform(options.dataDir);
        return runHeadless(options, platform, std::cin, std::cout, std::cerr, online);
    }
    default: return runInteractive(options, online);
    }
}
