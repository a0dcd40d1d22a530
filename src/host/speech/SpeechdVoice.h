// The player's own voice through Speech Dispatcher, the service screen
// readers speak with. Its calls can block for good when the service is
// wedged (for example when its sound server is gone), so they all run on a
// worker thread that holds only the latest sentence (and those to follow it); the window never waits
// on it longer than the bounded wait at connection.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::speech {

enum class SpeechEvent { Begin, End, Cancel };

struct SpeechdSettings {
    // Start the service when it is not running (it may take a few seconds).
    bool autospawn = false;
    // How long start-up waits for the service to answer.
    std::chrono::milliseconds connectWait{1000};
    // A sentence still not handed over after this long means the service
    // is wedged; the voice then speaks through the fallback instead.
    std::chrono::milliseconds wedgedAfter{2000};
    // The voice to go on with when the service wedges during play; may be empty.
    std::function<std::unique_ptr<Voice>(std::string& whyNot)> fallback;
    // Told of the service's begin, end and cancel notices (from its own thread).
    std::function<void(SpeechEvent)> observer;
};

// Connects within settings.connectWait, or returns null with the reason.
std::unique_ptr<Voice> openSpeechdVoice(const SpeechdSettings& settings, std::string& whyNot);

}  // namespace sonarch::speech
