#include "host/online/arrivalSignal.h"

#include <algorithm>
#include <cstdint>

#ifdef __linux__
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#else
#include <condition_variable>
#include <mutex>
#endif

namespace sonarch {

#ifdef __linux__

struct ArrivalSignal::State {
    int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
};

ArrivalSignal::ArrivalSignal() : state_(std::make_unique<State>()) {}

ArrivalSignal::~ArrivalSignal() {
    if (state_->fd >= 0) ::close(state_->fd);
}

void ArrivalSignal::raise() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(state_->fd, &one, sizeof one);
}

void ArrivalSignal::clear() {
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read(state_->fd, &count, sizeof count);
}

void ArrivalSignal::waitFor(std::chrono::milliseconds most) {
    pollfd wake{.fd = state_->fd, .events = POLLIN, .revents = 0};
    ::poll(&wake, 1, static_cast<int>(std::min<long long>(most.count(), 60'000)));
}

int ArrivalSignal::descriptor() const { return state_->fd; }

#else

struct ArrivalSignal::State {
    std::mutex mutex;
    std::condition_variable raised;
    bool isRaised = false;
};

ArrivalSignal::ArrivalSignal() : state_(std::make_unique<State>()) {}

ArrivalSignal::~ArrivalSignal() = default;

void ArrivalSignal::raise() {
    {
        const std::lock_guard lock(state_->mutex);
        state_->isRaised = true;
    }
    state_->raised.notify_all();
}

void ArrivalSignal::clear() {
    const std::lock_guard lock(state_->mutex);
    state_->isRaised = false;
}

void ArrivalSignal::waitFor(std::chrono::milliseconds most) {
    std::unique_lock lock(state_->mutex);
    state_->raised.wait_for(lock, std::min(most, std::chrono::milliseconds(60'000)),
                            [this] { return state_->isRaised; });
}

int ArrivalSignal::descriptor() const { return -1; }

#endif

}  // namespace sonarch
