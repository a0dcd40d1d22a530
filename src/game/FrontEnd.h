// What a front end gives the game: the voice, the caption, the log of
// sentences, the picture, the pause timer, the text prompt and the end of
// the program. A front end turns its own events into calls of GameSession,
// one event at a time; the game answers through this and never waits.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "game/Cue.h"

namespace sonarch {

// Who sets how fast a voice speaks: the game with its rate keys, the
// player's own screen reader, or nobody because the voice is not heard.
enum class RateSetBy { Game, Player, Nobody };

// What the online menu asks for: a room to join (by its code), to watch, or
// to make on a map, on the server at the address given.
struct OnlineAsk {
    std::string server{};
    std::string room{};  // empty: make a room
    bool watch = false;
    std::string name{};
    std::string map{};
    int people = 2;
    int computers = 0;
    // A room made: listed for anyone to join, and the seconds a turn may
    // take (0: no limit; else 60, 120 or 300).
    bool isPublic = false;
    int turnLimit = 0;
    // Only hear the public rooms that wait for people.
    bool list = false;
};

// A text-to-speech voice. speak() returns at once: whatever is still being
// said is dropped and the new text starts; the empty text only silences.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void setRate(int rate) = 0;      // 0 is the engine's normal speed, -10..10
    virtual void setVolume(int volume) = 0;  // 0..100
    virtual void speak(const std::string& text) = 0;
    // Says text once what is being said now is over, at once when the voice
    // is quiet: news that must not cut a sentence off. A voice that cannot
    // hold sentences back says it at once.
    virtual void speakAfter(const std::string& text) { speak(text); }
    // Empty for a voice the player hears (or whose words the front end
    // shows by itself); otherwise why there is no voice, and the game then
    // shows its sentences as the caption.
    virtual std::string whyUnheard() const { return {}; }
    // The rate keys call setRate only for a voice whose rate the game sets.
    virtual RateSetBy rateSetBy() const { return whyUnheard().empty() ? RateSetBy::Game : RateSetBy::Nobody; }
};

// A voice that says nothing. With a reason it stands for "no voice"; without
// one it stands in for a front end whose sentence log is what it says.
class SilentVoice final : public Voice {
public:
    explicit SilentVoice(std::string whyUnheard = {}) : whyUnheard_(std::move(whyUnheard)) {}
    void setRate(int) override {}
    void setVolume(int) override {}
    void speak(const std::string&) override {}
    std::string whyUnheard() const override { return whyUnheard_; }

private:
    std::string whyUnheard_;
};

// The window's picture: pixel coordinates, y downwards.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void clear() = 0;
    virtual void setColour(int red, int green, int blue) = 0;
    virtual void circle(int x, int y, int radius) = 0;
    virtual void textPosition(int x, int y) = 0;
    virtual void fontSize(int points) = 0;
    virtual void write(const std::string& text) = 0;
};

// A picture nobody sees: front ends without a window draw into it.
class BlankCanvas final : public Canvas {
public:
    void clear() override {}
    void setColour(int, int, int) override {}
    void circle(int, int, int) override {}
    void textPosition(int, int) override {}
    void fontSize(int) override {}
    void write(const std::string&) override {}
};

class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The voice for the whole run, made once at start-up; never null.
    virtual std::unique_ptr<Voice> createVoice() = 0;
    // The window title; shown at once.
    virtual void setCaption(const std::string& text) = 0;
    // Every sentence as it leaves the game, after it was spoken or captioned:
    // front ends that keep a readable log (terminal, transcript) print it.
    virtual void sentenceOut(const std::string& text, bool recorded, bool spoken) = 0;
    // A sentence put in the history without being said (a battle of a turn
    // told briefly): a front end whose log is a record of play may note it.
    virtual void sentenceRecordedUnsaid(const std::string&) {}
    virtual Canvas& canvas() = 0;
    // Plays the cue's short sound at once, over any speech: it never waits
    // for, delays or cuts off a sentence. A front end without sound keeps this.
    virtual void playCue(Cue) {}
    // Empty while the cues can be heard (or the front end has none to
    // offer); otherwise why they cannot, which the welcome then tells.
    virtual std::string whyNoCues() const { return {}; }

    // The pause timer: after startTimer(ms) one GameSession::tick arrives
    // after ms milliseconds, in turn with the keys, unless stopTimer() comes
    // first.
    virtual void startTimer(int milliseconds) = 0;
    virtual void stopTimer() = 0;

    // Opens a text entry with a prompt; its answer comes back later through
    // GameSession::textEntered (nullopt when cancelled), before any other
    // event. voice is the game's voice while speech is on, to speak the
    // prompt's words with, and null while sentences go to the caption.
    virtual void askText(const std::string& prompt, Voice* voice) = 0;
    // Ends the program: no further event reaches the game.
    virtual void endProgram() = 0;
    // Takes a seat in a room on a game server, as the online menu asks: the
    // host connects (in the background) and hands the session what the
    // server sends. Empty when it is on its way; otherwise why it cannot be.
    virtual std::string goOnline(const OnlineAsk& ask) {
        (void)ask;
        return onlineUnavailable();
    }
    static std::string onlineUnavailable() {
        return "This program plays at one keyboard only; online play is in the Linux program.";
    }
};

}  // namespace sonarch
