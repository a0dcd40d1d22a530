// The built-in voice plays real sound: each sentence is heard whole, loud
// enough, at the game's rate, and a new sentence cuts the one before off.
#include <gtest/gtest.h>

#include "diskAudio.h"
#include "host/speech/EspeakVoice.h"
#include "host/speech/speechScale.h"

namespace sonarch::testing {
namespace {

const std::string welcome = "Welcome to Sonarch Alpha 1.4 by Korvel.";
const std::string longSentence =
    "Your armies captured North America. The computer players are thinking about their next "
    "moves, and they will attack your zones from every side, so place your points with care.";

class BuiltInVoice : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        voice = speech::openEspeakVoice(whyNot);
        ASSERT_NE(voice, nullptr) << whyNot;
        voice->setRate(3);
        voice->setVolume(100);
    }
    // Speaks alone and waits for the sentence and some silence after it.
    SoundSpan speakAlone(const std::string& text) {
        const double from = audio.seconds();
        voice->speak(text);
        EXPECT_TRUE(audio.waitForSound(from));
        for (;;) {
            const SoundSpan span = audio.measure(from);
            if (audio.seconds() > span.lastLoud + 1.0) return span;
            if (!audio.waitUntil(audio.seconds() + 0.2)) return span;
        }
    }

    DiskAudio audio;
    std::unique_ptr<Voice> voice;
};

TEST_F(BuiltInVoice, SpeaksASentenceWholeAndLoud) {
    const SoundSpan span = speakAlone(welcome);
    ASSERT_TRUE(span.heard);
    const double length = span.lastLoud - span.firstLoud;
    // Eight words and a number, at about 1.4 times espeak-ng's normal speed.
    EXPECT_GT(length, 1.0);
    EXPECT_LT(length, 4.0);
    EXPECT_GT(span.peak, 0.25);
    EXPECT_GT(span.rms, 0.04);
}

TEST_F(BuiltInVoice, TheGamesRateIsFasterThanNormal) {
    voice->setRate(0);
    const SoundSpan normal = speakAlone(longSentence);
    voice->setRate(3);
    const SoundSpan fast = speakAlone(longSentence);
    const double ratio = (normal.lastLoud - normal.firstLoud) / (fast.lastLoud - fast.firstLoud);
    EXPECT_NEAR(ratio, speech::speedFactor(3), 0.2);
}

// A long sentence, then another text as soon as the first is heard; returns
// the sound from the start of the first and when the second was given.
std::pair<SoundSpan, double> cutOff(DiskAudio& audio, Voice& voice, const std::string& first,
                                    const std::string& then, double wait) {
    const double from = audio.seconds();
    voice.speak(first);
    EXPECT_TRUE(audio.waitForSound(from));
    const double cut = audio.seconds();
    voice.speak(then);
    EXPECT_TRUE(audio.waitUntil(cut + wait));
    return {audio.measure(from), cut};
}

TEST_F(BuiltInVoice, ANewSentenceCutsTheOneBeforeOff) {
    const std::string twice = longSentence + " " + longSentence;
    const SoundSpan whole = speakAlone(twice);
    const double alone = whole.lastLoud - whole.firstLoud;
    ASSERT_GT(alone, 8.0);
    const auto [both, cut] = cutOff(audio, *voice, twice, "Goodbye!", 3.0);
    ASSERT_LT(cut - both.firstLoud, alone - 3.0) << "the second sentence came too late to tell";
    ASSERT_TRUE(audio.measure(cut).heard) << "the second sentence was not played";
    // "Goodbye!" lasts well under a second; the rest of the first sentence is gone.
    EXPECT_LT(both.lastLoud - cut, 1.5);
}

TEST_F(BuiltInVoice, TheEmptySentenceOnlySilences) {
    const auto [span, cut] = cutOff(audio, *voice, longSentence, "", 2.0);
    EXPECT_LT(span.lastLoud - cut, 0.3);
}

}  // namespace
}  // namespace sonarch::testing
