// Messages that reach the game from somewhere other than the keyboard: a
// game server's, for a seat in a room it holds. A host waits on them as it
// waits on keys, and hands them over one event at a time in its own loop.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace sonarch {

class Inbox {
public:
    virtual ~Inbox() = default;
    // Hands everything received so far to the game; true when anything was.
    virtual bool deliver() = 0;
    // Waits without spinning until something arrives or the time is up.
    virtual void waitFor(std::chrono::milliseconds most) = 0;
    // A descriptor that is readable while something waits to be delivered,
    // for a host that waits on several at once; -1 when there is none.
    virtual int readableWhenWaiting() const { return -1; }
    // For a host that cannot wait on a descriptor (the window): called from
    // another thread whenever something arrives, to wake its loop.
    virtual void wakeWith(std::function<void()> wake) { (void)wake; }
    // The host is done with the room: its script or the program has ended.
    virtual void leave() {}
};

class GameSession;

// The inbox of a run that plays in a room on a server, made once the
// session exists; the program makes it from the run's options.
using InboxMaker = std::function<std::unique_ptr<Inbox>(GameSession&)>;

}  // namespace sonarch
