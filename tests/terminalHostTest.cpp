// The terminal host driven through pipes as a terminal would drive it: the
// bytes of the keys go in, the printed lines come out.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/Form1.h"
#include "host/posix/PosixPlatform.h"
#include "host/terminal/TerminalHost.h"
#include "host/terminal/terminalKeys.h"
#include "support.h"

namespace sonarch::testing {
namespace {

using terminal::TerminalHost;

const std::string welcome = "Welcome to Sonarch Alpha 1.4 by Korvel.";

// What the voice was asked to say, in order.
struct VoiceLog {
    std::vector<std::string> spoken;
};

class LoggingVoice final : public Voice {
public:
    explicit LoggingVoice(std::shared_ptr<VoiceLog> log) : log_(std::move(log)) {}
    void setRate(int) override {}
    void setVolume(int) override {}
    void speak(const std::string& text) override { log_->spoken.push_back(text); }

private:
    std::shared_ptr<VoiceLog> log_;
};

// The keyboard's pipe into the host and the screen's pipe out of it.
struct Pipes {
    int in[2] = {-1, -1};
    int out[2] = {-1, -1};
    Pipes() {
        if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("no pipe");
        ::fcntl(out[0], F_SETFL, O_NONBLOCK);
    }
    ~Pipes() {
        for (int fd : {in[0], in[1], out[0], out[1]})
            if (fd >= 0) ::close(fd);
    }
};

class TerminalPlay : public ::testing::Test {
protected:
    explicit TerminalPlay(bool speechOff = true)
        : speechOff_(speechOff), host_(makeVoice(), pipes_.in[0], pipes_.out[1]), platform_(data.path().string()),
          game(platform_, host_, {1, {}}), form(game.game()) {
        host_.attach(game);
    }

    // Bytes as the terminal sends them for the keys typed.
    void type(const std::string& bytes) {
        ASSERT_EQ(::write(pipes_.in[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // The terminal goes away.
    void endInput() {
        ::close(pipes_.in[1]);
        pipes_.in[1] = -1;
    }
    // The lines printed since the last call.
    Lines printed() {
        std::string text;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(pipes_.out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
        Lines lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }
    TerminalHost& host() { return host_; }

    DataDir data;
    std::shared_ptr<VoiceLog> voiceLog = std::make_shared<VoiceLog>();
    bool voiceAvailable = true;

private:
    terminal::VoiceMaker makeVoice() {
        return [this]() -> std::unique_ptr<Voice> {
            if (speechOff_) return std::make_unique<SilentVoice>();
            if (!voiceAvailable) return std::make_unique<SilentVoice>("no voice here");
            return std::make_unique<LoggingVoice>(voiceLog);
        };
    }
    bool speechOff_;
    Pipes pipes_;
    TerminalHost host_;
    PosixPlatform platform_;

public:
    GameSession game;
    Form1& form;
};

class TerminalSpeech : public TerminalPlay {
protected:
    TerminalSpeech() : TerminalPlay(false) {}
};

TEST_F(TerminalSpeech, EverySentenceIsSpokenAndPrintedAndTheLineStaysWhenSpeechIsOff) {
    type("\x1b[24~");  // F12: speech off
    type("\x1b[24~");  // and on again
    type("\x7f");      // the stand-in for Ctrl silences the voice
    endInput();
    EXPECT_EQ(host().run(game), 0);
    EXPECT_EQ(printed(), (Lines{terminal::startHint, welcome, "Sapi is now Off.", "Sapi is now On."}));
    // The silencing empty sentence is spoken but prints no empty line.
    EXPECT_EQ(voiceLog->spoken, (Lines{welcome, "Sapi is now On.", ""}));
}

TEST_F(TerminalSpeech, WithoutAVoiceTheLinesAreStillPrinted) {
    voiceAvailable = false;
    type("\x1b[24~");
    endInput();
    EXPECT_EQ(host().run(game), 0);
    const Lines lines = printed();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].rfind(welcome + " Speech is unavailable (no voice here)", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "Sapi is now Off.");
}

TEST_F(TerminalPlay, ALoneEscapeArrivesAfterAMomentAndASequenceIsNoEscape) {
    form.Form_Load();
    form.menuState = 0;  // in play
    form.humanPlayer = 1;
    printed();
    type("\x1b");
    host().processEvents();  // the press
    EXPECT_EQ(printed(), Lines{"Main Menu"});
    host().processEvents();  // its release
    type("\x1b");
    host().processEvents();
    EXPECT_EQ(printed(), Lines{"Menu Closed"});
    host().processEvents();
    type("\x1b[24~");
    host().processEvents();
    EXPECT_EQ(printed(), Lines{"Sapi is now Off."});
    EXPECT_EQ(form.menuState, 0);
}

TEST_F(TerminalPlay, TheCtrlStandInEndsAPauseAndIsReleased) {
    form.Form_Load();
    printed();
    // F12 works inside the pause; Backspace ends it as Ctrl does.
    type("\x1b[24~\x7f");
    form.hold(60);
    EXPECT_FALSE(form.Holder.Enabled);
    // Ended by Ctrl, not by its tick, which would have set the interval to 0.
    EXPECT_EQ(form.Holder.Interval, 60000);
    EXPECT_EQ(form.ctrlHeld, 0);
    EXPECT_EQ(printed(), Lines{"Sapi is now Off."});
    // The release still on its way comes next; then a press outside a pause
    // is held only until its release.
    host().processEvents();
    EXPECT_EQ(form.ctrlHeld, 0);
    type("\x7f");
    host().processEvents();
    EXPECT_EQ(form.ctrlHeld, 1);
    host().processEvents();
    EXPECT_EQ(form.ctrlHeld, 0);
}

TEST_F(TerminalPlay, APauseWithoutKeysEndsAtItsTick) {
    form.Form_Load();
    form.hold(0.02);
    EXPECT_FALSE(form.Holder.Enabled);
    EXPECT_EQ(form.Holder.Interval, 0);
}

TEST_F(TerminalPlay, CtrlCLeavesAtOnce) {
    type("\x1b[24~\x03\x1b[24~");
    EXPECT_EQ(host().run(game), 130);
    const Lines lines = printed();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "Sapi is now Off.");
}

TEST_F(TerminalPlay, TheSavePromptReadsAnEditedLine) {
    type("Save one\x7f\x7f\x7f" "2\r");
    EXPECT_EQ(host().promptText("Name your save and hit enter.", nullptr), "Save 2");
    // Typing echoes as a terminal does; the line ends after Enter.
    EXPECT_EQ(printed(), Lines{"Save one\b \b\b \b\b \b2"});
    type("half\x1b");
    EXPECT_EQ(host().promptText("Name your save and hit enter.", nullptr), std::nullopt);
    type("\x04");
    EXPECT_EQ(host().promptText("Name your save and hit enter.", nullptr), std::nullopt);
}

TEST_F(TerminalPlay, KeysTypedBeforeThePromptAreNotLost) {
    form.Form_Load();
    printed();
    type("\x1b[24~abc\r");
    host().processEvents();
    EXPECT_EQ(printed(), Lines{"Sapi is now Off."});
    EXPECT_EQ(host().promptText("", nullptr), "abc");
}

}  // namespace
}  // namespace sonarch::testing
