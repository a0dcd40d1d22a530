// Chooses the voice for a run: the player's own Speech Dispatcher when its
// service answers, else the built-in espeak-ng voice, else none with the
// reason. Shared by the window and the terminal.
#pragma once

#include <memory>
#include <string>

#include "host/Host.h"

namespace sonarch {

// choice: "auto", "speechd", "espeak" or "none" (the --speech option).
// Null with a reason that fits the sentence "Speech is unavailable (...)".
std::unique_ptr<Voice> createSpeechVoice(const std::string& choice, std::string& whyNot);

}  // namespace sonarch
