#include "host/windows/windowsVoices.h"

#include "host/windows/sapiVoice.h"
#include "host/windows/screenReaderVoice.h"

namespace sonarch::windows {

VoiceTable windowsVoices(HWND window) {
    const VoiceOpener screenReader = [window](std::string& whyNot) {
        return openScreenReaderVoice(window, whyNot);
    };
    const VoiceOpener runningScreenReader = [window](std::string& whyNot) -> std::unique_ptr<Voice> {
        if (screenReaderRunning()) return openScreenReaderVoice(window, whyNot);
        whyNot = "no screen reader is running";
        return nullptr;
    };
    return {
        {"auto", {runningScreenReader, openSapiVoice}},
        {"screenreader", {screenReader, openSapiVoice}},
        {"sapi", {openSapiVoice}},
        {"none", {}},
    };
}

}  // namespace sonarch::windows
