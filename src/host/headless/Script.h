// A key script for headless play, read whole before any key is played so
// that a bad line is reported before the game starts.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "host/keyNames.h"

namespace sonarch {

struct ScriptLine {
    enum class Kind { Key, Press, Release, DuringPause, Type, Cancel, Wait };
    Kind kind = Kind::Key;
    int lineNumber = 0;
    std::vector<KeyStroke> keys;  // one for Key/Press/Release, several for DuringPause
    std::string text;             // for Type, and Wait's text to wait for
};

struct ScriptError {
    std::string message;  // "line N: ..."
};

// The meaningful lines in order; blank lines and # comments are dropped.
// Throws ScriptError for a line that cannot be read.
std::vector<ScriptLine> readScript(std::istream& in);

}  // namespace sonarch
