#include "host/speech/EspeakVoice.h"

#include <SDL.h>
#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <cstring>
#include <iostream>

#include "host/speech/speechScale.h"

namespace sonarch::speech {

namespace {
std::atomic<bool> engineInUse{false};
// espeak-ng 1.51 can hang in espeak_Terminate, so the engine, once started,
// stays up for the rest of the run and is taken up again by the next voice.
int engineSampleRate = 0;

// Short chunks keep the first samples of a sentence close to the call.
constexpr int chunkMilliseconds = 60;
// About 23 ms of sound a device buffer at espeak-ng's rate: short enough that
// a cut-off is heard at once.
constexpr Uint16 deviceBufferFrames = 512;

class EspeakVoice final : public Voice {
public:
    EspeakVoice(SDL_AudioDeviceID device) : device_(device) {}

    ~EspeakVoice() override {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        engineInUse = false;
    }

    void setRate(int rate) override { espeak_SetParameter(espeakRATE, espeakWordsPerMinute(rate), 0); }
    void setVolume(int volume) override {
        espeak_SetParameter(espeakVOLUME, espeakVolume(volume), 0);
    }

    void speak(const std::string& text) override {
        SDL_ClearQueuedAudio(device_);
        if (text.empty()) return;
        // Synchronous synthesis: the callback queues each chunk as it is made.
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_AUTO, nullptr, this);
    }

    static int onSamples(short* samples, int count, espeak_EVENT* events) {
        if (samples == nullptr || count <= 0 || events == nullptr) return 0;
        auto* self = static_cast<EspeakVoice*>(events->user_data);
        SDL_QueueAudio(self->device_, samples, static_cast<Uint32>(count) * sizeof(short));
        return 0;
    }

private:
    SDL_AudioDeviceID device_;
};
}  // namespace

std::unique_ptr<Voice> openEspeakVoice(std::string& whyNot) {
    if (engineInUse.exchange(true)) {
        whyNot = "the built-in voice is already speaking for another window";
        return nullptr;
    }
    if (engineSampleRate <= 0) {
        engineSampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, chunkMilliseconds, nullptr, 0);
        if (engineSampleRate <= 0) {
            engineInUse = false;
            whyNot = "the built-in voice found no voice data";
            return nullptr;
        }
        espeak_SetSynthCallback(&EspeakVoice::onSamples);
    }
    if (espeak_SetVoiceByName("en") != EE_OK) {
        engineInUse = false;
        whyNot = "the built-in voice has no English voice";
        return nullptr;
    }

    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        whyNot = "the built-in voice found no sound output";
        std::cerr << "sonarch: " << SDL_GetError() << '\n';
        engineInUse = false;
        return nullptr;
    }
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = engineSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = deviceBufferFrames;
    // The device is opened once for the whole run; SDL converts to whatever
    // the sound card wants.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        whyNot = "the built-in voice found no sound device";
        std::cerr << "sonarch: " << SDL_GetError() << '\n';
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        engineInUse = false;
        return nullptr;
    }
    SDL_PauseAudioDevice(device, 0);
    return std::make_unique<EspeakVoice>(device);
}

}  // namespace sonarch::speech
