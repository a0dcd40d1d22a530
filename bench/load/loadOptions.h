// What a run of the load tester is asked to do, read from its command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sonarch::load {

struct LoadOptions {
    int port = 0;
    int rooms = 10;
    // Seconds a bot waits between its moves; 0 answers as soon as it is its turn.
    double moveEvery = 1.0;
    double seconds = 30.0;
    int watchers = 0;
    std::string map = "Broad World";
    int serverPid = 0;
    // One server process of several killed outright this long into the measured time.
    int killPid = 0;
    double killAfter = 0;
    // A server program to start on a free port and a fresh folder of its own.
    std::string serverProgram;
    std::vector<std::string> serverArguments;
};

// The options, or why not (a sentence for standard error).
struct OptionsParse {
    std::optional<LoadOptions> options;
    std::string error;
};
OptionsParse parseLoadOptions(int argc, char** argv);

std::string usage();

}  // namespace sonarch::load
