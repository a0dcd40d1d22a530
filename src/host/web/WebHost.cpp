#include "host/web/WebHost.h"

#include <cstdlib>

#include "game/Form1.h"
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
};

// How the page packs an event: kind, shift mask, key code or timer round.
enum EventKind { KeyDown = 1, KeyUp = 2, Tick = 3 };
int kindOf(int event) { return (event >> 24) & 0xff; }
short shiftOf(int event) { return static_cast<short>((event >> 16) & 0xff); }
short codeOf(int event) { return static_cast<short>(event & 0x7fff); }
}  // namespace

WebHost::WebHost(std::optional<std::uint64_t> seed) : LocalHost(gameFolder, seed, {}) {}

std::unique_ptr<Voice> WebHost::createVoice(std::string&) { return std::make_unique<PageVoice>(); }

void WebHost::setCaption(const std::string& text) { pageSetCaption(text.c_str()); }

void WebHost::sentenceOut(const std::string& text, bool recorded, bool spoken) {
    pageSentence(text.c_str(), recorded, spoken);
}

void WebHost::startTimer(int milliseconds) {
    ++timerRound_;
    pageStartTimer(milliseconds, timerRound_ & 0x7fff);
}

void WebHost::stopTimer() {
    ++timerRound_;
    pageStopTimer();
}

void WebHost::processEvents() {
    pageWaitForEvent();
    while (const int event = pageTakeEvent()) {
        if (ended_) return;
        deliver(event);
    }
}

void WebHost::deliver(int event) {
    if (!form_) return;
    short code = codeOf(event);
    const short shift = shiftOf(event);
    switch (kindOf(event)) {
    case KeyDown: form_->Form_KeyDown(code, shift); break;
    case KeyUp: form_->Form_KeyUp(code, shift); break;
    case Tick:
        if (code == (timerRound_ & 0x7fff)) form_->Holder_Timer();
        break;
    default: break;
    }
}

bool WebHost::writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    if (!LocalHost::writeTextFile(path, contents, whyNot)) return false;
    // A save counts only once it lasts beyond the page.
    if (pageStoreFiles()) return true;
    whyNot = "the browser would not keep it in its storage";
    return false;
}

std::optional<std::string> WebHost::promptText(const std::string& prompt) {
    char* answer = pageAskText(prompt.c_str());
    if (!answer) return std::nullopt;
    std::string text = answer;
    std::free(answer);
    return text;
}

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
