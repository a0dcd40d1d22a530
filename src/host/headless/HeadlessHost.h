// The host for scripted play: keys come from a script, sentences go to a
// transcript, pauses run on a virtual clock. Tests, bug reports and replays
// drive the whole game through it.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/LocalHost.h"
#include "host/headless/Script.h"

namespace sonarch {

class Form1;

struct HeadlessOptions {
    std::string dataDir;                 // holds Maps/ and Saves/; empty: the program's folder
    std::optional<std::uint64_t> seed;   // empty: seeded from the clock
    std::vector<double> fixedRandom;     // returned first by the random source
    bool drawLog = false;                // print every drawing call
    bool soundLog = false;               // print every sound cue
    int speechRate = 3;                  // the voice's rate at start, -10..10
};

class HeadlessHost final : public LocalHost, private Canvas {
public:
    HeadlessHost(const HeadlessOptions& options, std::vector<ScriptLine> script, std::ostream& out);

    // Plays the script to its end or to the end of the program.
    // Throws ScriptError when a prompt finds no type or cancel line.
    void run(Form1& form);
    // Binds the game for tests that press keys themselves instead of run().
    void attach(Form1& form) { form_ = &form; }

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
    // Milliseconds on the virtual clock since the start.
    long long virtualMilliseconds() const { return clock_; }

private:
    struct KeyEvent {
        bool down;
        KeyStroke stroke;
    };

    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    void deliver(const KeyEvent& event);
    void line(const std::string& text);

    HeadlessOptions options_;
    std::vector<ScriptLine> script_;
    std::size_t nextLine_ = 0;
    std::deque<KeyEvent> pending_;
    std::ostream& out_;
    Form1* form_ = nullptr;
    long long clock_ = 0;
    std::optional<long long> tickAt_;
    bool ended_ = false;
};

// Plays a whole script; returns the exit status (0, or 2 for a script error,
// whose message goes to err).
int runHeadless(const HeadlessOptions& options, std::istream& script, std::ostream& out,
                std::ostream& err);

}  // namespace sonarch
