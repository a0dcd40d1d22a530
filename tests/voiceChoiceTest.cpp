// The voice a run gets: the player's Speech Dispatcher when it answers,
// else the built-in voice, else none with a reason the game can say.
#include <gtest/gtest.h>


#include "host/speech/voiceFactory.h"
#include "speechService.h"

namespace sonarch::testing {
namespace {


std::unique_ptr<Voice> voiceNamed(const std::string& name) { return openNamedVoice(speechVoices(), name); }

TEST(VoiceChoice, NoneIsASilentVoiceThatSaysWhy) {
    EXPECT_EQ(voiceNamed("none")->whyUnheard(), "switched off with --speech none");
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

}  // namespace
}  // namespace sonarch::testing
