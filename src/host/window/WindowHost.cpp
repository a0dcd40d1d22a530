#include "host/window/WindowHost.h"

#include <algorithm>
#include <stdexcept>

#include "host/speech/voiceFactory.h"
#include "host/window/keyMapping.h"
#include "input/keyCodes.h"

namespace sonarch::window {

namespace {
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

WindowHost::WindowHost(std::string speech) : speech_(std::move(speech)) {
    window_ = SDL_CreateWindow("Sonarch", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               WindowPicture::width, WindowPicture::height, SDL_WINDOW_SHOWN);
    if (!window_) throw std::runtime_error(SDL_GetError());
    // Typing is for the save prompt only; elsewhere every key is a game key.
    SDL_StopTextInput();
    picture_.present(window_, true);
}

WindowHost::~WindowHost() {
    stopTimer();
    if (window_) SDL_DestroyWindow(window_);
}

std::unique_ptr<Voice> WindowHost::createVoice() {
    std::unique_ptr<Voice> voice = openNamedVoice(speechVoices(), speech_);
    // After the voice, so that the built-in one chooses the sound device's
    // rate; without a device the cues are silent, and the welcome says so.
    cues_.prepare(whyNoCues_);
    return voice;
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
    tickHeld_ = false;
}

std::string WindowHost::goOnline(const OnlineAsk& ask) {
    return online_.connect(game_, ask, [this](Inbox& inbox) { attachInbox(inbox); });
}

void WindowHost::attachInbox(Inbox& inbox) {
    inbox_ = &inbox;
    // A message wakes the wait for events as a key would.
    inbox.wakeWith([] {
        SDL_Event event{};
        event.type = SDL_USEREVENT;
        event.user.code = -1;
        SDL_PushEvent(&event);
    });
}

void WindowHost::processEvents() {
    if (inbox_ != nullptr && !prompt_ && inbox_->deliver()) return;
    // Keys typed while a move waits for the server's answer wait behind it.
    const bool holdKeys = inbox_ != nullptr && game_->awaitingServer();
    if (!prompt_) {
        if (!holdKeys && keys_.deliverOne(*game_)) return;
        if (tickHeld_) {
            tickHeld_ = false;
            game_->tick();
            return;
        }
    }
    // The game waits now: whatever it drew since the last wait is shown.
    picture_.present(window_);
    int wait = longestWaitMilliseconds;
    if (const auto untilRepeat = heldCtrl_.untilNextRepeat(SDL_GetTicks64()))
        wait = static_cast<int>(std::min<std::uint64_t>(*untilRepeat, wait));
    SDL_Event event;
    if (!SDL_WaitEventTimeout(&event, wait)) {
        if (!prompt_) repeatHeldCtrl();
        return;
    }
    // Events are read up to the first key, so that a tick never overtakes
    // a key that came before it.
    handle(event);
    while (!ended_ && !prompt_ && keys_.empty() && SDL_PollEvent(&event)) handle(event);
    if (!ended_ && !prompt_ && !holdKeys) keys_.deliverOne(*game_);
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
    if (prompt_ && event.type != SDL_USEREVENT) {
        promptEvent(event);
        return;
    }
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: queueKey(event.key); break;
    case SDL_USEREVENT:
        if (event.user.code == timerRound_ && timer_ != 0) {
            timer_ = 0;
            if (prompt_) {
                tickHeld_ = true;
            } else {
                game_->tick();
            }
        }
        break;
    default: break;
    }
}

void WindowHost::queueKey(const SDL_KeyboardEvent& key) {
    const auto code = virtualKeyCode(key.keysym.scancode, key.keysym.sym,
                                     (key.keysym.mod & KMOD_NUM) != 0);
    if (!code) return;
    const KeyStroke stroke{*code, shiftMask(key.keysym.mod)};
    if (stroke.code == key::Ctrl) {
        if (key.type == SDL_KEYDOWN) {
            heldCtrl_.pressed(SDL_GetTicks64(), key.repeat != 0);
        } else {
            heldCtrl_.released();
        }
    }
    // A held key repeats as further presses, as the game expects.
    if (key.type == SDL_KEYDOWN) {
        keys_.press(stroke);
    } else {
        keys_.release(stroke);
    }
}

void WindowHost::repeatHeldCtrl() {
    if (!heldCtrl_.takeRepeat(SDL_GetTicks64())) return;
    keys_.press({key::Ctrl, shiftMask(SDL_GetModState())});
    keys_.deliverOne(*game_);
}


}  // namespace sonarch::window
