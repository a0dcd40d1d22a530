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
enum EventKind { KeyDown = 1, KeyUp = 2, Tick = 3, ServerWaiting = 4 };
// The client's own timers (trying again, the keep-alive) are looked at at
// least this often while it is connected.
constexpr auto connectionCheck = std::chrono::seconds(30);
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
    switch (kindOf(event)) {
    case KeyDown:
    case KeyUp:
        if (holdingKeys())
            heldKeys_.push_back(event);
        else
            key(event);
        break;
    case Tick:
        if (lowBitsOf(event) == (timerRound_ & 0x7fff)) game_->tick();
        break;
    case ServerWaiting: deliverInbox(); break;
    default: break;
    }
    if (inbox_ != nullptr && !ended_) inbox_->waitFor(connectionCheck);
}

void WebHost::key(int event) {
    if (kindOf(event) == KeyDown)
        game_->keyDown(lowBitsOf(event), shiftOf(event));
    else
        game_->keyUp(lowBitsOf(event), shiftOf(event));
}

bool WebHost::holdingKeys() const {
    return !heldKeys_.empty() || (inbox_ != nullptr && game_->awaitingServer());
}

void WebHost::deliverInbox() {
    if (inbox_ == nullptr) return;
    if (asking_) {
        inboxHeld_ = true;
        return;
    }
    inbox_->deliver();
    while (!heldKeys_.empty() && !game_->awaitingServer() && !asking_ && !ended_) {
        const int held = heldKeys_.front();
        heldKeys_.pop_front();
        key(held);
    }
}

void WebHost::answer(const char* text) {
    if (ended_ || game_ == nullptr) return;
    asking_ = false;
    const auto typed = text ? std::optional<std::string>(text) : std::nullopt;
    if (pageAnswer_) {
        const auto answered = std::move(pageAnswer_);
        pageAnswer_ = nullptr;
        answered(typed);
    } else {
        game_->textEntered(typed);
    }
    if (inboxHeld_ && !asking_) {
        inboxHeld_ = false;
        deliverInbox();
    }
    if (inbox_ != nullptr && !ended_) inbox_->waitFor(connectionCheck);
}

// The screen reader reads the dialog's field as the player types; the
// game's voice has said the question already.
void WebHost::askText(const std::string& prompt, Voice*) {
    asking_ = true;
    pageAskText(prompt.c_str());
}

void WebHost::askPage(const std::string& prompt, std::function<void(const std::optional<std::string>&)> answered) {
    pageAnswer_ = std::move(answered);
    asking_ = true;
    pageAskText(prompt.c_str());
}

std::string WebHost::goOnline(const OnlineAsk& ask) {
    return online_.connect(game_, ask, [this](Inbox& inbox) {
        inbox_ = &inbox;
        heldKeys_.clear();
        // The page hands the messages over as an event behind the others;
        // one now, for what came while connecting.
        inbox.wakeWith([] { pageInboxWaiting(); });
        pageInboxWaiting();
    });
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
