// What the game needs from the platform it runs on. The game object reaches
// the window, the voice, the clock and the disk only through this interface,
// so the same game runs in the window, in a terminal and headless in tests.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/DataFolders.h"

namespace sonarch {

// A text-to-speech voice. speak() returns at once: whatever is still being
// said is dropped and the new text starts; the empty text only silences.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void setRate(int rate) = 0;      // 0 is the engine's normal speed, -10..10
    virtual void setVolume(int volume) = 0;  // 0..100
    virtual void speak(const std::string& text) = 0;
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

class Host {
public:
    virtual ~Host() = default;

    // The voice, created once at start-up; null with the reason when none can be had.
    virtual std::unique_ptr<Voice> createVoice(std::string& whyNot) = 0;
    // The window title; shown at once.
    virtual void setCaption(const std::string& text) = 0;
    // Every sentence as it leaves the game, after it was spoken or captioned:
    // hosts that keep a readable log (terminal, headless transcript) print it.
    virtual void sentenceOut(const std::string& text, bool recorded, bool spoken) = 0;
    virtual Canvas& canvas() = 0;

    // The pause timer: after startTimer(ms) one tick reaches the game's
    // Holder_Timer through the event queue, unless stopTimer() comes first.
    virtual void startTimer(int milliseconds) = 0;
    virtual void stopTimer() = 0;
    // Waits until at least one event is pending (a key or the timer's tick),
    // then runs the handlers of the pending events. Never spins.
    virtual void processEvents() = 0;

    // The folders of maps (the bundled ones first, then the player's own) and
    // of saved games, chosen once at start.
    virtual DataFolders dataFolders() = 0;
    // The ordinary files of a folder, sorted by name; nullopt when the folder
    // cannot be read.
    virtual std::optional<std::vector<std::string>> listFiles(const std::string& folder) = 0;
    virtual bool makeFolder(const std::string& folder) = 0;
    // A whole text file; nullopt with the reason when it cannot be read.
    virtual std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) = 0;
    // Replaces a file whole or not at all; false with the reason on failure.
    virtual bool writeTextFile(const std::string& path, const std::string& contents,
                               std::string& whyNot) = 0;

    // A modal text entry with a prompt; nullopt when cancelled.
    virtual std::optional<std::string> promptText(const std::string& prompt) = 0;
    // Ends the program: no further event reaches the game.
    virtual void endProgram() = 0;

    virtual double secondsSinceMidnight() = 0;
    virtual void seedRandom(double seed) = 0;
    // A uniform number u, 0 <= u < 1, from the game's one random source.
    virtual double nextRandom() = 0;
};

}  // namespace sonarch
