// The built-in voice plays real sound: each sentence is heard whole, loud
// enough, at the game's rate, and a new sentence cuts the one before off
// unless it is said after it.
#include <gtest/gtest.h>

#include "diskAudio.h"
#include "host/speech/CueSounds.h"
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
        return untilQuiet(from);
    }
    SoundSpan untilQuiet(double from) {
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

// News said while a sentence is being said waits for it to end.
TEST_F(BuiltInVoice, ASentenceSaidAfterLetsTheOneBeforeEnd) {
    const SoundSpan first = speakAlone(longSentence);
    const SoundSpan second = speakAlone(welcome);
    const double from = audio.seconds();
    voice->speak(longSentence);
    ASSERT_TRUE(audio.waitForSound(from));
    voice->speakAfter(welcome);
    const SoundSpan both = untilQuiet(from);
    const double apart = (first.lastLoud - first.firstLoud) + (second.lastLoud - second.firstLoud);
    EXPECT_GT(both.lastLoud - both.firstLoud, apart - 0.3) << "the first sentence was cut off";
}

TEST_F(BuiltInVoice, TheEmptySentenceOnlySilences) {
    const auto [span, cut] = cutOff(audio, *voice, longSentence, "", 2.0);
    EXPECT_LT(span.lastLoud - cut, 0.3);
}

TEST_F(BuiltInVoice, EachCueIsShortAndHeard) {
    speech::CueSounds cues;
    std::string whyNot;
    ASSERT_TRUE(cues.prepare(whyNot)) << whyNot;
    for (int cue = 0; cue < cueCount; ++cue) {
        const double from = audio.seconds();
        cues.play(static_cast<Cue>(cue));
        const SoundSpan span = untilQuiet(from);
        EXPECT_TRUE(span.heard && span.lastLoud - span.firstLoud < 1.0) << cueName(static_cast<Cue>(cue));
    }
}

TEST_F(BuiltInVoice, ACueNeitherCutsNorDelaysTheSentence) {
    speech::CueSounds cues;
    std::string whyNot;
    ASSERT_TRUE(cues.prepare(whyNot)) << whyNot;
    const SoundSpan alone = speakAlone(longSentence);
    const double from = audio.seconds();
    voice->speak(longSentence);
    cues.play(Cue::Defeat);
    const SoundSpan both = untilQuiet(from);
    ASSERT_TRUE(both.heard);
    EXPECT_GE(both.firstLoud, from);
    // Cut off, it would end early; queued behind the cue's 0.9 seconds, it
    // would end late. A busy machine may stretch it a little either way.
    const double length = both.lastLoud - both.firstLoud;
    EXPECT_GT(length, alone.lastLoud - alone.firstLoud - 0.3);
    EXPECT_LT(length, alone.lastLoud - alone.firstLoud + 0.6);
}

}  // namespace
}  // namespace sonarch::testing
