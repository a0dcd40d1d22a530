// Speech Dispatcher for real: a sentence sent is begun and ended by the
// service, a new one cuts it off, one said after it waits for it, and a wedged or missing service never
// holds the game: it falls back within a bounded time.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "host/speech/SpeechdVoice.h"
#include "speechService.h"

namespace sonarch::testing {
namespace {

using namespace std::chrono_literals;
using speech::SpeechEvent;

// The service's notices, as they arrive from its thread.
class Notices {
public:
    void operator()(SpeechEvent event) {
        std::lock_guard guard(lock_);
        seen_.push_back(event);
        arrived_.notify_all();
    }
    bool waitFor(SpeechEvent event, int times = 1) {
        std::unique_lock guard(lock_);
        return arrived_.wait_for(guard, 20s, [&] {
            return std::count(seen_.begin(), seen_.end(), event) >= times;
        });
    }
    std::vector<SpeechEvent> seen() {
        std::lock_guard guard(lock_);
        return seen_;
    }

private:
    std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<SpeechEvent> seen_;
};

// Says what it is given, for the fallback of a wedged service.
class RecordingVoice final : public Voice {
public:
    explicit RecordingVoice(std::vector<std::string>& said) : said_(said) {}
    void setRate(int rate) override { said_.push_back("rate " + std::to_string(rate)); }
    void setVolume(int volume) override { said_.push_back("volume " + std::to_string(volume)); }
    void speak(const std::string& text) override { said_.push_back(text); }

private:
    std::vector<std::string>& said_;
};

std::string manySentences() {
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += "The computer players are thinking about their next moves and will attack soon. ";
    return text;
}

// A voice of the service whose every begin, end and cancel reaches notices.
std::unique_ptr<Voice> observedVoice(const std::shared_ptr<Notices>& notices, std::string& whyNot) {
    speech::SpeechdSettings settings;
    settings.connectWait = 5s;
    settings.observer = [notices](SpeechEvent event) { (*notices)(event); };
    return speech::openSpeechdVoice(settings, whyNot);
}

// Each sentence sent is begun by the service; the one cut off is cancelled,
// the last is ended.
TEST(SpeechDispatcher, ANewSentenceCutsTheOneBeforeOff) {
    PrivateSpeechDispatcher service;
    ASSERT_TRUE(service.running()) << service.why();
    auto notices = std::make_shared<Notices>();
    std::string whyNot;
    auto voice = observedVoice(notices, whyNot);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->setRate(3);
    voice->setVolume(100);
    voice->speak(manySentences());
    ASSERT_TRUE(notices->waitFor(SpeechEvent::Begin));
    voice->speak("Goodbye!");
    ASSERT_TRUE(notices->waitFor(SpeechEvent::Begin, 2));
    EXPECT_TRUE(notices->waitFor(SpeechEvent::End));
    const auto seen = notices->seen();
    // The long text was cancelled, not played to its end, before the second began.
    const auto cancelled = std::find(seen.begin(), seen.end(), SpeechEvent::Cancel);
    ASSERT_NE(cancelled, seen.end());
    EXPECT_EQ(std::count(seen.begin(), cancelled, SpeechEvent::End), 0);
}

// A sentence said after another is queued by the service: both are ended,
// neither cancelled.
TEST(SpeechDispatcher, ASentenceSaidAfterLetsTheOneBeforeEnd) {
    PrivateSpeechDispatcher service;
    ASSERT_TRUE(service.running()) << service.why();
    auto notices = std::make_shared<Notices>();
    std::string whyNot;
    auto voice = observedVoice(notices, whyNot);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->speak("The computer players are thinking about their next moves and will attack soon.");
    ASSERT_TRUE(notices->waitFor(SpeechEvent::Begin));
    voice->speakAfter("Ben says: good luck.");
    const bool bothEnded = notices->waitFor(SpeechEvent::End, 2);
    const auto seen = notices->seen();
    std::string told;
    for (const SpeechEvent event : seen) told += std::to_string(static_cast<int>(event));
    ASSERT_TRUE(bothEnded) << told;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), SpeechEvent::Cancel), 0);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), SpeechEvent::Begin), 2);
}

TEST(SpeechDispatcher, AServiceThatNeverAnswersIsGivenUpAfterTheWait) {
    WedgedSpeechService service(WedgedSpeechService::Wedge::AtOnce);
    speech::SpeechdSettings settings;
    settings.connectWait = 300ms;
    std::string whyNot;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(speech::openSpeechdVoice(settings, whyNot), nullptr);
    EXPECT_EQ(whyNot, "Speech Dispatcher did not answer");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

TEST(SpeechDispatcher, AServiceThatWedgesDuringPlayHandsOverToTheFallback) {
    WedgedSpeechService service(WedgedSpeechService::Wedge::WhenAskedToSpeak);
    std::vector<std::string> fallbackSaid;
    speech::SpeechdSettings settings;
    settings.connectWait = 2s;
    settings.wedgedAfter = 200ms;
    settings.fallback = [&fallbackSaid](std::string&) -> std::unique_ptr<Voice> {
        return std::make_unique<RecordingVoice>(fallbackSaid);
    };
    std::string whyNot;
    auto voice = speech::openSpeechdVoice(settings, whyNot);
    ASSERT_NE(voice, nullptr) << whyNot;
    voice->setRate(3);
    voice->setVolume(100);
    voice->speak("Main Menu");  // the service takes it and never comes back
    std::this_thread::sleep_for(400ms);
    const auto started = std::chrono::steady_clock::now();
    voice->speak("NewGame");
    voice->speak("Load Game");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 100ms) << "speaking blocked the game";
    EXPECT_EQ(fallbackSaid,
              (std::vector<std::string>{"rate 3", "volume 100", "NewGame", "Load Game"}));
}

}  // namespace
}  // namespace sonarch::testing
