#include "host/web/WebHost.h"

#include <vector>

#include "host/speech/cueTones.h"
#include "host/speech/speechScale.h"
#include "host/web/pageCalls.h"

namespace sonarch::web {

namespace {
// The page's voice: the player's screen reader through the live region, the
// browser's own speech, both or neither, as chosen on the page.
class PageVoice final : public Voice {
public:
    void setRate(int rate) override { pageSetVoiceRate(speech::speedFactor(rate)); }
    void setVolume(int volume) override { pageSetVoiceVolume(volume / 100.0); }
    void speak(const std::string& text) override { pageSpeak(text.c_str()); }
    // The screen reader keeps the player's own rate; the browser's voice
    // takes the game's.
    RateSetBy rateSetBy() const override {
        switch (pageVoiceRateSetBy()) {
        case 0: return RateSetBy::Game;
        case 1: return RateSetBy::Player;
        default: return RateSetBy::Nobody;
        }
    }
};

// How the page packs an event: kind, shift mask, key code or timer round.
enum EventKind { KeyDown = 1, KeyUp = 2, Tick = 3 };
int kindOf(int event) { return (event >> 24) & 0xff; }
short shiftOf(int event) { return static_cast<short>((event >> 16) & 0xff); }
short lowBitsOf(int event) { return static_cast<short>(event & 0x7fff); }
}  // namespace

std::unique_ptr<Voice> WebHost::createVoice() { return std::make_unique<PageVoice>(); }

void WebHost::setCaption(const std::string& text) { pageSetCaption(text.c_str()); }

void WebHost::sentenceOut(const std::string& text, bool recorded, bool spoken) {
    pageSentence(text.c_str(), recorded, spoken);
}

// The same notes as the desktop's, made by the game and played by the page.
void WebHost::playCue(Cue cue) {
    constexpr int sampleRate = 22050;
    const std::vector<short> samples = speech::cueTones(cue, sampleRate);
    pagePlaySound(samples.data(), static_cast<int>(samples.size()), sampleRate);
}

void WebHost::startTimer(int milliseconds) {
    ++timerRound_;
    pageStartTimer(milliseconds, timerRound_ & 0x7fff);
}

void WebHost::stopTimer() {
    ++timerRound_;
    pageStopTimer();
}

void WebHost::take(int event) {
    if (ended_ || game_ == nullptr) return;
    const short code = lowBitsOf(event);
    switch (kindOf(event)) {
    case KeyDown: game_->keyDown(code, shiftOf(event)); break;
    case KeyUp: game_->keyUp(code, shiftOf(event)); break;
    case Tick:
        if (code == (timerRound_ & 0x7fff)) game_->tick();
        break;
    default: break;
    }
}

void WebHost::answer(const char* text) {
    if (ended_ || game_ == nullptr) return;
    game_->textEntered(text ? std::optional<std::string>(text) : std::nullopt);
}

// The screen reader reads the dialog's field as the player types; the
// game's voice has said the question already.
void WebHost::askText(const std::string& prompt, Voice*) { pageAskText(prompt.c_str()); }

void WebHost::endProgram() {
    ended_ = true;
    pageEnded();
}

void WebHost::clear() { pageClear(); }
void WebHost::setColour(int red, int green, int blue) { pageColour(red, green, blue); }
void WebHost::circle(int x, int y, int radius) { pageCircle(x, y, radius); }
void WebHost::textPosition(int x, int y) { pageTextPosition(x, y); }
void WebHost::fontSize(int points) { pageFontSize(points); }
void WebHost::write(const std::string& text) { pageWrite(text.c_str()); }

}  // namespace sonarch::web
