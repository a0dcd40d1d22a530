// The program's entry: reads the options and starts the host they ask for,
// or the map maker's tools.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/RunOptions.h"
#include "host/harmlessText.h"
#include "host/headless/HeadlessHost.h"
#include "host/interactive.h"
#include "host/online/startOnline.h"
#include "host/posix/PosixPlatform.h"
#include "host/posix/folderLayout.h"
#ifdef SONARCH_SERVER
#include "host/server/serve.h"
#endif
#include "host/tools/toolCommands.h"

int main(int argc, char** argv) {
    using namespace sonarch;
    const std::vector<std::string> args(argv + 1, argv + argc);
    {
        PosixPlatform disk;
        if (const auto status = runToolCommand(args, disk, std::cout, std::cerr, isatty(2) != 0))
            return *status;
    }
    RunOptions options;
    try {
        options = parseRunOptions(args);
    } catch (const std::invalid_argument& error) {
        std::cerr << "sonarch: " << harmless(error.what()) << "\n\n"
                  << helpText(describeFolderLayout(currentFolderLayout("")));
        return 2;
    }
    switch (options.mode) {
    case RunOptions::Mode::Help:
        std::cout << helpText(describeFolderLayout(currentFolderLayout(options.dataDir)));
        return 0;
    case RunOptions::Mode::Version: std::cout << "sonarch " SONARCH_VERSION "\n"; return 0;
    default: break;
    }
    // A mistyped folder is told, not made: the game would start with no maps
    // and save where the player will never look.
    std::error_code error;
    if (!options.dataDir.empty() && !std::filesystem::is_directory(options.dataDir, error)) {
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
        PosixPlatform platform(options.dataDir);
        return runHeadless(options, platform, std::cin, std::cout, std::cerr, online);
    }
    case RunOptions::Mode::Serve:
#ifdef SONARCH_SERVER
        return server::serve(options);
#else
        std::cerr << "sonarch: this build has no server\n";
        return 2;
#endif
    default: return runInteractive(options, online);
    }
}
