// A game on the headless front end and the disk of one data folder, for the
// tests, the test player's runs, the fuzzers and the benchmarks, which look
// inside the game and may press its keys directly.
#pragma once

#include <ostream>
#include <string>

#include "game/Form1.h"
#include "game/GameSession.h"
#include "host/headless/HeadlessHost.h"
#include "host/posix/PosixPlatform.h"

namespace sonarch::testing {

class HeadlessGame {
public:
    // script: the lines that pauses and prompts may take (during-pause, type, cancel).
    HeadlessGame(const std::string& dataDir, const RandomSetup& random, std::ostream& transcript,
                 const std::string& script = "");

    PosixPlatform platform;
    HeadlessHost host;
    GameSession session;
    Form1& form;
};

}  // namespace sonarch::testing
