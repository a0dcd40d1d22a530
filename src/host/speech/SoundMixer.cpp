#include "host/speech/SoundMixer.h"

#include <algorithm>
#include <cstring>

namespace sonarch::speech {

namespace {
// About 23 ms of sound a device buffer at espeak-ng's rate: short enough that
// a cut-off is heard at once.
constexpr Uint16 deviceBufferFrames = 512;

std::weak_ptr<SoundMixer>& runMixer() {
    static std::weak_ptr<SoundMixer> mixer;
    return mixer;
}

// Holds the sound thread off while the queues change.
class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) { SDL_LockAudioDevice(device_); }
    ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID device_;
};
}  // namespace

std::shared_ptr<SoundMixer> SoundMixer::open(int sampleRate, std::string& whyNot) {
    if (auto shared = runMixer().lock()) return shared;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        // The player hears why from the game; the sound system's own words
        // would only fill the terminal the game was started from.
        whyNot = "no sound output";
        return nullptr;
    }
    std::shared_ptr<SoundMixer> mixer(new SoundMixer(sampleRate));
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = deviceBufferFrames;
    wanted.callback = &SoundMixer::fill;
    wanted.userdata = mixer.get();
    // The device is opened once for the whole run; SDL converts to whatever
    // the sound card wants.
    mixer->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (mixer->device_ == 0) {
        whyNot = "no sound device";
        return nullptr;  // the mixer's end gives the sound system back
    }
    runMixer() = mixer;
    SDL_PauseAudioDevice(mixer->device_, 0);
    return mixer;
}

SoundMixer::~SoundMixer() {
    // Closing waits for the sound thread to leave fill(), so nothing reads the queues after.
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundMixer::queueSpeech(const short* samples, std::size_t count) {
    const DeviceLock lock(device_);
    speech_.insert(speech_.end(), samples, samples + count);
}

void SoundMixer::clearSpeech() {
    const DeviceLock lock(device_);
    speech_.clear();
    speechPlayed_ = 0;
}

void SoundMixer::playCue(const std::vector<short>& samples) {
    if (samples.empty()) return;
    const DeviceLock lock(device_);
    cues_.push_back({&samples, 0});
}

void SoundMixer::fill(void* self, Uint8* stream, int bytes) {
    static_cast<SoundMixer*>(self)->mix(reinterpret_cast<short*>(stream),
                                        static_cast<std::size_t>(bytes) / sizeof(short));
}

void SoundMixer::mix(short* out, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        int sample = speechPlayed_ < speech_.size() ? speech_[speechPlayed_++] : 0;
        for (Playing& cue : cues_)
            if (cue.next < cue.samples->size()) sample += (*cue.samples)[cue.next++];
        out[i] = static_cast<short>(std::clamp(sample, -32768, 32767));
    }
    if (speechPlayed_ >= speech_.size()) {
        speech_.clear();
        speechPlayed_ = 0;
    }
    std::erase_if(cues_, [](const Playing& cue) { return cue.next >= cue.samples->size(); });
}

}  // namespace sonarch::speech
