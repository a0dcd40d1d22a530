#include "host/speech/voiceFactory.h"

#include "host/speech/EspeakVoice.h"
#include "host/speech/SpeechdVoice.h"

namespace sonarch {

std::unique_ptr<Voice> createSpeechVoice(const std::string& choice, std::string& whyNot) {
    if (choice == "none") {
        whyNot = "switched off with --speech none";
        return nullptr;
    }
    std::string speechdTrouble;
    if (choice == "auto" || choice == "speechd") {
        speech::SpeechdSettings settings;
        if (choice == "speechd") {
            // Asked for by name: worth starting the service and waiting for it.
            settings.autospawn = true;
            settings.connectWait = std::chrono::seconds(5);
        } else {
            // A running service answers in milliseconds; a missing one must
            // not delay the welcome.
            settings.fallback = speech::openEspeakVoice;
        }
        if (auto voice = speech::openSpeechdVoice(settings, speechdTrouble)) return voice;
        if (choice == "speechd") {
            whyNot = speechdTrouble;
            return nullptr;
        }
    }
    std::string espeakTrouble;
    if (auto voice = speech::openEspeakVoice(espeakTrouble)) return voice;
    whyNot = choice == "espeak" ? espeakTrouble : speechdTrouble + " and " + espeakTrouble;
    return nullptr;
}

}  // namespace sonarch
