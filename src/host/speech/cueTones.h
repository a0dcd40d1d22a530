// The sound of each cue, made by the program itself: a few short notes, each
// cue with its own tune, rising for good news and falling for bad, quiet
// enough to sit under speech.
#pragma once

#include <vector>

#include "game/Cue.h"

namespace sonarch::speech {

// 16-bit mono samples at sampleRate.
std::vector<short> cueTones(Cue cue, int sampleRate);

}  // namespace sonarch::speech
