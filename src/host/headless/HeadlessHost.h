// The front end for scripted play: keys come from a script, sentences go to
// a transcript, pauses run on a virtual clock. Tests, bug reports and
// replays drive the whole game through it.
#pragma once

#include <chrono>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/FrontEnd.h"
#include "game/GameSession.h"
#include "host/EventSource.h"
#include "host/Inbox.h"
#include "host/KeyQueue.h"
#include "host/RunOptions.h"
#include "host/headless/Script.h"

namespace sonarch {

class HeadlessHost final : public FrontEnd, public EventSource, private Canvas {
public:
    // drawLog: print every drawing call as a "draw:" line; soundLog: every
    // sound cue as a "sound:" line.
    HeadlessHost(std::vector<ScriptLine> script, std::ostream& out, bool drawLog = false,
                 bool soundLog = false);

    // Starts the game and plays the script to its end or to the end of the
    // program. Throws ScriptError when a prompt finds no type or cancel line.
    void run(GameSession& game);
    // Binds the game for tests that press keys themselves instead of run().
    void attach(GameSession& game) { game_ = &game; }
    // A game server's messages, handed over between the script's lines.
    void attachInbox(Inbox& inbox) { inbox_ = &inbox; }
    void useOnline(OnlineStarter starter) { online_.useStarter(std::move(starter)); }
    // Print how each sentence meets the voice: a "voice:" line when it cuts
    // off what was being said, a "voice-after:" line when it waits for it.
    void logVoice() { voiceLog_ = true; }
    std::string goOnline(const OnlineAsk& ask) override;

    std::unique_ptr<Voice> createVoice() override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string& text, bool recorded, bool spoken) override;
    void sentenceRecordedUnsaid(const std::string& text) override;
    Canvas& canvas() override { return *this; }
    void playCue(Cue cue) override;
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void askText(const std::string& prompt, Voice* voice) override;
    void endProgram() override;

    // One event: the prompt's answer, a queued key, the pause's tick, or
    // the next script line when the game waits for a key.
    void processEvents() override;
    // Runs the events a key just handed over has left waiting: the prompt's
    // answer, and the keys and ticks of the pauses it began; reads no new
    // script line. For callers that hand keys over themselves.
    void settle();
    // The program ended through its menu, or the script ran out.
    bool ended() const override { return ended_ || scriptDone_; }

private:
    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    bool deliverOne();
    void keepWaiting();
    void waitForServer();
    std::chrono::milliseconds timeLeft() const;
    std::optional<std::string> answerFromScript();
    void draw(const std::string& text);

    std::vector<ScriptLine> script_;
    std::size_t nextLine_ = 0;
    KeyQueue keys_;
    std::ostream& out_;
    bool drawLog_;
    bool soundLog_;
    bool voiceLog_ = false;
    GameSession* game_ = nullptr;
    long long clock_ = 0;
    std::optional<long long> tickAt_;
    bool ended_ = false;
    bool scriptDone_ = false;
    bool promptOpen_ = false;
    // The server's messages, and the wait line being waited on: the
    // sentences told since the line before it, and until when it waits.
    Inbox* inbox_ = nullptr;
    OnlineHolder online_;
    std::vector<std::string> toldSinceLine_;
    const ScriptLine* waiting_ = nullptr;
    std::chrono::steady_clock::time_point waitUntil_{};
};

// A wait line that waited in vain: the script cannot go on.
struct WaitTimedOut {
    std::string message;  // "line N: ..."
};


// Plays a whole script on the given platform; returns the exit status (0,
// 2 for a script error, 3 for a wait line that waited in vain; the message
// goes to err).
int runHeadless(const RunOptions& options, Platform& platform, std::istream& script, std::ostream& out,
                std::ostream& err, const OnlineStarter& makeInbox = {});

}  // namespace sonarch
