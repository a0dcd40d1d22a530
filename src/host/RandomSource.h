// The game's one source of uniform numbers 0 <= u < 1. A list of fixed
// numbers, when given, comes out first, so that a replay or a test can fix
// every die, zone and name; then the seeded generator goes on.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace sonarch {

class RandomSource {
public:
    void seed(std::uint64_t value) { generator_.seed(value); }
    void queueFixed(double u) { fixed_.push_back(u); }
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

private:
    std::mt19937_64 generator_{0};
    std::deque<double> fixed_;
};

}  // namespace sonarch
