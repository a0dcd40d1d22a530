// Play in a text terminal, for braille and screen-reader users and for
// machines without a display: every sentence is printed as one plain line as
// it is made, and spoken too; keys are read one by one from the terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/LocalHost.h"
#include "host/commandLine.h"
#include "host/keyNames.h"
#include "host/speech/CueSounds.h"
#include "host/terminal/keyDecoder.h"

namespace sonarch {

class Form1;

// Plays the game in the terminal the program was started from; returns the
// exit status.
int runTerminal(const CommandLine& options);

namespace terminal {

class TerminalMode;

// Makes the voice; null with the reason when there is none.
using VoiceMaker = std::function<std::unique_ptr<Voice>(std::string& whyNot)>;

struct TerminalSettings {
    std::string dataDir;                // holds Maps/ and Saves/; empty: the program's folder
    bool speechOff = false;             // --speech none: the printed lines are all
    std::optional<std::uint64_t> seed;  // empty: seeded from the clock
    std::vector<double> fixedRandom;    // returned first by the random source
    // Plays the sound cues; none: the cues are silent.
    std::shared_ptr<speech::CueSounds> cueSounds;
};

class TerminalHost final : public LocalHost, private Canvas {
public:
    // Keys are read from inputFd and lines written to outputFd; mode, when
    // given, is switched for the save prompt.
    TerminalHost(VoiceMaker voiceMaker, TerminalSettings settings, int inputFd, int outputFd,
                 TerminalMode* mode = nullptr);

    // Starts the game and plays until it ends; returns the exit status:
    // 0 after Exit or at the end of the input, 130 after Ctrl+C.
    int run(Form1& form);
    // Binds the game for tests that prepare it before the keys.
    void attach(Form1& form) { form_ = &form; }
    // Plays the keys that arrive until the program or the input ends.
    int play();

    std::unique_ptr<Voice> createVoice(std::string& whyNot) override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string& text, bool recorded, bool spoken) override;
    Canvas& canvas() override { return *this; }
    void playCue(Cue cue) override;
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void processEvents() override;
    std::optional<std::string> promptText(const std::string& prompt) override;
    void endProgram() override;

    bool ended() const { return ended_; }

private:
    using Clock = std::chrono::steady_clock;
    struct KeyEvent {
        bool down;
        KeyStroke stroke;
    };
    // Thrown to leave the game at once: the input has ended or Ctrl+C came.
    struct Leave {
        int status;
    };

    // The terminal has no picture.
    void clear() override {}
    void setColour(int, int, int) override {}
    void circle(int, int, int) override {}
    void textPosition(int, int) override {}
    void fontSize(int) override {}
    void write(const std::string&) override {}

    void deliverNext();
    void pressed(const KeyStroke& stroke);
    // The next key or character typed, waiting for it until the deadline
    // (none: as long as it takes); nullopt when the deadline came first.
    std::optional<DecodedKey> nextInput(std::optional<Clock::time_point> deadline);
    bool readMore(std::optional<Clock::time_point> deadline);
    void echo(const std::string& before, std::size_t cursorBefore, const class LineEditor& editor);
    void print(const std::string& text);

    VoiceMaker voiceMaker_;
    TerminalSettings settings_;
    int inputFd_;
    int outputFd_;
    TerminalMode* mode_;
    Form1* form_ = nullptr;
    std::string typed_;  // bytes read but not yet decoded
    bool inputEnded_ = false;
    std::deque<KeyEvent> pending_;
    std::optional<Clock::time_point> tickAt_;
    bool ended_ = false;
};

}  // namespace terminal
}  // namespace sonarch
