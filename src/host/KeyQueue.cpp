#include "host/KeyQueue.h"

#include "game/GameSession.h"

namespace sonarch {

void KeyQueue::tap(const KeyStroke& stroke) {
    press(stroke);
    release(stroke);
}

void KeyQueue::answerPrompt(std::optional<std::string> text) {
    answer_ = std::move(text);
    answered_ = true;
}

bool KeyQueue::deliverOne(GameSession& game) {
    if (answered_) {
        answered_ = false;
        game.textEntered(answer_);
        return true;
    }
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
