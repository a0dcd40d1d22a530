// The game's one window on Windows: its title is the caption, its key
// messages become the game's key events, the pause timer is a window timer
// whose tick comes through the message queue, and the picture is painted
// from GDI. The window procedure only queues what happened; the game runs
// from processEvents, so that closing the window can leave the game from
// there, even in the middle of a pause, without unwinding through Windows.
#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "host/LocalHost.h"
#include "host/commandLine.h"
#include "host/windows/GdiPicture.h"

namespace sonarch {
class Form1;
}

namespace sonarch::windows {

// Thrown out of whatever the game is doing when the player closes the window.
struct WindowClosed {};

class WindowsHost final : public LocalHost {
public:
    // Throws std::runtime_error when no window can be made.
    explicit WindowsHost(const CommandLine& options);
    ~WindowsHost() override;
    WindowsHost(const WindowsHost&) = delete;
    WindowsHost& operator=(const WindowsHost&) = delete;

    void attach(Form1& form) { form_ = &form; }
    bool ended() const { return ended_; }

    std::unique_ptr<Voice> createVoice(std::string& whyNot) override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string&, bool, bool) override {}
    Canvas& canvas() override { return picture_; }
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void processEvents() override;
    std::optional<std::string> promptText(const std::string& prompt) override;
    void endProgram() override { ended_ = true; }

private:
    struct Event {
        enum class Kind { KeyDown, KeyUp, Tick } kind;
        short code = 0;
        short shift = 0;
        int timerRound = 0;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    bool queueKey(UINT message, WPARAM virtualKey);
    void pumpMessages();
    void deliver(const Event& event);

    CommandLine options_;
    HWND window_ = nullptr;
    GdiPicture picture_;
    Form1* form_ = nullptr;
    std::deque<Event> events_;
    bool timerRunning_ = false;
    // Tells a tick of a stopped timer, still queued, from the current one.
    int timerRound_ = 0;
    bool closed_ = false;
    bool ended_ = false;
};

}  // namespace sonarch::windows
