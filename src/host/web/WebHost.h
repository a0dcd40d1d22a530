// The browser host: the page turns the keyboard into the game's key events,
// speaks through the player's screen reader or the browser's voice, shows
// the caption in the title, draws the board on a canvas and keeps the saves
// in the browser's storage. The game waits for the page's events without
// blocking it: a pause suspends the game until a key or the tick arrives.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "host/Host.h"
#include "host/LocalHost.h"

namespace sonarch {
class Form1;
}

namespace sonarch::web {

// Where the page's file system keeps Maps/ and Saves/.
inline const std::string gameFolder = "/sonarch";

class WebHost final : public LocalHost, private Canvas {
public:
    explicit WebHost(std::optional<std::uint64_t> seed);

    void attach(Form1& form) { form_ = &form; }
    bool ended() const { return ended_; }

    std::unique_ptr<Voice> createVoice(std::string& whyNot) override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string& text, bool recorded, bool spoken) override;
    Canvas& canvas() override { return *this; }
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void processEvents() override;
    bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    std::optional<std::string> promptText(const std::string& prompt) override;
    void endProgram() override;

private:
    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    void deliver(int event);

    Form1* form_ = nullptr;
    // Tells a tick of a stopped timer, still queued, from the current one.
    int timerRound_ = 0;
    bool ended_ = false;
};

}  // namespace sonarch::web
