#include "host/headless/HeadlessHost.h"

#include <algorithm>
#include <cstdio>

#include "host/harmlessText.h"

namespace sonarch {

namespace {
// How long a wait line, or a move's answer, may take in real time.
constexpr std::chrono::seconds longestWait{60};

// A voice that says nothing and writes what it was asked to say.
class LoggedVoice final : public Voice {
public:
    explicit LoggedVoice(std::ostream& out) : out_(out) {}
    void setRate(int) override {}
    void setVolume(int) override {}
    void speak(const std::string& text) override { out_ << "voice: " << harmless(text) << '\n'; }
    void speakAfter(const std::string& text) override { out_ << "voice-after: " << harmless(text) << '\n'; }

private:
    std::ostream& out_;
};

std::string formatSeconds(int milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", milliseconds / 1000.0);
    return buffer;
}
}  // namespace

HeadlessHost::HeadlessHost(std::vector<ScriptLine> script, std::ostream& out, bool drawLog, bool soundLog)
    : script_(std::move(script)), out_(out), drawLog_(drawLog), soundLog_(soundLog) {}

void HeadlessHost::run(GameSession& game) {
    game_ = &game;
    runSession(game, *this);
}

void HeadlessHost::processEvents() {
    if (promptOpen_) {
        promptOpen_ = false;
        game_->textEntered(answerFromScript());
        return;
    }
    if (deliverOne()) return;
    if (game_->pausing()) {
        // Nothing else will happen before the tick: the virtual clock jumps
        // to it. A pause with no tick armed could never end; it ends at once.
        if (tickAt_) clock_ = *tickAt_;
        tickAt_.reset();
        game_->tick();
        return;
    }
    if (inbox_ != nullptr && inbox_->deliver()) return;
    if (waiting_ != nullptr) {
        keepWaiting();
        return;
    }
    if (inbox_ != nullptr && game_->awaitingServer()) {
        waitForServer();
        return;
    }
    if (nextLine_ >= script_.size()) {
        scriptDone_ = true;
        if (inbox_ != nullptr) inbox_->leave();
        return;
    }
    const ScriptLine& next = script_[nextLine_++];
    if (next.kind != ScriptLine::Kind::Wait) toldSinceLine_.clear();
    switch (next.kind) {
    case ScriptLine::Kind::Wait:
        waiting_ = &next;
        waitUntil_ = std::chrono::steady_clock::now() + longestWait;
        break;
    case ScriptLine::Kind::Key: keys_.tap(next.keys[0]); break;
    case ScriptLine::Kind::Press: keys_.press(next.keys[0]); break;
    case ScriptLine::Kind::Release: keys_.release(next.keys[0]); break;
    default: break;  // pause and prompt lines are answered only where they are asked for
    }
}

std::chrono::milliseconds HeadlessHost::timeLeft() const {
    const auto left = waitUntil_ - std::chrono::steady_clock::now();
    return std::max(std::chrono::milliseconds{0}, std::chrono::duration_cast<std::chrono::milliseconds>(left));
}

// A wait line holds the script until a sentence holding its text has been
// told since the line before it; the sentences after that one count for
// the next wait line.
void HeadlessHost::keepWaiting() {
    for (auto told = toldSinceLine_.begin(); told != toldSinceLine_.end(); ++told) {
        if (told->find(waiting_->text) == std::string::npos) continue;
        toldSinceLine_.erase(toldSinceLine_.begin(), told + 1);
        waiting_ = nullptr;
        return;
    }
    const std::string line = "line " + std::to_string(waiting_->lineNumber) + ": ";
    // Without a server nothing more can come that the keys did not bring.
    if (inbox_ == nullptr)
        throw WaitTimedOut{line + "nothing was told holding '" + harmlessShortened(waiting_->text, 60) + "'"};
    if (timeLeft().count() == 0)
        throw WaitTimedOut{line + "waited 60 seconds for '" + harmlessShortened(waiting_->text, 60) + "'"};
    inbox_->waitFor(timeLeft());
}

// A move of this seat is with the server: the next line waits for its answer.
void HeadlessHost::waitForServer() {
    waitUntil_ = std::chrono::steady_clock::now() + longestWait;
    while (game_->awaitingServer()) {
        if (inbox_->deliver()) return;
        if (timeLeft().count() == 0)
            throw WaitTimedOut{"line " + std::to_string(script_[nextLine_ - 1].lineNumber) +
                               ": the server did not answer the move within 60 seconds"};
        inbox_->waitFor(timeLeft());
    }
}

void HeadlessHost::settle() {
    while (!ended_ && (promptOpen_ || game_->pausing())) processEvents();
}

bool HeadlessHost::deliverOne() {
    if (ended_) {
        keys_.clear();
        return false;
    }
    return keys_.deliverOne(*game_);
}

// The transcript is what the voice says.
std::unique_ptr<Voice> HeadlessHost::createVoice() {
    if (voiceLog_) return std::make_unique<LoggedVoice>(out_);
    return std::make_unique<SilentVoice>();
}

void HeadlessHost::setCaption(const std::string&) {}

void HeadlessHost::sentenceOut(const std::string& text, bool recorded, bool spoken) {
    const char* prefix = spoken ? (recorded ? "msg: " : "say: ") : (recorded ? "caption-msg: " : "caption: ");
    // A name from a file may hold a line break: "a\nexit" must not read as
    // a line of its own, nor a control character act on a terminal.
    out_ << prefix << harmless(text) << '\n';
    if (!text.empty()) toldSinceLine_.push_back(text);
    // Online, others read the transcript as it grows (to learn a room's code).
    if (inbox_ != nullptr) out_.flush();
}

// The transcript is the record of play too: what the history holds unsaid
// is there, so that a brief turn can be checked battle by battle.
void HeadlessHost::sentenceRecordedUnsaid(const std::string& text) { out_ << "history: " << harmless(text) << '\n'; }

void HeadlessHost::playCue(Cue cue) {
    if (soundLog_) out_ << "sound: " << cueName(cue) << '\n';
}

void HeadlessHost::startTimer(int milliseconds) {
    out_ << "pause: " << formatSeconds(milliseconds) << '\n';
    if (milliseconds <= 0) return;
    tickAt_ = clock_ + milliseconds;
    // Keys written for this pause are pressed inside it, one event a pass.
    if (nextLine_ < script_.size() && script_[nextLine_].kind == ScriptLine::Kind::DuringPause) {
        for (const KeyStroke& stroke : script_[nextLine_].keys) keys_.tap(stroke);
        ++nextLine_;
    }
}

void HeadlessHost::stopTimer() { tickAt_.reset(); }

void HeadlessHost::askText(const std::string&, Voice*) { promptOpen_ = true; }

// The answer is the next script line, which must be a type or cancel line.
std::optional<std::string> HeadlessHost::answerFromScript() {
    if (nextLine_ < script_.size()) {
        const ScriptLine& answer = script_[nextLine_];
        if (answer.kind == ScriptLine::Kind::Type) {
            ++nextLine_;
            return answer.text;
        }
        if (answer.kind == ScriptLine::Kind::Cancel) {
            ++nextLine_;
            return std::nullopt;
        }
        throw ScriptError{"line " + std::to_string(answer.lineNumber) +
                          ": the save prompt is open and needs a 'type' or 'cancel' line"};
    }
    throw ScriptError{"end of script: the save prompt is open and needs a 'type' or 'cancel' line"};
}

std::string HeadlessHost::goOnline(const OnlineAsk& ask) {
    return online_.connect(game_, ask, [this](Inbox& inbox) { attachInbox(inbox); });
}

void HeadlessHost::endProgram() {
    if (ended_) return;
    ended_ = true;
    out_ << "exit\n";
}

void HeadlessHost::draw(const std::string& text) {
    if (drawLog_) out_ << "draw: " << text << '\n';
}
void HeadlessHost::clear() { draw("clear"); }
void HeadlessHost::setColour(int red, int green, int blue) {
    if (drawLog_) draw("colour " + std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue));
}
void HeadlessHost::circle(int x, int y, int radius) {
    if (drawLog_) draw("circle " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(radius));
}
void HeadlessHost::textPosition(int x, int y) {
    if (drawLog_) draw("text-position " + std::to_string(x) + " " + std::to_string(y));
}
void HeadlessHost::fontSize(int points) {
    if (drawLog_) draw("font-size " + std::to_string(points));
}
void HeadlessHost::write(const std::string& text) { draw("write " + text); }

int runHeadless(const RunOptions& options, Platform& platform, std::istream& script, std::ostream& out,
                std::ostream& err, const OnlineStarter& makeInbox) {
    try {
        HeadlessHost host(readScript(script), out, options.drawLog, options.soundLog);
        GameSession game(platform, host, options.random);
        prepareSession(options, game);
        host.attach(game);
        host.useOnline(makeInbox);
        if (options.voiceLog) host.logVoice();
        if (const auto ask = onlineAskOf(options.online)) host.goOnline(*ask);
        host.run(game);
    } catch (const ScriptError& error) {
        out.flush();
        err << "sonarch: script " << error.message << '\n';
        return 2;
    } catch (const WaitTimedOut& timedOut) {
        out.flush();
        err << "sonarch: script " << timedOut.message << '\n';
        return 3;
    }
    out.flush();
    return 0;
}

}  // namespace sonarch
