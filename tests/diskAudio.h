// SDL's disk audio driver for tests: everything a voice plays lands in a
// file, as 16-bit mono samples at espeak-ng's rate, written about four times
// faster than real time so that tests of whole sentences stay short.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace sonarch::testing {

// What a stretch of recorded sound holds.
struct SoundSpan {
    bool heard = false;
    double firstLoud = 0;  // seconds from the start of the file
    double lastLoud = 0;
    double peak = 0;       // of full scale, 0..1
    double rms = 0;        // over the loud span, of full scale
};

class DiskAudio {
public:
    static constexpr int sampleRate = 22050;

    // Must come before the voice opens its sound device.
    DiskAudio();
    std::vector<std::int16_t> samples() const;
    // Seconds of sound (silence included) written so far.
    double seconds() const;
    // Waits until the file holds at least this many seconds; false when it
    // does not within a generous bound.
    bool waitUntil(double seconds) const;
    // Waits until something loud has been written after the time given;
    // false when nothing comes.
    bool waitForSound(double fromSeconds = 0) const;
    SoundSpan measure(double fromSeconds = 0) const;

private:
    DataDir folder_;
    std::filesystem::path file_;
};

}  // namespace sonarch::testing
