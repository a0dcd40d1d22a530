#include "host/terminal/TerminalHost.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "host/harmlessText.h"
#include "host/terminal/terminalKeys.h"
#include "host/terminal/terminalMode.h"

namespace sonarch::terminal {

namespace {
// How long the rest of an escape sequence may take to follow its first
// byte. A lone Escape waits this long; people do not type this fast.
constexpr auto escapeWait = std::chrono::milliseconds(50);

// Speech and sound libraries that find no service or no sound device say so
// on standard error; on the player's screen those lines would be read out
// among the game's sentences. The reason comes back to the game anyway and
// is told in the welcome.
class QuietStandardError {
public:
    QuietStandardError() {
        if (!::isatty(STDERR_FILENO)) return;
        const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nothing < 0) return;
        kept_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (kept_ >= 0) ::dup2(nothing, STDERR_FILENO);
        ::close(nothing);
    }
    ~QuietStandardError() {
        if (kept_ < 0) return;
        ::dup2(kept_, STDERR_FILENO);
        ::close(kept_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int kept_ = -1;
};
}  // namespace

TerminalHost::TerminalHost(VoiceMaker voiceMaker, int inputFd, int outputFd, TerminalMode* mode)
    : voiceMaker_(std::move(voiceMaker)),
      inputFd_(inputFd),
      outputFd_(outputFd),
      mode_(mode) {}

int TerminalHost::run(GameSession& game) {
    game_ = &game;
    print(std::string(startHint) + "\n");
    try {
        runSession(game, *this);
    } catch (const Leave& leave) {
        return leave.status;
    }
    return 0;
}

int TerminalHost::play() {
    try {
        while (!ended()) processEvents();
    } catch (const Leave& leave) {
        return leave.status;
    }
    return 0;
}

std::string TerminalHost::goOnline(const OnlineAsk& ask) {
    return online_.connect(game_, ask, [this](Inbox& inbox) { attachInbox(inbox); });
}

void TerminalHost::print(const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(outputFd_, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the terminal is gone; the input's end will follow
        data += n;
        left -= static_cast<std::size_t>(n);
    }
}

std::unique_ptr<Voice> TerminalHost::createVoice() {
    const QuietStandardError quiet;
    return voiceMaker_();
}

void TerminalHost::playCue(Cue cue) {
    if (cuePlayer_) cuePlayer_(cue);
}

// The printed line stands in for the caption, so there is nothing more to show.
void TerminalHost::setCaption(const std::string&) {}

void TerminalHost::sentenceOut(const std::string& text, bool, bool) {
    // The empty sentence only silences the voice; an empty line would be noise.
    // File names and names from map files are printed harmless.
    if (!text.empty()) print(harmless(text) + "\n");
}

void TerminalHost::startTimer(int milliseconds) {
    if (milliseconds > 0) tickAt_ = Clock::now() + std::chrono::milliseconds(milliseconds);
    else tickAt_.reset();
}

void TerminalHost::stopTimer() { tickAt_.reset(); }

void TerminalHost::processEvents() {
    if (ended_) return;
    // One event a call, as in the window: a pause looks at ctrlHeld between
    // the press of Ctrl and its release.
    if (line_) {
        editLine();
        return;
    }
    if (keys_.deliverOne(*game_)) return;
    for (;;) {
        if (tickAt_ && Clock::now() >= *tickAt_) {
            tickAt_.reset();
            game_->tick();
            return;
        }
        if (inbox_ != nullptr && inbox_->deliver()) return;
        if (inbox_ != nullptr && game_->awaitingServer()) {
            // The keys typed meanwhile wait in the terminal until the
            // server has answered the move before them.
            const auto most = tickAt_ ? std::chrono::ceil<std::chrono::milliseconds>(*tickAt_ - Clock::now())
                                      : std::chrono::milliseconds(1000);
            inbox_->waitFor(std::max(most, std::chrono::milliseconds(0)));
            continue;
        }
        // Online, the loop comes round at least once a second, for the
        // connection's own timers (trying again, the keep-alive).
        auto deadline = tickAt_;
        if (inbox_ != nullptr && (!deadline || *deadline > Clock::now() + std::chrono::seconds(1)))
            deadline = Clock::now() + std::chrono::seconds(1);
        const auto input = nextInput(deadline);
        if (!input || input->kind != DecodedKey::Kind::Key) continue;
        pressed(input->stroke);
        keys_.deliverOne(*game_);
        return;
    }
}

void TerminalHost::pressed(const KeyStroke& stroke) {
    const KeyMeaning meaning = meaningOf(stroke);
    switch (meaning.action) {
    case KeyMeaning::Action::Leave: throw Leave{130};
    case KeyMeaning::Action::Suspend:
        if (mode_) mode_->suspend();
        return;
    case KeyMeaning::Action::Help: game_->say(helpSentence); return;
    case KeyMeaning::Action::Press:
        // A terminal tells of no key release: the key goes up right after it went down.
        keys_.tap(meaning.stroke);
        return;
    }
}

std::optional<DecodedKey> TerminalHost::nextInput(std::optional<Clock::time_point> deadline) {
    for (;;) {
        if (!typed_.empty()) {
            DecodedKey decoded = decodeKey(typed_, !inputEnded_);
            if (decoded.kind != DecodedKey::Kind::Incomplete) {
                typed_.erase(0, decoded.length > 0 ? decoded.length : 1);
                return decoded;
            }
            // The start of a sequence: its rest follows at once, or it was
            // a key of its own (Escape).
            const auto restBy = Clock::now() + escapeWait;
            const bool deadlineFirst = deadline && *deadline < restBy;
            if (readMore(deadlineFirst ? deadline : restBy)) continue;
            if (deadlineFirst) return std::nullopt;
            decoded = decodeKey(typed_, false);
            typed_.erase(0, decoded.length > 0 ? decoded.length : 1);
            return decoded;
        }
        if (inputEnded_) throw Leave{0};
        if (!readMore(deadline)) return std::nullopt;
    }
}

bool TerminalHost::readMore(std::optional<Clock::time_point> deadline) {
    for (;;) {
        int timeout = -1;
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
            timeout = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        }
        // A message from the server ends the wait as a timeout would.
        pollfd watched[2] = {{inputFd_, POLLIN, 0}, {inbox_ ? inbox_->readableWhenWaiting() : -1, POLLIN, 0}};
        const int ready = ::poll(watched, watched[1].fd >= 0 ? 2 : 1, timeout);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) return false;
        if (ready > 0 && (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) return false;
        char buffer[256];
        const ssize_t n = ready < 0 ? -1 : ::read(inputFd_, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {
            inputEnded_ = true;
        } else {
            typed_.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }
}

void TerminalHost::askText(const std::string&, Voice*) {
    // The sentence just said asked for the name; the line below it is typed on.
    if (mode_) mode_->line();
    line_.emplace();
}

void TerminalHost::editLine() {
    std::optional<DecodedKey> input;
    try {
        input = nextInput(std::nullopt);
    } catch (...) {
        if (mode_) mode_->keys();
        throw;
    }
    if (!input) return;
    if (input->kind == DecodedKey::Kind::Key && meaningOf(input->stroke).action == KeyMeaning::Action::Suspend) {
        if (mode_) mode_->suspend();
        return;
    }
    const std::string before = line_->text();
    const std::size_t cursorBefore = line_->cursor();
    const LineEditor::State state = line_->apply(*input);
    if (state == LineEditor::State::Editing) {
        echo(before, cursorBefore, *line_);
        return;
    }
    print("\n");
    if (mode_) mode_->keys();
    keys_.answerPrompt(state == LineEditor::State::Accepted ? std::optional(line_->text()) : std::nullopt);
    line_.reset();
    keys_.deliverOne(*game_);
}

void TerminalHost::echo(const std::string& before, std::size_t cursorBefore, const LineEditor& editor) {
    const std::string& now = editor.text();
    const bool wasAtEnd = cursorBefore == before.size();
    const bool isAtEnd = editor.cursor() == now.size();
    if (now == before && cursorBefore == editor.cursor()) return;
    // Typing and rubbing out at the end of the line echo as a terminal does.
    if (wasAtEnd && isAtEnd && now.size() > before.size() && now.compare(0, before.size(), before) == 0) {
        print(harmless(now.substr(before.size())));
        return;
    }
    if (wasAtEnd && isAtEnd && now.size() < before.size() && before.compare(0, now.size(), now) == 0) {
        std::string rubOut;
        for (std::size_t i = now.size(); i < before.size(); ++i)
            if ((static_cast<unsigned char>(before[i]) & 0xC0) != 0x80) rubOut += "\b \b";
        print(rubOut);
        return;
    }
    std::string redraw = "\r" + harmless(now) + "\x1b[K";
    const std::size_t back = editor.charactersAfterCursor();
    if (back > 0) redraw += "\x1b[" + std::to_string(back) + "D";
    print(redraw);
}

void TerminalHost::endProgram() { ended_ = true; }


}  // namespace sonarch::terminal
