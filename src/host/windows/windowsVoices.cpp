#include "host/windows/windowsVoices.h"

#include "host/windows/sapiVoice.h"
#include "host/windows/screenReaderVoice.h"

namespace sonarch::windows {

std::unique_ptr<Voice> openWindowsVoice(const std::string& choice, HWND window, std::string& whyNot) {
    if (choice == "none") {
        whyNot = "switched off with --speech none";
        return nullptr;
    }
    std::string readerTrouble;
    if (choice == "screenreader" || (choice == "auto" && screenReaderRunning())) {
        if (auto voice = openScreenReaderVoice(window, readerTrouble)) return voice;
    }
    if (auto voice = openSapiVoice(whyNot)) return voice;
    if (!readerTrouble.empty()) whyNot = readerTrouble + " and " + whyNot;
    return nullptr;
}

}  // namespace sonarch::windows
