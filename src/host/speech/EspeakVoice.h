// The built-in voice: espeak-ng synthesises each sentence at once, far
// faster than it is spoken, into the game's own sound queue. A new sentence
// empties the queue first, so it cuts the last one off without a gap; one
// said after the rest joins the end of the queue.
#pragma once

#include <memory>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::speech {

// The built-in voice, or null with the reason (no sound device, no voice
// data). espeak-ng keeps one state per program, so there is one at a time.
std::unique_ptr<Voice> openEspeakVoice(std::string& whyNot);

}  // namespace sonarch::speech
