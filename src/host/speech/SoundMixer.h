// The program's one sound device, shared by the built-in voice and the sound
// cues. Speech is a queue that each new sentence empties; cues are laid over
// it as they come, so a cue never waits for, delays or cuts off a sentence.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace sonarch::speech {

class SoundMixer {
public:
    // The run's mixer, opened on first use at sampleRate (mono, 16 bits);
    // later callers share it at whatever rate it has. Null with the reason
    // when there is no sound device.
    static std::shared_ptr<SoundMixer> open(int sampleRate, std::string& whyNot);

    ~SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    int sampleRate() const { return sampleRate_; }
    void queueSpeech(const short* samples, std::size_t count);
    // Drops the speech not yet played; cues go on.
    void clearSpeech();
    void playCue(const std::vector<short>& samples);

private:
    struct Playing {
        const std::vector<short>* samples;  // owned by the caller for the whole run
        std::size_t next;
    };

    explicit SoundMixer(int sampleRate) : sampleRate_(sampleRate) {}
    static void fill(void* self, Uint8* stream, int bytes);
    void mix(short* out, std::size_t frames);

    SDL_AudioDeviceID device_ = 0;
    int sampleRate_;
    // Written under the device's lock: the sound thread reads them.
    std::vector<short> speech_;
    std::size_t speechPlayed_ = 0;
    std::vector<Playing> cues_;
};

}  // namespace sonarch::speech
