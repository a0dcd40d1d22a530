// The program's entry: reads the options and starts the host they ask for.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/commandLine.h"
#include "host/headless/HeadlessHost.h"
#include "host/interactive.h"
#include "host/tools/toolCommands.h"

int main(int argc, char** argv) {
    using namespace sonarch;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = runToolCommand(args, std::cout, std::cerr, standardErrorIsTerminal()))
        return *status;
    CommandLine options;
    try {
        options = parseCommandLine(args);
    } catch (const std::invalid_argument& error) {
        std::cerr << "sonarch: " << error.what() << '\n' << usageText << toolUsageText;
        return 2;
    }
    switch (options.mode) {
    case CommandLine::Mode::Help: std::cout << usageText << toolUsageText; return 0;
    case CommandLine::Mode::Headless:
        std::ios::sync_with_stdio(false);
        return runHeadless(options.headless, std::cin, std::cout, std::cerr);
    default: return runInteractive(options);
    }
}
