// F9 and F10 slow down and speed up the built-in voice; F11 switches the
// sound cues; F2 switches between the classic and the clear sentences. Like the speech switch they work everywhere, during pauses too.
// Both are remembered for the next run.
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

namespace {
constexpr int slowestRate = -10;
constexpr int fastestRate = 10;
}  // namespace

bool Form1::settingKeys(short keyCode, short shift) {
    if (shift != 0 || (keyCode != key::F2 && keyCode != key::F9 && keyCode != key::F10 && keyCode != key::F11))
        return false;
    // In play they pair with the link keys as every other key there does.
    if (menuState == 0 && !Holder.Enabled) lastKey = keyCode;
    if (keyCode == key::F2) {
        chooseWording(!words().clear);
        sayIt(words().clear ? "Clear sentences." : "Classic sentences.");
        return true;
    }
    if (keyCode == key::F11) {
        soundsOn = !soundsOn;
        settings.soundsOn = soundsOn;
        sayIt((soundsOn ? "Sounds on." : "Sounds off.") + rememberSettings());
        return true;
    }
    if (!voice || voice->rateSetBy() == RateSetBy::Nobody) {
        sayIt("There is no voice to set the rate of; sentences are shown as text.");
        return true;
    }
    if (voice->rateSetBy() == RateSetBy::Player) {
        sayIt("Your screen reader's own rate applies; change it there.");
        return true;
    }
    const bool faster = keyCode == key::F10;
    if (faster && speechRate >= fastestRate) {
        sayIt("Rate " + std::to_string(fastestRate) + " is the fastest.");
        return true;
    }
    if (!faster && speechRate <= slowestRate) {
        sayIt("Rate " + std::to_string(slowestRate) + " is the slowest.");
        return true;
    }
    speechRate += faster ? 1 : -1;
    voice->setRate(speechRate);
    settings.speechRate = speechRate;
    sayIt("Rate " + std::to_string(speechRate) + "." + rememberSettings());
    return true;
}

}  // namespace sonarch
