#include "host/KeyQueue.h"

#include "game/GameSession.h"

namespace sonarch {

void KeyQueue::tap(const KeyStroke& stroke) {
    press(stroke);
    release(stroke);
}

bool KeyQueue::deliverOne(GameSession& game) {
    if (events_.empty()) return false;
    const KeyEvent event = events_.front();
    events_.pop_front();
    if (event.down) {
        game.keyDown(event.stroke.code, event.stroke.shift);
    } else {
        game.keyUp(event.stroke.code, event.stroke.shift);
    }
    return true;
}

}  // namespace sonarch
