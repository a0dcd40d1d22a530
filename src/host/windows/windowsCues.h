// The cues on Windows: the same notes as every other front end, made into a
// WAV in memory once per cue and handed to PlaySound, which plays it on its
// own thread beside the voice. Without a sound device the cues stay silent.
#pragma once

#include <array>
#include <vector>

#include "game/Cue.h"

namespace sonarch::windows {

class WindowsCues {
public:
    WindowsCues() = default;
    // Stops a cue still playing: PlaySound reads its WAV from our memory.
    ~WindowsCues();
    WindowsCues(const WindowsCues&) = delete;
    WindowsCues& operator=(const WindowsCues&) = delete;

    // Returns at once; a new cue cuts the one before it, never the speech.
    void play(Cue cue);

private:
    std::array<std::vector<unsigned char>, cueCount> waves_;
};

}  // namespace sonarch::windows
