// What the game tells, in order, and the pauses that let each sentence be
// heard. A pause is a state of the session, not a wait: while it runs, the
// sentences and moves told after it stay in the story, and the host's
// events go on arriving. The history keys, the speech switch, Ctrl and the
// study keys answer at once; the key handler refuses every other key while
// Holder is enabled. The pause ends at its tick, or at the first event after
// Ctrl went down.
#include <cmath>
#include <limits>
#include <utility>

#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

namespace {
// Seconds to timer milliseconds, an exact half to the even neighbour. Values
// the timer cannot hold become no pause at all.
int toInterval(double seconds) {
    const double ms = std::nearbyint(seconds * 1000.0);
    if (!(ms > 0) || ms > std::numeric_limits<int>::max()) return 0;
    return static_cast<int>(ms);
}
}  // namespace

void Form1::tellSay(std::string text) { story_.push_back({.kind = Step::Kind::Say, .text = std::move(text)}); }

void Form1::tellMessage(std::string text) {
    story_.push_back({.kind = Step::Kind::Message, .text = std::move(text)});
}

void Form1::tellRecord(std::string text) { story_.push_back({.kind = Step::Kind::Record, .text = std::move(text)}); }

void Form1::tellCue(Cue cue) { story_.push_back({.kind = Step::Kind::Cue, .cue = cue}); }

void Form1::tellThen(void (Form1::*then)()) { story_.push_back({.kind = Step::Kind::Then, .then = then}); }

void Form1::hold(const double& seconds) { story_.push_back({.kind = Step::Kind::Pause, .seconds = seconds}); }

// Tells the story up to its next pause. A move told here adds to the story
// and is told in the same loop, so a whole round of turns without a pause
// runs without piling up calls.
void Form1::tell() {
    while (!Holder.Enabled && !story_.empty()) {
        Step step = std::move(story_.front());
        story_.pop_front();
        switch (step.kind) {
        case Step::Kind::Say: sayIt(step.text); break;
        case Step::Kind::Message: addMessage(step.text); break;
        case Step::Kind::Record: recordUnsaid(step.text); break;
        case Step::Kind::Cue: playCue(step.cue); break;
        case Step::Kind::Pause: beginPause(step.seconds); break;
        case Step::Kind::Then: (this->*step.then)(); break;
        case Step::Kind::Show: board = *step.shown; break;
        }
    }
}

void Form1::beginPause(double seconds) {
    Holder.Enabled = true;
    pauseKeyAnswered_ = false;
    Holder.Interval = toInterval(seconds);
    frontEnd_.startTimer(Holder.Interval);
    // A pause of no time is over as it begins.
    if (Holder.Interval <= 0) endPause();
}

void Form1::endPause() {
    Holder.Enabled = false;
    frontEnd_.stopTimer();
}

void Form1::afterEvent(bool pausedBefore) {
    // Each event that reaches a running pause is one pass of it: Ctrl held
    // ends it (and is used up), and so does its tick.
    if (pausedBefore && Holder.Enabled) {
        if (ctrlHeld == 1) {
            ctrlHeld = 0;
            endPause();
        } else if (Holder.Interval <= 0) {
            endPause();
        }
    }
    tell();
    tellServerReady();
}

void Form1::Holder_Timer() { Holder.Interval = 0; }

void Form1::Form_KeyUp(short& keyCode, const short& /*shift*/) {
    if (keyCode == key::Ctrl || keyCode == key::TerminalBackspace) ctrlHeld = 0;
}

}  // namespace sonarch
