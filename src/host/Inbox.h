// Messages that reach the game from somewhere other than the keyboard: a
// game server's, for a seat in a room it holds. A host waits on them as it
// waits on keys, and hands them over one event at a time in its own loop.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "game/GameSession.h"

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

// Connects a session to a room on a server and gives the connection's
// inbox; nullptr when the server's address cannot be used, or
// std::invalid_argument with a sentence saying why, when there is more to
// say than that. The program
// gives one to its hosts; a host without one plays at one keyboard only.
using OnlineStarter = std::function<std::unique_ptr<Inbox>(GameSession&, const OnlineAsk&)>;

// A host's one connection to a server, made when the command line or the
// online menu asks for a room; a second room replaces the first.
class OnlineHolder {
public:
    void useStarter(OnlineStarter starter) { starter_ = std::move(starter); }
    bool canStart() const { return static_cast<bool>(starter_); }
    // Connects, and hands the new inbox to attach; empty, or why not.
    std::string connect(GameSession* game, const OnlineAsk& ask, const std::function<void(Inbox&)>& attach) {
        if (!starter_ || game == nullptr) return FrontEnd::onlineUnavailable();
        std::unique_ptr<Inbox> made;
        try {
            made = starter_(*game, ask);
        } catch (const std::invalid_argument& refused) {
            return refused.what();
        }
        if (!made) return "That server's address cannot be used: it begins with http:// and names a host and a port.";
        inbox_ = std::move(made);
        attach(*inbox_);
        return {};
    }

private:
    OnlineStarter starter_;
    std::unique_ptr<Inbox> inbox_;
};

}  // namespace sonarch
