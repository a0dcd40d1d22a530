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
#include <random>

namespace sonarch {

class RandomSource {
public:
    // A seed given for the run replaces the clock's at start-up.
    void pinSeed(std::optional<std::uint64_t> seed) { pinned_ = seed; }
    void queueFixed(double u) { fixed_.push_back(u); }
    void seedFromClock(double secondsSinceMidnight) {
        generator_.seed(pinned_ ? *pinned_ : static_cast<std::uint64_t>(secondsSinceMidnight * 1000.0));
    }

    double next() {
        if (!fixed_.empty()) {
            const double u = fixed_.front();
            fixed_.pop_front();
            return u;
        }
        // 53 random bits make every double of the grid equally likely and
        // the same on every platform, unlike the standard distributions.
        return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
    }

    // floor(u x count) + 1, one number u per draw: a die, a zone, a percentage.
    int drawWhole(int count) {
        const int drawn = static_cast<int>(std::floor(next() * count)) + 1;
        return std::min(drawn, std::max(count, 1));
    }
    int throwDie() { return drawWhole(6); }
    int drawPercentage() { return drawWhole(100); }

private:
    std::mt19937_64 generator_{0};
    std::deque<double> fixed_;
    std::optional<std::uint64_t> pinned_;
};

}  // namespace sonarch
