#include "host/speech/speechScale.h"

#include <algorithm>
#include <cmath>

namespace sonarch::speech {

namespace {
constexpr double espeakNormalWordsPerMinute = 175.0;
// Below and above these espeak-ng refuses the setting.
constexpr int espeakSlowest = 80;
constexpr int espeakFastest = 450;

int clampTo(int value, int low, int high) { return std::min(std::max(value, low), high); }
}  // namespace

double speedFactor(int rate) { return std::pow(3.0, clampTo(rate, -10, 10) / 10.0); }

int espeakWordsPerMinute(int rate) {
    const int wordsPerMinute =
        static_cast<int>(std::lround(espeakNormalWordsPerMinute * speedFactor(rate)));
    return clampTo(wordsPerMinute, espeakSlowest, espeakFastest);
}

int espeakVolume(int volume) { return clampTo(volume, 0, 100); }

int speechdRate(int rate) { return clampTo(rate, -10, 10) * 10; }

int speechdVolume(int volume) { return clampTo(volume, 0, 100) * 2 - 100; }

}  // namespace sonarch::speech
