#include "host/speech/EspeakVoice.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <iostream>

#include "host/speech/SoundMixer.h"
#include "host/speech/speechScale.h"

namespace sonarch::speech {

namespace {
std::atomic<bool> engineInUse{false};
// espeak-ng 1.51 can hang in espeak_Terminate, so the engine, once started,
// stays up for the rest of the run and is taken up again by the next voice.
int engineSampleRate = 0;

// Short chunks keep the first samples of a sentence close to the call.
constexpr int chunkMilliseconds = 60;

class EspeakVoice final : public Voice {
public:
    explicit EspeakVoice(std::shared_ptr<SoundMixer> mixer) : mixer_(std::move(mixer)) {}

    ~EspeakVoice() override {
        mixer_.reset();
        engineInUse = false;
    }

    void setRate(int rate) override { espeak_SetParameter(espeakRATE, espeakWordsPerMinute(rate), 0); }
    void setVolume(int volume) override {
        espeak_SetParameter(espeakVOLUME, espeakVolume(volume), 0);
    }

    void speak(const std::string& text) override {
        mixer_->clearSpeech();
        speakAfter(text);
    }

    // The sound queue plays in order, so a sentence made now follows
    // whatever is still waiting in it.
    void speakAfter(const std::string& text) override {
        if (text.empty()) return;
        // Synchronous synthesis: the callback queues each chunk as it is made.
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_AUTO, nullptr, this);
    }

    static int onSamples(short* samples, int count, espeak_EVENT* events) {
        if (samples == nullptr || count <= 0 || events == nullptr) return 0;
        auto* self = static_cast<EspeakVoice*>(events->user_data);
        self->mixer_->queueSpeech(samples, static_cast<std::size_t>(count));
        return 0;
    }

private:
    std::shared_ptr<SoundMixer> mixer_;
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

    std::string noSound;
    auto mixer = SoundMixer::open(engineSampleRate, noSound);
    if (!mixer) {
        whyNot = "the built-in voice found " + noSound;
        engineInUse = false;
        return nullptr;
    }
    return std::make_unique<EspeakVoice>(std::move(mixer));
}

}  // namespace sonarch::speech
