// The voice a run gets: the player's Speech Dispatcher when it answers,
// else the built-in voice, else none with a reason the game can say.
#include <gtest/gtest.h>

#include <chrono>

#include "diskAudio.h"
#include "host/speech/speechScale.h"
#include "host/speech/voiceFactory.h"
#include "speechService.h"

namespace sonarch::testing {
namespace {

using namespace std::chrono_literals;

TEST(VoiceChoice, NoneIsAsked) {
    std::string whyNot;
    EXPECT_EQ(createSpeechVoice("none", whyNot), nullptr);
    EXPECT_EQ(whyNot, "switched off with --speech none");
}

TEST(VoiceChoice, ARunningSpeechDispatcherComesFirst) {
    DiskAudio audio;
    PrivateSpeechDispatcher service;
    ASSERT_TRUE(service.running()) << service.why();
    std::string whyNot;
    auto voice = createSpeechVoice("auto", whyNot);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->speak("Main Menu");
    // The built-in voice would have opened the sound device, and so the file.
    EXPECT_EQ(audio.seconds(), 0.0);
}

TEST(VoiceChoice, WithoutSpeechDispatcherTheBuiltInVoiceSpeaks) {
    DiskAudio audio;
    DataDir nowhere;
    useSpeechSocket(nowhere.path() / "no.sock");
    std::string whyNot;
    auto voice = createSpeechVoice("auto", whyNot);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->speak("Main Menu");
    EXPECT_TRUE(audio.waitForSound());
}

TEST(VoiceChoice, AWedgedSpeechDispatcherDoesNotHoldTheStart) {
    DiskAudio audio;
    WedgedSpeechService service(WedgedSpeechService::Wedge::AtOnce);
    std::string whyNot;
    const auto started = std::chrono::steady_clock::now();
    auto voice = createSpeechVoice("auto", whyNot);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->speak("Main Menu");
    EXPECT_TRUE(audio.waitForSound());
}

TEST(VoiceChoice, WithNeitherTheReasonNamesBoth) {
    DataDir nowhere;
    useSpeechSocket(nowhere.path() / "no.sock");
    setenv("SDL_AUDIODRIVER", "no-such-sound", 1);
    std::string whyNot;
    EXPECT_EQ(createSpeechVoice("auto", whyNot), nullptr);
    EXPECT_EQ(whyNot, "Speech Dispatcher is not running and the built-in voice found no sound output");
}

TEST(VoiceChoice, TheBuiltInVoiceAskedForByNameSaysWhyItCannot) {
    setenv("SDL_AUDIODRIVER", "no-such-sound", 1);
    std::string whyNot;
    EXPECT_EQ(createSpeechVoice("espeak", whyNot), nullptr);
    EXPECT_EQ(whyNot, "the built-in voice found no sound output");
}

// Each step of the game's rate is the tenth root of three: 175 x 3^0.3 is 243.
TEST(VoiceScale, TheGamesRateAndVolumeOnEachEngine) {
    EXPECT_EQ(speech::espeakWordsPerMinute(0), 175);
    EXPECT_EQ(speech::espeakWordsPerMinute(3), 243);
    EXPECT_EQ(speech::espeakWordsPerMinute(10), 450);  // 525 is past espeak-ng's fastest
    EXPECT_EQ(speech::espeakWordsPerMinute(-10), 80);  // 58 is below its slowest
    EXPECT_EQ(speech::espeakVolume(100), 100);
    EXPECT_EQ(speech::speechdRate(3), 30);
    EXPECT_EQ(speech::speechdRate(-10), -100);
    EXPECT_EQ(speech::speechdVolume(100), 100);
    EXPECT_EQ(speech::speechdVolume(0), -100);
}

}  // namespace
}  // namespace sonarch::testing
