// Holding Ctrl runs through the computer players' pauses because the
// keyboard repeats it: each repeat silences the voice and ends the pause
// that is running. Desktops where modifier keys do not repeat get the
// repeats made here, with the usual typematic timing.
#pragma once

#include <cstdint>
#include <optional>

namespace sonarch::window {

class HeldCtrl {
public:
    static constexpr std::uint64_t firstRepeatAfter = 500;  // milliseconds
    static constexpr std::uint64_t repeatEvery = 33;

    // A press of Ctrl at the time given; isRepeat when the keyboard repeated it.
    void pressed(std::uint64_t now, bool isRepeat);
    void released() { held_ = false; }
    // Milliseconds until a made repeat is due, when one is to be made.
    std::optional<std::uint64_t> untilNextRepeat(std::uint64_t now) const;
    // True when a repeat is due now; the next one is then planned.
    bool takeRepeat(std::uint64_t now);

private:
    bool held_ = false;
    bool keyboardRepeats_ = false;
    std::uint64_t nextRepeat_ = 0;
};

}  // namespace sonarch::window
