// The program's entry: reads the options and starts the host they ask for.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/commandLine.h"
#include "host/headless/HeadlessHost.h"
#include "host/interactive.h"

int main(int argc, char** argv) {
    using namespace sonarch;
    CommandLine options;
    try {
        options = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "sonarch: " << error.what() << "\n\n" << helpText("");
        return 2;
    }
    switch (options.mode) {
    case CommandLine::Mode::Help: std::cout << helpText(options.headless.dataDir); return 0;
    case CommandLine::Mode::Version: std::cout << "sonarch " SONARCH_VERSION "\n"; return 0;
    case CommandLine::Mode::Headless:
        std::ios::sync_with_stdio(false);
        return runHeadless(options.headless, std::cin, std::cout, std::cerr);
    default: return runInteractive(options);
    }
}
