#include "host/headless/HeadlessHost.h"

#include <cstdio>

#include "host/harmlessText.h"

namespace sonarch {

namespace {
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
    if (nextLine_ >= script_.size()) {
        scriptDone_ = true;
        return;
    }
    const ScriptLine& next = script_[nextLine_++];
    switch (next.kind) {
    case ScriptLine::Kind::Key: keys_.tap(next.keys[0]); break;
    case ScriptLine::Kind::Press: keys_.press(next.keys[0]); break;
    case ScriptLine::Kind::Release: keys_.release(next.keys[0]); break;
    default: break;  // pause and prompt lines are answered only where they are asked for
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
std::unique_ptr<Voice> HeadlessHost::createVoice() { return std::make_unique<SilentVoice>(); }

void HeadlessHost::setCaption(const std::string&) {}

void HeadlessHost::sentenceOut(const std::string& text, bool recorded, bool spoken) {
    const char* prefix = spoken ? (recorded ? "msg: " : "say: ") : (recorded ? "caption-msg: " : "caption: ");
    // A name from a file may hold a line break: "a\nexit" must not read as
    // a line of its own, nor a control character act on a terminal.
    out_ << prefix << harmless(text) << '\n';
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
                std::ostream& err) {
    try {
        HeadlessHost host(readScript(script), out, options.drawLog, options.soundLog);
        GameSession game(platform, host, options.random);
        prepareSession(options, game);
        host.run(game);
    } catch (const ScriptError& error) {
        out.flush();
        err << "sonarch: script " << error.message << '\n';
        return 2;
    }
    out.flush();
    return 0;
}

}  // namespace sonarch
