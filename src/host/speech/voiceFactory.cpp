#include "host/speech/voiceFactory.h"

#include "host/speech/EspeakVoice.h"
#include "host/speech/SpeechdVoice.h"

namespace sonarch {

namespace {
// A running service answers in milliseconds; a missing one must not delay
// the welcome. One that stops answering during play hands over to espeak-ng.
std::unique_ptr<Voice> openQuickSpeechd(std::string& whyNot) {
    speech::SpeechdSettings settings;
    settings.fallback = speech::openEspeakVoice;
    return speech::openSpeechdVoice(settings, whyNot);
}

// Asked for by name: worth starting the service and waiting for it.
std::unique_ptr<Voice> openPatientSpeechd(std::string& whyNot) {
    speech::SpeechdSettings settings;
    settings.autospawn = true;
    settings.connectWait = std::chrono::seconds(5);
    return speech::openSpeechdVoice(settings, whyNot);
}
}  // namespace

const VoiceTable& speechVoices() {
    static const VoiceTable table{
        {"auto", {openQuickSpeechd, speech::openEspeakVoice}},
        {"speechd", {openPatientSpeechd}},
        {"espeak", {speech::openEspeakVoice}},
        {"none", {}},
    };
    return table;
}

}  // namespace sonarch
