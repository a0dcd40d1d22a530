// F9 and F10 slow down and speed up the built-in voice; F11 switches the
// sound cues; F2 switches between the classic and the clear sentences. Like
// the speech switch they work everywhere, during pauses too, and each is
// remembered for the next run.
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
        settings.clearWording = words().clear;
        // The answer, and any trouble keeping it, come in the wording just chosen.
        sayIt(words().menus.said(words().clear ? MenuLine::ClearChosen : MenuLine::ClassicChosen) +
              rememberSettings());
        return true;
    }
    if (keyCode == key::F11) {
        soundsOn = !soundsOn;
        settings.soundsOn = soundsOn;
        sayIt(words().menus.said(soundsOn ? MenuLine::SoundsOn : MenuLine::SoundsOff) + rememberSettings());
        return true;
    }
    if (!voice || voice->rateSetBy() == RateSetBy::Nobody) {
        sayIt(words().menus.said(MenuLine::NoVoiceForRate));
        return true;
    }
    if (voice->rateSetBy() == RateSetBy::Player) {
        sayIt(words().menus.said(MenuLine::ScreenReaderRate));
        return true;
    }
    const bool faster = keyCode == key::F10;
    if (faster && speechRate >= fastestRate) {
        sayIt(words().menus.rateAtLimit(fastestRate, true));
        return true;
    }
    if (!faster && speechRate <= slowestRate) {
        sayIt(words().menus.rateAtLimit(slowestRate, false));
        return true;
    }
    speechRate += faster ? 1 : -1;
    voice->setRate(speechRate);
    settings.speechRate = speechRate;
    sayIt(words().menus.rateSet(speechRate) + rememberSettings());
    return true;
}

}  // namespace sonarch
