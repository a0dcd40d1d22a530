// The voices a platform offers, by the names --speech gives them, each with
// the engines it tries in turn. Choosing never fails: when no engine of the
// entry opens, the choice is a silent voice that says why, so the game shows
// its sentences in the caption and tells the player in its welcome.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/FrontEnd.h"

namespace sonarch {

// Opens one engine; null with the reason when it cannot be had.
using VoiceOpener = std::function<std::unique_ptr<Voice>(std::string& whyNot)>;

struct NamedVoice {
    std::string name;
    std::vector<VoiceOpener> tries;  // in order; none at all for "none"
};
using VoiceTable = std::vector<NamedVoice>;

// The first engine of the named entry that opens. Otherwise a SilentVoice
// whose reason joins those of every engine tried with " and ", or, for an
// entry that tries none, "switched off with --speech NAME".
std::unique_ptr<Voice> openNamedVoice(const VoiceTable& table, const std::string& name);

}  // namespace sonarch
