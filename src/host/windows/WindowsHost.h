// The game's one window on Windows: its title is the caption, its key
// messages become the game's key events, the pause timer is a window timer
// whose tick comes through the message queue, and the picture is painted
// from GDI. The window procedure only queues what happened; the game runs
// from processEvents, so that closing the window can leave the game from
// there, even in the middle of a pause, without unwinding through Windows.
// Online, a message from the server wakes the loop through the queue too.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "game/FrontEnd.h"
#include "game/GameSession.h"
#include "host/EventSource.h"
#include "host/Inbox.h"
#include "host/KeyQueue.h"
#include "host/windows/GdiPicture.h"
#include "host/windows/windowsCues.h"

namespace sonarch::windows {

// Thrown out of whatever the game is doing when the player closes the window.
struct WindowClosed {};

class WindowsHost final : public FrontEnd, public EventSource {
public:
    // speech: the name of the voice to use (--speech).
    // Throws std::runtime_error when no window can be made.
    explicit WindowsHost(std::string speech);
    ~WindowsHost() override;
    WindowsHost(const WindowsHost&) = delete;
    WindowsHost& operator=(const WindowsHost&) = delete;

    void attach(GameSession& game) { game_ = &game; }
    // A game server's messages, handed over in the window's loop.
    void attachInbox(Inbox& inbox);
    void useOnline(OnlineStarter starter) { online_.useStarter(std::move(starter)); }
    std::string goOnline(const OnlineAsk& ask) override;
    bool ended() const override { return ended_; }

    std::unique_ptr<Voice> createVoice() override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string&, bool, bool) override {}
    Canvas& canvas() override { return picture_; }
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void askText(const std::string& prompt, Voice* voice) override;
    void endProgram() override { ended_ = true; }
    void processEvents() override;
    // Called only while the player has the sounds on (F11).
    void playCue(Cue cue) override { cues_.play(cue); }

    // The save dialog's OK (with the name typed) or Cancel (nullopt): closes
    // it and gives the game its answer before any other event.
    void answerPrompt(std::optional<std::string> answer);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    bool queueKey(UINT message, WPARAM virtualKey);
    void pumpMessages(bool holdKeys);
    bool deliverOne(bool holdKeys);

    std::string speech_;
    HWND window_ = nullptr;
    // The save dialog while it is open: the game hears nothing until its answer.
    HWND dialog_ = nullptr;
    GdiPicture picture_;
    WindowsCues cues_;
    GameSession* game_ = nullptr;
    KeyQueue keys_;
    bool timerRunning_ = false;
    bool tickDue_ = false;
    bool closed_ = false;
    bool ended_ = false;
    Inbox* inbox_ = nullptr;
    OnlineHolder online_;
};

}  // namespace sonarch::windows
