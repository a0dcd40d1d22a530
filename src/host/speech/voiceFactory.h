// The voices of this platform: the player's own Speech Dispatcher when its
// service answers, the built-in espeak-ng voice, or none. Shared by the
// window and the terminal.
#pragma once

#include "host/VoiceTable.h"

namespace sonarch {

// auto: Speech Dispatcher if it answers at once, else espeak-ng.
// speechd: Speech Dispatcher, started and waited for if need be.
// espeak: espeak-ng only. none: silent.
const VoiceTable& speechVoices();

}  // namespace sonarch
