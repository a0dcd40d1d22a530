// A host's side of the game's events. The session never waits: the host
// waits for its platform's next event (a key, the timer's tick, the answer
// of the text prompt) and hands it over, one at a time, so that a pause
// sees Ctrl between its press and its release. runSession is the one loop
// that drives a session; a host whose platform owns the loop (the browser)
// hands the events over from its own callbacks instead.
#pragma once

#include "game/GameSession.h"

namespace sonarch {

class EventSource {
public:
    virtual ~EventSource() = default;
    // Waits without spinning until an event is there, then hands one to the game.
    virtual void processEvents() = 0;
    // True once the program has ended (or the events have run out).
    virtual bool ended() const = 0;
};

// Starts the session and hands it events until the host has ended.
void runSession(GameSession& game, EventSource& events);

}  // namespace sonarch
