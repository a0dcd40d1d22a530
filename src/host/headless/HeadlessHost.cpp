#include "host/headless/HeadlessHost.h"

#include <cstdio>

#include "game/Form1.h"

namespace sonarch {

namespace {
// The headless voice is silent: the transcript is what it says.
class TranscriptVoice final : public Voice {
public:
    void setRate(int) override {}
    void setVolume(int) override {}
    void speak(const std::string&) override {}
};

std::string formatSeconds(int milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", milliseconds / 1000.0);
    return buffer;
}
}  // namespace

HeadlessHost::HeadlessHost(const HeadlessOptions& options, std::vector<ScriptLine> script,
                           std::ostream& out)
    : LocalHost(options.dataDir, options.seed, options.fixedRandom),
      options_(options),
      script_(std::move(script)),
      out_(out) {}

void HeadlessHost::run(Form1& form) {
    form_ = &form;
    form.Form_Load();
    while (!ended_) {
        if (!pending_.empty()) {
            const KeyEvent event = pending_.front();
            pending_.pop_front();
            deliver(event);
            continue;
        }
        if (nextLine_ >= script_.size()) break;
        const ScriptLine& next = script_[nextLine_++];
        switch (next.kind) {
        case ScriptLine::Kind::Key:
            pending_.push_back({true, next.keys[0]});
            pending_.push_back({false, next.keys[0]});
            break;
        case ScriptLine::Kind::Press: pending_.push_back({true, next.keys[0]}); break;
        case ScriptLine::Kind::Release: pending_.push_back({false, next.keys[0]}); break;
        default: break;  // pause and prompt lines are answered only where they are asked for
        }
    }
}

void HeadlessHost::deliver(const KeyEvent& event) {
    if (ended_) return;
    short code = event.stroke.code;
    if (event.down) {
        form_->Form_KeyDown(code, event.stroke.shift);
    } else {
        form_->Form_KeyUp(code, event.stroke.shift);
    }
}

void HeadlessHost::line(const std::string& text) {
    out_ << text << '\n';
}

std::unique_ptr<Voice> HeadlessHost::createVoice(std::string&) {
    return std::make_unique<TranscriptVoice>();
}

void HeadlessHost::setCaption(const std::string&) {}

void HeadlessHost::sentenceOut(const std::string& text, bool recorded, bool spoken) {
    const char* prefix = spoken ? (recorded ? "msg: " : "say: ") : (recorded ? "caption-msg: " : "caption: ");
    out_ << prefix << text << '\n';
}

void HeadlessHost::playCue(Cue cue) {
    if (options_.soundLog) line(std::string("sound: ") + cueName(cue));
}

void HeadlessHost::startTimer(int milliseconds) {
    line("pause: " + formatSeconds(milliseconds));
    if (milliseconds <= 0) return;
    tickAt_ = clock_ + milliseconds;
    // Keys written for this pause are pressed inside it, one event a pass.
    if (nextLine_ < script_.size() && script_[nextLine_].kind == ScriptLine::Kind::DuringPause) {
        for (const KeyStroke& stroke : script_[nextLine_].keys) {
            pending_.push_back({true, stroke});
            pending_.push_back({false, stroke});
        }
        ++nextLine_;
    }
}

void HeadlessHost::stopTimer() { tickAt_.reset(); }

void HeadlessHost::processEvents() {
    if (!pending_.empty()) {
        const KeyEvent event = pending_.front();
        pending_.pop_front();
        deliver(event);
        return;
    }
    // Nothing else will happen before the tick: the virtual clock jumps to
    // it. A pause with no tick armed could never end; it ends at once.
    if (tickAt_) clock_ = *tickAt_;
    tickAt_.reset();
    form_->Holder_Timer();
}


std::optional<std::string> HeadlessHost::promptText(const std::string&) {
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
    line("exit");
}

void HeadlessHost::clear() {
    if (options_.drawLog) line("draw: clear");
}
void HeadlessHost::setColour(int red, int green, int blue) {
    if (options_.drawLog)
        line("draw: colour " + std::to_string(red) + " " + std::to_string(green) + " " +
             std::to_string(blue));
}
void HeadlessHost::circle(int x, int y, int radius) {
    if (options_.drawLog)
        line("draw: circle " + std::to_string(x) + " " + std::to_string(y) + " " +
             std::to_string(radius));
}
void HeadlessHost::textPosition(int x, int y) {
    if (options_.drawLog) line("draw: text-position " + std::to_string(x) + " " + std::to_string(y));
}
void HeadlessHost::fontSize(int points) {
    if (options_.drawLog) line("draw: font-size " + std::to_string(points));
}
void HeadlessHost::write(const std::string& text) {
    if (options_.drawLog) line("draw: write " + text);
}

int runHeadless(const HeadlessOptions& options, std::istream& script, std::ostream& out,
                std::ostream& err) {
    try {
        HeadlessHost host(options, readScript(script), out);
        Form1 form(host);
        form.speechRate = options.speechRate;
        host.run(form);
    } catch (const ScriptError& error) {
        out.flush();
        err << "sonarch: script " << error.message << '\n';
        return 2;
    }
    out.flush();
    return 0;
}

}  // namespace sonarch
