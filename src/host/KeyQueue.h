// The key events a host has received and the game has not yet been given.
// Every host hands them over the same way: one event each time the game
// processes events, so that a pause looks at Ctrl between its press and its
// release, and the release of a key waits in the same queue as later keys.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "input/keyCodes.h"

namespace sonarch {

class GameSession;

class KeyQueue {
public:
    // A press and, after it, the release: what a key tap is to the game.
    void tap(const KeyStroke& stroke);
    void press(const KeyStroke& stroke) { events_.push_back({true, stroke}); }
    void release(const KeyStroke& stroke) { events_.push_back({false, stroke}); }

    // The answer of the host's save prompt, once Enter or Escape closed it:
    // it goes to the game before any key.
    void answerPrompt(std::optional<std::string> text);

    bool empty() const { return events_.empty() && !answered_; }
    void clear() {
        events_.clear();
        answered_ = false;
    }
    // Gives the oldest event (a prompt's answer first) to the game; false
    // when none was waiting.
    bool deliverOne(GameSession& game);

private:
    struct KeyEvent {
        bool down;
        KeyStroke stroke;
    };
    std::deque<KeyEvent> events_;
    bool answered_ = false;
    std::optional<std::string> answer_;
};

}  // namespace sonarch
