// A game on the headless front end and the disk of one data folder, for the
// tests, the test player's runs, the fuzzers and the benchmarks, which look
// inside the game and may press its keys directly.
#pragma once

#include <ostream>
#include <string>

#include "game/Form1.h"
#include "game/GameSession.h"
#include "host/headless/HeadlessHost.h"
#include "host/program/LocalPlatform.h"

namespace sonarch::testing {

class HeadlessGame {
public:
    // script: the lines that pauses and prompts may take (during-pause, type, cancel).
    HeadlessGame(const std::string& dataDir, const RandomSetup& random, std::ostream& transcript,
                 const std::string& script = "");

    // A press and a release, each followed by what it set going (pauses,
    // the save prompt), as a player's key in the program would be.
    void press(const KeyStroke& stroke);
    void keyDown(const KeyStroke& stroke);
    void keyUp(const KeyStroke& stroke);

    LocalPlatform platform;
    HeadlessHost host;
    GameSession session;
    Form1& form;
};

}  // namespace sonarch::testing
