// The program's options. Without any the game opens its window on the
// bundled maps beside the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/headless/HeadlessHost.h"

namespace sonarch {

struct CommandLine {
    enum class Mode { Window, Text, Headless, Help, Version };
    Mode mode = Mode::Window;
    std::string speech = "auto";   // auto, speechd, espeak or none
    std::string randomFile;        // --random
    HeadlessOptions headless;      // data folder, seed, drawing log
};

// Throws std::invalid_argument with a sentence for the user on a bad option.
CommandLine parseCommandLine(const std::vector<std::string>& args);
// Reads a --random file: one number 0 <= u < 1 a line.
std::vector<double> readRandomFile(const std::string& path);

extern const char* const usageText;
// The usage, every option, and the folders this run would use.
std::string helpText(const std::string& dataDir);

}  // namespace sonarch
