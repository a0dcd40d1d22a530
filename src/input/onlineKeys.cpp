// The keys of a game played through a server: C opens a line to say to the
// room, H reads the room's chat back (again for older lines), and G starts
// the game in a room that waits for its creator. The chat has a history of
// its own, so that talk never pushes a battle out of the history of play.
#include "game/Form1.h"
#include "input/keyCodes.h"
#include "wording/onlineWords.h"

namespace sonarch {

bool Form1::onlineKeys(short keyCode, short shift) {
    if (shift != 0) return false;
    if (keyCode == key::C) {
        if (ownSeat_ == 0) return false;
        chatting_ = true;
        awaitingText_ = true;
        const std::string prompt = online::chatPrompt();
        sayIt(prompt);
        frontEnd_.askText(prompt, speakingVoice());
        return true;
    }
    if (keyCode == key::H) {
        if (chatLines_.empty()) {
            sayIt(online::nothingSaidYet());
            return true;
        }
        if (chatCursor_ >= static_cast<int>(chatLines_.size())) chatCursor_ = 0;
        sayIt(chatLines_[static_cast<std::size_t>(chatCursor_++)]);
        return true;
    }
    if (keyCode == key::G && !roomStarted_ && !Holder.Enabled) {
        if (!roomCreator_) {
            sayIt(online::onlyCreatorStarts());
            return true;
        }
        online_->sendStart();
        return true;
    }
    return false;
}

void Form1::chatEntered(const std::optional<std::string>& typed) {
    chatting_ = false;
    if (!typed || typed->empty()) {
        sayIt(online::nothingSaid());
        return;
    }
    // "/mute Ben" and "/unmute Ben" are words to this program, never said.
    if (chatCommand(*typed)) return;
    online_->sendChat(*typed);
}

}  // namespace sonarch
