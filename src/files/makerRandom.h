// The map maker's own random numbers, apart from the game's one source: a
// seed gives the same map on every system, so every step from the
// generator's output to a number is written out here rather than left to a
// standard distribution, whose results differ between libraries.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace sonarch {

class MakerRandom {
public:
    explicit MakerRandom(std::uint64_t seed) : generator_(seed) {}

    // 0 to count - 1, each equally likely (count at least 1). Outputs below
    // 2^64 mod count are drawn again: they would favour the low numbers.
    std::uint64_t below(std::uint64_t count) {
        const std::uint64_t unfair = (0 - count) % count;
        for (;;) {
            const std::uint64_t drawn = generator_();
            if (drawn >= unfair) return drawn % count;
        }
    }

    int between(int lowest, int highest) {
        return lowest + static_cast<int>(below(static_cast<std::uint64_t>(highest - lowest) + 1));
    }

    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[below(i)]);
    }

private:
    std::mt19937_64 generator_;
};

}  // namespace sonarch
