// Plays the game in the terminal: keys from the keyboard, sentences printed
// and spoken.
#pragma once

#include "host/commandLine.h"

namespace sonarch {

int runTerminal(const CommandLine& options);

}  // namespace sonarch
