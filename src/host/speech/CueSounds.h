// The sound cues of the window and the terminal: each cue's tones are made
// once and played through the sound device the built-in voice uses, or one
// opened for the cues alone when the voice speaks elsewhere.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/Cue.h"

namespace sonarch::speech {

class SoundMixer;

class CueSounds {
public:
    CueSounds();
    ~CueSounds();
    CueSounds(const CueSounds&) = delete;
    CueSounds& operator=(const CueSounds&) = delete;

    // Opens the sound device, so that the first cue comes at once. False
    // with the reason when there is none; the cues are then silent.
    bool prepare(std::string& whyNot);
    void play(Cue cue);

private:
    std::shared_ptr<SoundMixer> mixer_;
    bool triedToOpen_ = false;
    std::array<std::vector<short>, cueCount> tones_;
};

}  // namespace sonarch::speech
