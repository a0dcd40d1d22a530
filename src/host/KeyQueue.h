// The key events a host has received and the game has not yet been given.
// Every host hands them over the same way: one event each time the game
// processes events, so that a pause looks at Ctrl between its press and its
// release, and the release of a key waits in the same queue as later keys.
#pragma once

#include <deque>

#include "input/keyCodes.h"

namespace sonarch {

class GameSession;

class KeyQueue {
public:
    // A press and, after it, the release: what a key tap is to the game.
    void tap(const KeyStroke& stroke);
    void press(const KeyStroke& stroke) { events_.push_back({true, stroke}); }
    void release(const KeyStroke& stroke) { events_.push_back({false, stroke}); }

    bool empty() const { return events_.empty(); }
    void clear() { events_.clear(); }
    // Gives the oldest event to the game; false when none was waiting.
    bool deliverOne(GameSession& game);

private:
    struct KeyEvent {
        bool down;
        KeyStroke stroke;
    };
    std::deque<KeyEvent> events_;
};

}  // namespace sonarch
