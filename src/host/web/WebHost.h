// The browser's front end: the page turns the keyboard into the game's key
// events, speaks through the player's screen reader or the browser's voice,
// shows the caption in the title and draws the board on a canvas. The page
// owns the loop: each of its events (a key, the pause timer's tick, the save
// dialog's answer) is handed to the game as it comes, and the game returns
// at once, so the page never waits on it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "game/FrontEnd.h"
#include "game/GameSession.h"

namespace sonarch::web {

class WebHost final : public FrontEnd, private Canvas {
public:
    void attach(GameSession& game) { game_ = &game; }

    // A key or the timer's tick, as the page packs it.
    void take(int event);
    // The save dialog's text; null when it was cancelled.
    void answer(const char* text);

    std::unique_ptr<Voice> createVoice() override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string& text, bool recorded, bool spoken) override;
    Canvas& canvas() override { return *this; }
    void playCue(Cue cue) override;
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void askText(const std::string& prompt, Voice* voice) override;
    void endProgram() override;

private:
    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    GameSession* game_ = nullptr;
    // Tells a tick of a stopped timer, still on its way, from the current one.
    int timerRound_ = 0;
    bool ended_ = false;
};

}  // namespace sonarch::web
