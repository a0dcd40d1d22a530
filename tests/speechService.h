// Speech services for tests: a private Speech Dispatcher that plays into
// nothing (libao's null driver), and a fake one that accepts connections and
// then answers nothing, or stops answering once asked to speak.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support.h"

namespace sonarch::testing {

// Points libspeechd at a socket of its own for this test process.
void useSpeechSocket(const std::filesystem::path& socket);

class PrivateSpeechDispatcher {
public:
    PrivateSpeechDispatcher();
    ~PrivateSpeechDispatcher();
    // False when the service did not come up (the reason is in why()).
    bool running() const { return running_; }
    const std::string& why() const { return why_; }

private:
    DataDir folder_;
    pid_t pid_ = -1;
    bool running_ = false;
    std::string why_;
};

class WedgedSpeechService {
public:
    enum class Wedge { AtOnce, WhenAskedToSpeak };
    explicit WedgedSpeechService(Wedge when);
    ~WedgedSpeechService();

private:
    void serve();

    DataDir folder_;
    Wedge when_;
    int listener_ = -1;
    std::atomic<bool> stopping_{false};
    std::vector<int> clients_;
    std::thread server_;
};

}  // namespace sonarch::testing
