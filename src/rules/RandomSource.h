// The game's one source of uniform numbers 0 <= u < 1, and the whole numbers
// drawn from it. Nothing else draws from it, so a seed and a list of fixed
// numbers make a whole game repeatable: the fixed numbers come out first,
// then the seeded generator goes on.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>

#include "rules/MersenneTwister.h"

namespace sonarch {

class RandomSource {
public:
    // A seed given for the run replaces the clock's at start-up.
    void pinSeed(std::optional<std::uint64_t> seed) { pinned_ = seed; }
    void queueFixed(double u) { fixed_.push_back(u); }
    void seedFromClock(double secondsSinceMidnight) {
        seed_ = pinned_ ? *pinned_ : static_cast<std::uint64_t>(secondsSinceMidnight * 1000.0);
        generator_.seed(seed_);
    }
    // The seed of the run, for draws of its own that must not disturb these
    // (the maps made in the map list), so that a seed still gives one run.
    std::uint64_t seed() const { return seed_; }

    double next() {
        if (!fixed_.empty()) return takeFixed();
        // 53 random bits make every double of the grid equally likely and
        // the same on every platform, unlike the standard distributions.
        return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
    }

    // floor(u x count) + 1, one number u per draw: a die, a zone, a percentage.
    int drawWhole(int count) {
        if (fixed_.empty() && count > 0 && count <= 128) {
            // The same number in whole-number arithmetic: u x count is
            // bits x count / 2^53 with bits the generator's top 53 bits.
            // Only when the double product would round up across a whole
            // number (the remainder within 128 of 2^53) could the two
            // differ; then the double is worked out as it always was. (Up to
            // 128 the double's rounding is within 64 / 2^53.)
            const std::uint64_t bits = generator_() >> 11;
            const std::uint64_t scaled = bits * static_cast<std::uint64_t>(count);
            constexpr std::uint64_t below = (std::uint64_t{1} << 53) - 1;
            if ((scaled & below) < below - 127) return static_cast<int>(scaled >> 53) + 1;
            return wholeOf(static_cast<double>(bits) * 0x1.0p-53, count);
        }
        return wholeOf(next(), count);
    }
    int throwDie() { return drawWhole(6); }
    int drawPercentage() { return drawWhole(100); }

private:
    double takeFixed() {
        const double u = fixed_.front();
        fixed_.pop_front();
        return u;
    }

    // The product is never negative, so cutting it to a whole number is
    // its floor; one rounded up to count itself still names the last one.
    static int wholeOf(double u, int count) {
        const double product = u * count;
        const int drawn = (product > 0 ? static_cast<int>(product) : 0) + 1;
        return drawn <= count ? drawn : (count > 0 ? count : 1);
    }

    MersenneTwister generator_{0};
    std::deque<double> fixed_;
    std::optional<std::uint64_t> pinned_;
    std::uint64_t seed_ = 0;
};

}  // namespace sonarch
