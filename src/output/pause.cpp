// Timed pauses that let a sentence be heard. A pause keeps handling window
// events while it waits, so the history keys, the speech switch and Ctrl work
// during it; the key handler refuses everything else while Holder is enabled.
#include <cmath>
#include <limits>

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

void Form1::hold(const double& seconds) {
    Holder.Enabled = true;
    Holder.Interval = toInterval(seconds);
    frontEnd_.startTimer(Holder.Interval);
    while (Holder.Interval > 0) {
        frontEnd_.processEvents();
        if (ctrlHeld == 1) {
            ctrlHeld = 0;
            break;
        }
    }
    Holder.Enabled = false;
    frontEnd_.stopTimer();
}

void Form1::Holder_Timer() { Holder.Interval = 0; }

void Form1::Form_KeyUp(short& keyCode, const short& /*shift*/) {
    if (keyCode == key::Ctrl) ctrlHeld = 0;
}

}  // namespace sonarch
