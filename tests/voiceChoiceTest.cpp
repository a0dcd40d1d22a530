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

std::unique_ptr<Voice> voiceNamed(const std::string& name) { return openNamedVoice(speechVoices(), name); }

TEST(VoiceChoice, NoneIsASilentVoiceThatSaysWhy) {
    EXPECT_EQ(voiceNamed("none")->whyUnheard(), "switched off with --speech none");
}

TEST(VoiceChoice, ARunningSpeechDispatcherComesFirst) {
    DiskAudio audio;
    PrivateSpeechDispatcher service;
    ASSERT_TRUE(service.running()) << service.why();
    auto voice = voiceNamed("auto");
    ASSERT_EQ(voice->whyUnheard(), "");
    voice->speak("Main Menu");
    // The built-in voice would have opened the sound device, and so the file.
    EXPECT_EQ(audio.seconds(), 0.0);
}

TEST(VoiceChoice, WithoutSpeechDispatcherTheBuiltInVoiceSpeaks) {
    DiskAudio audio;
    DataDir nowhere;
    useSpeechSocket(nowhere.path() / "no.sock");
    auto voice = voiceNamed("auto");
    ASSERT_EQ(voice->whyUnheard(), "");
    voice->speak("Main Menu");
    EXPECT_TRUE(audio.waitForSound());
}

TEST(VoiceChoice, AWedgedSpeechDispatcherDoesNotHoldTheStart) {
    DiskAudio audio;
    WedgedSpeechService service(WedgedSpeechService::Wedge::AtOnce);
    const auto started = std::chrono::steady_clock::now();
    auto voice = voiceNamed("auto");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
    ASSERT_EQ(voice->whyUnheard(), "");
    voice->speak("Main Menu");
    EXPECT_TRUE(audio.waitForSound());
}

TEST(VoiceChoice, WithNeitherTheReasonNamesBoth) {
    DataDir nowhere;
    useSpeechSocket(nowhere.path() / "no.sock");
    setenv("SDL_AUDIODRIVER", "no-such-sound", 1);
    EXPECT_EQ(voiceNamed("auto")->whyUnheard(), "Speech Dispatcher is not running and the built-in voice found no sound output");
}

TEST(VoiceChoice, TheBuiltInVoiceAskedForByNameSaysWhyItCannot) {
    setenv("SDL_AUDIODRIVER", "no-such-sound", 1);
    EXPECT_EQ(voiceNamed("espeak")->whyUnheard(), "the built-in voice found no sound output");
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
