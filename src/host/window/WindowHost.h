// The desktop window: SDL turns the keyboard into the game's key events, the
// pause timer ticks through the window's event queue, the title is the
// caption, and the picture and the save prompt live in the window.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "game/FrontEnd.h"
#include "game/GameSession.h"
#include "host/EventSource.h"
#include "host/Inbox.h"
#include "host/KeyQueue.h"
#include "host/speech/CueSounds.h"
#include "host/window/WindowPicture.h"
#include "host/window/heldCtrl.h"

namespace sonarch::window {

// Thrown out of whatever the game is doing when the player closes the window.
struct WindowClosed {};

class WindowHost final : public FrontEnd, public EventSource {
public:
    // SDL's video must be up. Throws std::runtime_error when no window can be made.
    // speech: the name of the voice to use (--speech).
    explicit WindowHost(std::string speech);
    ~WindowHost() override;
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    void attach(GameSession& game) { game_ = &game; }
    // A game server's messages, handed over as they come, like keys.
    void attachInbox(Inbox& inbox);
    void useOnline(OnlineStarter starter) { online_.useStarter(std::move(starter)); }
    std::string goOnline(const OnlineAsk& ask) override;
    bool ended() const override { return ended_; }

    std::unique_ptr<Voice> createVoice() override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string&, bool, bool) override {}
    Canvas& canvas() override { return picture_; }
    void playCue(Cue cue) override { cues_.play(cue); }
    std::string whyNoCues() const override { return whyNoCues_; }
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void askText(const std::string& prompt, Voice* voice) override;
    void endProgram() override { ended_ = true; }

    void processEvents() override;

private:
    // The save prompt, open from askText until Enter or Escape: it takes the
    // window's keys meanwhile, and the game hears nothing until its answer.
    struct Prompt {
        std::string question;
        Voice* voice;
        std::string typed;
    };
    void promptEvent(const SDL_Event& event);
    void showTyped(const std::string& said);
    void answerPrompt(std::optional<std::string> answer);
    void handle(const SDL_Event& event);
    void queueKey(const SDL_KeyboardEvent& key);
    void repeatHeldCtrl();
    bool handleWindowEvent(const SDL_Event& event);

    std::string speech_;
    SDL_Window* window_ = nullptr;
    WindowPicture picture_;
    GameSession* game_ = nullptr;
    Inbox* inbox_ = nullptr;
    OnlineHolder online_;
    KeyQueue keys_;
    std::optional<Prompt> prompt_;
    // The pause timer's tick that came while the prompt was open, given after its answer.
    bool tickHeld_ = false;
    speech::CueSounds cues_;
    std::string whyNoCues_;
    HeldCtrl heldCtrl_;
    SDL_TimerID timer_ = 0;
    // Tells a tick of a stopped timer, still in the queue, from the current one.
    int timerRound_ = 0;
    bool ended_ = false;
};

}  // namespace sonarch::window
