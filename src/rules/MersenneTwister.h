// The 64-bit Mersenne Twister (the standard library's mt19937_64, number
// for number), written out so that it runs without a branch a number: the
// game draws most of its numbers in loops that try zone after zone, and the
// standard library's version spent a good part of a simulated game guessing
// which way its own loop would go.
#pragma once

#include <array>
#include <cstdint>

namespace sonarch {

class MersenneTwister {
public:
    explicit MersenneTwister(std::uint64_t seed = 5489) { this->seed(seed); }

    void seed(std::uint64_t value) {
        state_[0] = value;
        for (std::size_t i = 1; i < size; ++i)
            state_[i] = 6364136223846793005ULL * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
        next_ = size;
    }

    std::uint64_t operator()() {
        if (next_ >= size) twist();
        std::uint64_t y = state_[next_++];
        y ^= (y >> 29) & 0x5555555555555555ULL;
        y ^= (y << 17) & 0x71D67FFFEDA60000ULL;
        y ^= (y << 37) & 0xFFF7EEE000000000ULL;
        return y ^ (y >> 43);
    }

private:
    static constexpr std::size_t size = 312;
    static constexpr std::size_t shift = 156;
    static constexpr std::uint64_t upper = ~std::uint64_t{0} << 31;
    static constexpr std::uint64_t lower = ~upper;
    static constexpr std::uint64_t twistBy = 0xB5026F5AA96619E9ULL;

    static std::uint64_t mixed(std::uint64_t high, std::uint64_t low, std::uint64_t away) {
        const std::uint64_t y = (high & upper) | (low & lower);
        return away ^ (y >> 1) ^ ((0 - (y & 1)) & twistBy);
    }

    // Kept out of line, so that drawing a number stays small enough to be
    // written into the loops that draw.
    [[gnu::noinline]] void twist() {
        std::size_t i = 0;
        for (; i < size - shift; ++i) state_[i] = mixed(state_[i], state_[i + 1], state_[i + shift]);
        for (; i < size - 1; ++i) state_[i] = mixed(state_[i], state_[i + 1], state_[i + shift - size]);
        state_[size - 1] = mixed(state_[size - 1], state_[0], state_[shift - 1]);
        next_ = 0;
    }

    std::array<std::uint64_t, size> state_{};
    std::size_t next_ = size;
};

}  // namespace sonarch
