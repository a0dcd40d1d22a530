#include "host/window/WindowHost.h"

#include <algorithm>
#include <stdexcept>

#include "game/Form1.h"
#include "host/speech/voiceFactory.h"
#include "host/window/keyMapping.h"

namespace sonarch::window {

namespace {
// The game keeps the voice; the window borrows it to speak the save prompt.
class SharedVoice final : public Voice {
public:
    explicit SharedVoice(std::shared_ptr<Voice> voice) : voice_(std::move(voice)) {}
    void setRate(int rate) override { voice_->setRate(rate); }
    void setVolume(int volume) override { voice_->setVolume(volume); }
    void speak(const std::string& text) override { voice_->speak(text); }
    RateSetBy rateSetBy() const override { return voice_->rateSetBy(); }

private:
    std::shared_ptr<Voice> voice_;
};

Uint32 pushTick(Uint32, void* round) {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    event.user.code = static_cast<Sint32>(reinterpret_cast<intptr_t>(round));
    SDL_PushEvent(&event);
    return 0;  // one tick only
}

// Long enough that a lost wake-up costs nothing, short enough to notice one.
constexpr int longestWaitMilliseconds = 1000;
}  // namespace

WindowHost::WindowHost(const CommandLine& options)
    : LocalHost(options.headless.dataDir, options.headless.seed, options.headless.fixedRandom),
      options_(options) {
    window_ = SDL_CreateWindow("Sonarch", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               WindowPicture::width, WindowPicture::height, SDL_WINDOW_SHOWN);
    if (!window_) throw std::runtime_error(SDL_GetError());
    // Typing is for the save prompt only; elsewhere every key is a game key.
    SDL_StopTextInput();
    picture_.present(window_, true);
}

WindowHost::~WindowHost() {
    stopTimer();
    voice_.reset();
    if (window_) SDL_DestroyWindow(window_);
}

std::unique_ptr<Voice> WindowHost::createVoice(std::string& whyNot) {
    std::unique_ptr<Voice> voice = createSpeechVoice(options_.speech, whyNot);
    // After the voice, so that the built-in one chooses the sound device's
    // rate; a missing device leaves the cues silent and is told by the voice.
    std::string noSound;
    cues_.prepare(noSound);
    if (!voice) return nullptr;
    voice_ = std::move(voice);
    return std::make_unique<SharedVoice>(voice_);
}

void WindowHost::setCaption(const std::string& text) { SDL_SetWindowTitle(window_, text.c_str()); }

void WindowHost::startTimer(int milliseconds) {
    stopTimer();
    if (milliseconds <= 0) return;
    timer_ = SDL_AddTimer(static_cast<Uint32>(milliseconds), pushTick,
                          reinterpret_cast<void*>(static_cast<intptr_t>(timerRound_)));
}

void WindowHost::stopTimer() {
    if (timer_) SDL_RemoveTimer(timer_);
    timer_ = 0;
    ++timerRound_;
}

void WindowHost::processEvents() {
    // The game waits now: whatever it drew since the last wait is shown.
    picture_.present(window_);
    int wait = longestWaitMilliseconds;
    if (const auto untilRepeat = heldCtrl_.untilNextRepeat(SDL_GetTicks64()))
        wait = static_cast<int>(std::min<std::uint64_t>(*untilRepeat, wait));
    SDL_Event event;
    if (!SDL_WaitEventTimeout(&event, wait)) {
        repeatHeldCtrl();
        return;
    }
    handle(event);
    while (!ended_ && SDL_PollEvent(&event)) handle(event);
}

bool WindowHost::handleWindowEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        ended_ = true;
        throw WindowClosed{};
    }
    if (event.type == SDL_WINDOWEVENT) {
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            event.window.event == SDL_WINDOWEVENT_SHOWN)
            picture_.present(window_, true);
        return true;
    }
    return false;
}

void WindowHost::handle(const SDL_Event& event) {
    if (ended_ || handleWindowEvent(event)) return;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: deliverKey(event.key); break;
    case SDL_USEREVENT:
        if (event.user.code == timerRound_ && timer_ != 0) {
            timer_ = 0;
            form_->Holder_Timer();
        }
        break;
    default: break;
    }
}

void WindowHost::deliverKey(const SDL_KeyboardEvent& key) {
    const auto code = virtualKeyCode(key.keysym.scancode, key.keysym.sym,
                                     (key.keysym.mod & KMOD_NUM) != 0);
    if (!code) return;
    short keyCode = *code;
    const short shift = shiftMask(key.keysym.mod);
    if (keyCode == 17) {
        if (key.type == SDL_KEYDOWN) {
            heldCtrl_.pressed(SDL_GetTicks64(), key.repeat != 0);
        } else {
            heldCtrl_.released();
        }
    }
    // A held key repeats as further presses, as the game expects.
    if (key.type == SDL_KEYDOWN) {
        form_->Form_KeyDown(keyCode, shift);
    } else {
        form_->Form_KeyUp(keyCode, shift);
    }
}

void WindowHost::repeatHeldCtrl() {
    if (!heldCtrl_.takeRepeat(SDL_GetTicks64())) return;
    short keyCode = 17;
    form_->Form_KeyDown(keyCode, shiftMask(SDL_GetModState()));
}


}  // namespace sonarch::window
