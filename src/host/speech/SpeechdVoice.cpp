#include "host/speech/SpeechdVoice.h"

#include <speech-dispatcher/libspeechd.h>

#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "host/speech/speechScale.h"

namespace sonarch::speech {

namespace {
using Clock = std::chrono::steady_clock;

// What the window's thread and the worker share. The worker may outlive the
// voice when the service hangs, so it holds its own reference.
struct Link {
    std::mutex lock;
    std::condition_variable changed;
    enum class State { Connecting, Ready, Failed, Finished } state = State::Connecting;
    std::string failure;
    std::optional<std::string> nextSentence;
    // Sentences to say after it (or after what is being said), in order.
    std::deque<std::string> following;
    std::optional<int> rate, volume;
    bool stopping = false;
    bool busy = false;
    Clock::time_point busySince;
};

// libspeechd's notices carry no user data; only one observed voice at a time.
std::mutex observerLock;
std::function<void(SpeechEvent)> currentObserver;

void notice(SpeechEvent event) {
    std::lock_guard guard(observerLock);
    if (currentObserver) currentObserver(event);
}
void onBegin(size_t, size_t, SPDNotificationType) { notice(SpeechEvent::Begin); }
void onEnd(size_t, size_t, SPDNotificationType) { notice(SpeechEvent::End); }
void onCancel(size_t, size_t, SPDNotificationType) { notice(SpeechEvent::Cancel); }

// A short reason a player can hear, from libspeechd's long error text.
std::string connectionTrouble(const char* error) {
    const std::string text = error ? error : "";
    if (text.find("Can't connect") != std::string::npos || text.find("connect") != std::string::npos)
        return "Speech Dispatcher is not running";
    return text.empty() ? "Speech Dispatcher refused the connection" : "Speech Dispatcher: " + text;
}

void work(std::shared_ptr<Link> link, bool autospawn, bool observed) {
    char* error = nullptr;
    SPDConnection* connection =
        spd_open2("sonarch", "main", nullptr, SPD_MODE_THREADED, nullptr, autospawn ? 1 : 0, &error);
    if (connection == nullptr) {
        std::unique_lock guard(link->lock);
        link->failure = connectionTrouble(error);
        // After the wait at start-up gave up, nobody is listening any more.
        if (error && link->state == Link::State::Connecting) std::cerr << "sonarch: " << error << '\n';
        std::free(error);
        link->state = Link::State::Failed;
        link->changed.notify_all();
        return;
    }
    if (observed) {
        connection->callback_begin = onBegin;
        connection->callback_end = onEnd;
        connection->callback_cancel = onCancel;
        spd_set_notification_on(connection, SPD_BEGIN);
        spd_set_notification_on(connection, SPD_END);
        spd_set_notification_on(connection, SPD_CANCEL);
    }
    std::unique_lock guard(link->lock);
    if (link->state == Link::State::Connecting) link->state = Link::State::Ready;
    link->changed.notify_all();
    while (!link->stopping) {
        link->changed.wait(guard, [&] {
            return link->stopping || link->nextSentence || !link->following.empty() || link->rate || link->volume;
        });
        if (link->stopping) break;
        const auto rate = std::exchange(link->rate, std::nullopt);
        const auto volume = std::exchange(link->volume, std::nullopt);
        const auto sentence = std::exchange(link->nextSentence, std::nullopt);
        const auto following = std::exchange(link->following, {});
        link->busy = true;
        link->busySince = Clock::now();
        guard.unlock();
        if (rate) spd_set_voice_rate(connection, speechdRate(*rate));
        if (volume) spd_set_volume(connection, speechdVolume(*volume));
        if (sentence) {
            // Cancel, then say: the one before is cut off. Each sentence has
            // the message priority, which the service never lets interrupt
            // itself, so that one said after it waits for it.
            spd_cancel(connection);
            if (!sentence->empty()) spd_say(connection, SPD_MESSAGE, sentence->c_str());
        }
        for (const std::string& after : following) spd_say(connection, SPD_MESSAGE, after.c_str());
        guard.lock();
        link->busy = false;
    }
    guard.unlock();
    spd_close(connection);
    guard.lock();
    link->state = Link::State::Finished;
    link->changed.notify_all();
}

class SpeechdVoice final : public Voice {
public:
    SpeechdVoice(std::shared_ptr<Link> link, std::thread worker, const SpeechdSettings& settings)
        : link_(std::move(link)), worker_(std::move(worker)), settings_(settings) {}

    ~SpeechdVoice() override {
        std::unique_lock guard(link_->lock);
        link_->stopping = true;
        link_->changed.notify_all();
        // A wedged service would hold the program open: give it a moment, then let it be.
        const bool finished = link_->changed.wait_for(guard, std::chrono::seconds(1), [&] {
            return link_->state == Link::State::Finished;
        });
        guard.unlock();
        if (finished) {
            worker_.join();
        } else {
            worker_.detach();
        }
        if (settings_.observer) {
            std::lock_guard observerGuard(observerLock);
            currentObserver = nullptr;
        }
    }

    void setRate(int rate) override {
        rate_ = rate;
        if (fallback_) return fallback_->setRate(rate);
        std::lock_guard guard(link_->lock);
        link_->rate = rate;
        link_->changed.notify_all();
    }

    void setVolume(int volume) override {
        volume_ = volume;
        if (fallback_) return fallback_->setVolume(volume);
        std::lock_guard guard(link_->lock);
        link_->volume = volume;
        link_->changed.notify_all();
    }

    void speak(const std::string& text) override {
        if (!fallback_ && !gaveUp_ && wedged()) takeOverWithFallback(text);
        if (fallback_) return fallback_->speak(text);
        std::lock_guard guard(link_->lock);
        link_->nextSentence = text;  // a sentence not yet handed over is dropped
        link_->following.clear();
        link_->changed.notify_all();
    }

    void speakAfter(const std::string& text) override {
        if (!fallback_ && !gaveUp_ && wedged()) takeOverWithFallback(text);
        if (fallback_) return fallback_->speakAfter(text);
        if (text.empty()) return;
        std::lock_guard guard(link_->lock);
        // A wedged service must not let them pile up without end.
        if (link_->following.size() < 50) link_->following.push_back(text);
        link_->changed.notify_all();
    }

    // The service speaks at the rate the player gave it, unless the
    // built-in voice has taken over.
    RateSetBy rateSetBy() const override { return fallback_ ? RateSetBy::Game : RateSetBy::Player; }

private:
    bool wedged() {
        std::lock_guard guard(link_->lock);
        return link_->busy && Clock::now() - link_->busySince > settings_.wedgedAfter;
    }

    void takeOverWithFallback(const std::string&) {
        // Tried once: a voice that cannot be had now will not be had later.
        gaveUp_ = true;
        if (!settings_.fallback) {
            std::cerr << "sonarch: Speech Dispatcher stopped answering\n";
            return;
        }
        std::string whyNot;
        fallback_ = settings_.fallback(whyNot);
        if (!fallback_) {
            std::cerr << "sonarch: Speech Dispatcher stopped answering and " << whyNot << '\n';
            return;
        }
        fallback_->setRate(rate_);
        fallback_->setVolume(volume_);
        std::cerr << "sonarch: Speech Dispatcher stopped answering; the built-in voice goes on\n";
    }

    std::shared_ptr<Link> link_;
    std::thread worker_;
    SpeechdSettings settings_;
    std::unique_ptr<Voice> fallback_;
    bool gaveUp_ = false;
    int rate_ = 0;
    int volume_ = 100;
};
}  // namespace

std::unique_ptr<Voice> openSpeechdVoice(const SpeechdSettings& settings, std::string& whyNot) {
    auto link = std::make_shared<Link>();
    if (settings.observer) {
        std::lock_guard guard(observerLock);
        currentObserver = settings.observer;
    }
    std::thread worker(work, link, settings.autospawn, static_cast<bool>(settings.observer));
    std::unique_lock guard(link->lock);
    const bool answered = link->changed.wait_for(guard, settings.connectWait, [&] {
        return link->state != Link::State::Connecting;
    });
    if (answered && link->state == Link::State::Ready) {
        guard.unlock();
        return std::make_unique<SpeechdVoice>(link, std::move(worker), settings);
    }
    if (!answered) {
        // The worker stays blocked in the service; it finds itself alone when it returns.
        link->state = Link::State::Failed;
        link->stopping = true;
        whyNot = "Speech Dispatcher did not answer";
        guard.unlock();
        worker.detach();
    } else {
        whyNot = link->failure;
        guard.unlock();
        worker.join();
    }
    if (settings.observer) {
        std::lock_guard observerGuard(observerLock);
        currentObserver = nullptr;
    }
    return nullptr;
}

}  // namespace sonarch::speech
