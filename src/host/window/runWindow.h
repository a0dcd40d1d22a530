// Plays the game in the desktop window.
#pragma once

#include <optional>
#include <string>

#include "host/commandLine.h"

namespace sonarch::window {

// The exit status, or nothing with the reason when no display can be opened.
std::optional<int> runWindow(const CommandLine& options, std::string& whyNoWindow);

}  // namespace sonarch::window
