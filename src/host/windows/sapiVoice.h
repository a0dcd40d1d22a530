// The Windows speech engine (SAPI 5) as the game's voice.
#pragma once

#include <memory>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::windows {

// The voice, or null with the reason. A voice that is created but refuses
// its first sentence (a silent purge) counts as none, so that the caption
// takes over from the very first sentence.
std::unique_ptr<Voice> openSapiVoice(std::string& whyNot);

}  // namespace sonarch::windows
