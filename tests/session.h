// A game object on the headless host, driven key by key from a test, with
// the transcript read back in pieces.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "bot/headlessGame.h"
#include "support.h"

namespace sonarch::testing {

class Session {
public:
    // pauseScript: lines that pauses and prompts may consume (during-pause, type, cancel).
    explicit Session(const std::string& pauseScript = "", std::vector<double> fixedRandom = {},
                     std::uint64_t seed = 1);

    void start() { run.session.start(); }
    // Presses and releases a key by its script name ("Shift+Enter").
    void press(const std::string& keyName);
    // The transcript lines written since the last call.
    std::vector<std::string> said();

    DataDir data;
    std::ostringstream out;
    HeadlessGame run;
    Form1& form;

private:
    std::size_t readUpTo_ = 0;
};

}  // namespace sonarch::testing
