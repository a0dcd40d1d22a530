#include "host/window/heldCtrl.h"

namespace sonarch::window {

void HeldCtrl::pressed(std::uint64_t now, bool isRepeat) {
    // Once the keyboard is seen repeating Ctrl, it is left to do so.
    if (isRepeat) {
        keyboardRepeats_ = true;
        return;
    }
    held_ = true;
    nextRepeat_ = now + firstRepeatAfter;
}

std::optional<std::uint64_t> HeldCtrl::untilNextRepeat(std::uint64_t now) const {
    if (!held_ || keyboardRepeats_) return std::nullopt;
    return nextRepeat_ > now ? nextRepeat_ - now : 0;
}

bool HeldCtrl::takeRepeat(std::uint64_t now) {
    if (!held_ || keyboardRepeats_ || now < nextRepeat_) return false;
    nextRepeat_ = now + repeatEvery;
    return true;
}

}  // namespace sonarch::window
