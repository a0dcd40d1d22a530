// Every sentence leaves the game here: spoken by the voice while speech is
// on, shown as the window title while it is off, and the recorded ones kept
// in the history of the last fifty, newest first. A few are only recorded:
// the battles of a turn told briefly, to be read back at will. What the
// player's keys bring cuts off the sentence before it, as it always has;
// online, what the room sends waits for the sentence being said to end.
#include <utility>

#include "game/Form1.h"

namespace sonarch {

void Form1::putOut(const std::string& text, bool recorded) {
    const bool spoken = speakingVoice() != nullptr;
    if (spoken && followSpeech_) {
        voice->speakAfter(text);
    } else if (spoken) {
        voice->speak(text);
    } else {
        frontEnd_.setCaption(text);
    }
    frontEnd_.sentenceOut(text, recorded, spoken);
    drawscreen();
}

Voice* Form1::speakingVoice() {
    return sapiOn && voice->whyUnheard().empty() ? voice.get() : nullptr;
}

void Form1::playCue(Cue cue) {
    if (soundsOn) frontEnd_.playCue(cue);
}

void Form1::sayIt(const std::string& tempm) { putOut(tempm, false); }

void Form1::addMessage(const std::string& tempm) {
    record(tempm);
    putOut(tempm, true);
}

void Form1::recordUnsaid(const std::string& text) {
    record(text);
    frontEnd_.sentenceRecordedUnsaid(text);
}

void Form1::record(const std::string& text) {
    if (messageCount < historySize) ++messageCount;
    // A plain shift by one place keeps entry 1 the newest, which the
    // history keys rely on.
    for (int i = messageCount; i >= 2; --i) messages[i] = std::move(messages[i - 1]);
    messages[1] = text;
    // In the clear wording the history keys start again from the newest
    // once something new has been said; the classic cursor stays put.
    if (words().clear) messageCursor = 0;
}

}  // namespace sonarch
