#include "host/speech/cueTones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sonarch::speech {

namespace {
struct Note {
    double hertz;
    int milliseconds;
};

// A third of full scale leaves room for the voice mixed over it.
constexpr double loudness = 0.3 * 32767;
// Rise and fall of every note, so that none starts or ends with a click.
constexpr double edgeSeconds = 0.006;

std::vector<Note> tune(Cue cue) {
    switch (cue) {
    case Cue::YourTurn: return {{660, 70}, {880, 110}};
    case Cue::BattleWon: return {{523, 60}, {659, 60}, {784, 120}};
    case Cue::BattleLost: return {{392, 90}, {294, 160}};
    case Cue::ZoneLost: return {{330, 90}, {247, 90}, {196, 200}};
    case Cue::Claim: return {{988, 60}, {988, 90}};
    case Cue::Defeat: return {{440, 160}, {349, 160}, {294, 160}, {220, 400}};
    case Cue::Victory: return {{523, 100}, {659, 100}, {784, 100}, {1047, 350}};
    }
    return {};
}
}  // namespace

std::vector<short> cueTones(Cue cue, int sampleRate) {
    std::vector<short> samples;
    for (const Note& note : tune(cue)) {
        const int length = sampleRate * note.milliseconds / 1000;
        for (int i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const double untilEnd = static_cast<double>(length - i) / sampleRate;
            const double edge = std::min({1.0, t / edgeSeconds, untilEnd / edgeSeconds});
            // A touch of the octave above makes the notes easier to tell apart than pure tones.
            const double wave = std::sin(2 * std::numbers::pi * note.hertz * t) * 0.8 +
                                std::sin(4 * std::numbers::pi * note.hertz * t) * 0.2;
            samples.push_back(static_cast<short>(std::lround(loudness * edge * wave)));
        }
    }
    return samples;
}

}  // namespace sonarch::speech
