#include "diskAudio.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace sonarch::testing {

namespace {
// Louder than this is speech, not the hiss at the edges of a word.
constexpr double loudLevel = 0.05;
constexpr auto longestWait = std::chrono::seconds(20);
}  // namespace

DiskAudio::DiskAudio() : file_(folder_.path() / "played.raw") {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
    // Milliseconds per device buffer of about 23 ms of sound.
    setenv("SDL_DISKAUDIODELAY", "5", 1);
}

std::vector<std::int16_t> DiskAudio::samples() const {
    std::ifstream in(file_, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> result(bytes.size() / 2);
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                              (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return result;
}

double DiskAudio::seconds() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(file_, error);
    return error ? 0.0 : static_cast<double>(size / 2) / sampleRate;
}

bool DiskAudio::waitUntil(double wanted) const {
    const auto giveUp = std::chrono::steady_clock::now() + longestWait;
    while (seconds() < wanted) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool DiskAudio::waitForSound(double fromSeconds) const {
    const auto giveUp = std::chrono::steady_clock::now() + longestWait;
    while (!measure(fromSeconds).heard) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

SoundSpan DiskAudio::measure(double fromSeconds) const {
    const auto all = samples();
    SoundSpan span;
    const auto start = static_cast<std::size_t>(fromSeconds * sampleRate);
    std::size_t first = 0, last = 0;
    for (std::size_t i = start; i < all.size(); ++i) {
        const double level = std::abs(all[i]) / 32768.0;
        span.peak = std::max(span.peak, level);
        if (level < loudLevel) continue;
        if (!span.heard) first = i;
        span.heard = true;
        last = i;
    }
    if (!span.heard) return span;
    double sum = 0;
    for (std::size_t i = first; i <= last; ++i) sum += (all[i] / 32768.0) * (all[i] / 32768.0);
    span.rms = std::sqrt(sum / static_cast<double>(last - first + 1));
    span.firstLoud = static_cast<double>(first) / sampleRate;
    span.lastLoud = static_cast<double>(last) / sampleRate;
    return span;
}

}  // namespace sonarch::testing
