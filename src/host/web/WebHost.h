// The browser's front end: the page turns the keyboard into the game's key
// events, speaks through the player's screen reader or the browser's voice,
// shows the caption in the title and draws the board on a canvas. The page
// owns the loop: each of its events (a key, the pause timer's tick, the save
// dialog's answer, a game server's messages) is handed to the game as it
// comes, and the game returns at once, so the page never waits on it.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/FrontEnd.h"
#include "game/GameSession.h"
#include "host/Inbox.h"

namespace sonarch::web {

class WebHost final : public FrontEnd, private Canvas {
public:
    void attach(GameSession& game) { game_ = &game; }

    // A key, the timer's tick or the server's waiting messages, as the
    // page packs it.
    void take(int event);
    // The save dialog's text; null when it was cancelled.
    void answer(const char* text);
    // A question of the page's own in the same dialog; its answer goes to
    // answered, not to the game.
    void askPage(const std::string& prompt, std::function<void(const std::optional<std::string>&)> answered);
    void useOnline(OnlineStarter starter) { online_.useStarter(std::move(starter)); }
    std::string goOnline(const OnlineAsk& ask) override;

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

    void key(int event);
    void deliverInbox();
    bool holdingKeys() const;

    GameSession* game_ = nullptr;
    OnlineHolder online_;
    Inbox* inbox_ = nullptr;
    // Keys typed while a move waits for the server's answer wait behind it.
    std::deque<int> heldKeys_;
    // While the dialog is open its answer comes first: the server's
    // messages wait for it.
    bool asking_ = false;
    bool inboxHeld_ = false;
    std::function<void(const std::optional<std::string>&)> pageAnswer_;
    // Tells a tick of a stopped timer, still on its way, from the current one.
    int timerRound_ = 0;
    bool ended_ = false;
};

}  // namespace sonarch::web
