// What wakes a loop that waits for a link's messages. On Linux it is a
// descriptor, so that a host can wait on it beside its keys; Windows has no
// descriptor a window's loop could wait on, so there the link's own wait
// sleeps on a condition, and a window is woken through its message queue.
#pragma once

#include <chrono>
#include <memory>

namespace sonarch {

class ArrivalSignal {
public:
    ArrivalSignal();
    ~ArrivalSignal();
    ArrivalSignal(const ArrivalSignal&) = delete;
    ArrivalSignal& operator=(const ArrivalSignal&) = delete;

    // Something arrived (called from the link's thread).
    void raise();
    // Everything that arrived is about to be taken.
    void clear();
    // Sleeps until raised or the time is up.
    void waitFor(std::chrono::milliseconds most);
    // Readable while raised; -1 where there is no such descriptor.
    int descriptor() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace sonarch
