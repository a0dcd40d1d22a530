// Play in a text terminal, for braille and screen-reader users and for
// machines without a display: every sentence is printed as one plain line as
// it is made, and spoken too; keys are read one by one from the terminal.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/FrontEnd.h"
#include "game/GameSession.h"
#include "host/EventSource.h"
#include "host/Inbox.h"
#include "host/KeyQueue.h"
#include "host/RunOptions.h"
#include "host/terminal/keyDecoder.h"
#include "host/terminal/lineEditor.h"

namespace sonarch {

// Plays the game in the terminal the program was started from; returns the
// exit status. Online, makeInbox makes the seat's connection.
int runTerminal(const RunOptions& options, const OnlineStarter& makeInbox = {});

namespace terminal {

class TerminalMode;

// Makes the voice of the run.
using VoiceMaker = std::function<std::unique_ptr<Voice>()>;

class TerminalHost final : public FrontEnd, public EventSource {
public:
    // Keys are read from inputFd and lines written to outputFd; mode, when
    // given, is switched for the save prompt.
    TerminalHost(VoiceMaker voiceMaker, int inputFd, int outputFd, TerminalMode* mode = nullptr);

    // Starts the game and plays until it ends; returns the exit status:
    // 0 after Exit or at the end of the input, 130 after Ctrl+C.
    int run(GameSession& game);
    // Binds the game for tests that prepare it before the keys.
    void attach(GameSession& game) { game_ = &game; }
    // A game server's messages, handed over as they come, like keys.
    void attachInbox(Inbox& inbox) { inbox_ = &inbox; }
    void useOnline(OnlineStarter starter) { online_.useStarter(std::move(starter)); }
    std::string goOnline(const OnlineAsk& ask) override;
    // Plays the keys that arrive until the program or the input ends.
    int play();

    std::unique_ptr<Voice> createVoice() override;
    void setCaption(const std::string& text) override;
    void sentenceOut(const std::string& text, bool recorded, bool spoken) override;
    Canvas& canvas() override { return noPicture_; }
    // Without a player set by playCuesWith the cues are silent.
    void playCue(Cue cue) override;
    void playCuesWith(std::function<void(Cue)> player) { cuePlayer_ = std::move(player); }
    void startTimer(int milliseconds) override;
    void stopTimer() override;
    void askText(const std::string& prompt, Voice* voice) override;
    void endProgram() override;

    void processEvents() override;
    bool ended() const override { return ended_; }

private:
    using Clock = std::chrono::steady_clock;
    // The terminal has no picture.
    BlankCanvas noPicture_;
    // Thrown to leave the game at once: the input has ended or Ctrl+C came.
    struct Leave {
        int status;
    };

    // The save prompt: a line typed below the question, one input an event,
    // until Enter or Escape gives the game its answer.
    void editLine();
    void pressed(const KeyStroke& stroke);
    // The next key or character typed, waiting for it until the deadline
    // (none: as long as it takes); nullopt when the deadline came first.
    std::optional<DecodedKey> nextInput(std::optional<Clock::time_point> deadline);
    bool readMore(std::optional<Clock::time_point> deadline);
    void echo(const std::string& before, std::size_t cursorBefore, const LineEditor& editor);
    void print(const std::string& text);

    VoiceMaker voiceMaker_;
    std::function<void(Cue)> cuePlayer_;
    int inputFd_;
    int outputFd_;
    TerminalMode* mode_;
    GameSession* game_ = nullptr;
    Inbox* inbox_ = nullptr;
    OnlineHolder online_;
    std::string typed_;  // bytes read but not yet decoded
    bool inputEnded_ = false;
    KeyQueue keys_;
    // The save prompt's line while it is open; the game hears nothing until it closes.
    std::optional<LineEditor> line_;
    std::optional<Clock::time_point> tickAt_;
    bool ended_ = false;
};

}  // namespace terminal
}  // namespace sonarch
