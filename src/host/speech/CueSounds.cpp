#include "host/speech/CueSounds.h"

#include "host/speech/SoundMixer.h"
#include "host/speech/cueTones.h"

namespace sonarch::speech {

namespace {
// espeak-ng's own rate, so that the device opened here suits the voice too.
constexpr int preferredSampleRate = 22050;
}  // namespace

CueSounds::CueSounds() = default;
CueSounds::~CueSounds() = default;

bool CueSounds::prepare(std::string& whyNot) {
    if (triedToOpen_) return mixer_ != nullptr;
    triedToOpen_ = true;
    mixer_ = SoundMixer::open(preferredSampleRate, whyNot);
    if (!mixer_) return false;
    for (std::size_t i = 0; i < tones_.size(); ++i)
        tones_[i] = cueTones(static_cast<Cue>(i), mixer_->sampleRate());
    return true;
}

void CueSounds::play(Cue cue) {
    std::string whyNot;
    if (!prepare(whyNot)) return;
    mixer_->playCue(tones_[static_cast<std::size_t>(cue)]);
}

}  // namespace sonarch::speech
