// O in the main menu: a game on a server. Two questions, each answered by
// typing: the server's address (Enter keeps the one used last), then a
// room's code to join it, "watch" and a code to watch it, "list" to hear the
// public rooms, or nothing to make a room on the map chosen last, for the
// people added with P (two at least) and the computer players asked for
// last ("public" and a turn limit of 60, 120 or 300 seconds, typed instead
// of nothing, make it so). The host makes the connection.
#include <algorithm>
#include <cctype>
#include <utility>

#include "game/Form1.h"
#include "input/keyCodes.h"
#include "wording/onlineWords.h"

namespace sonarch {

namespace {
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "public", "120", "public 60": the room to make, or nullopt when the words
// are something else (a room's code).
std::optional<std::pair<bool, int>> roomToMake(const std::string& answer) {
    bool isPublic = false;
    int turnLimit = 0;
    std::size_t at = 0;
    while (at < answer.size()) {
        const auto end = std::min(answer.find(' ', at), answer.size());
        const std::string word = lowered(answer.substr(at, end - at));
        if (word == "public") {
            isPublic = true;
        } else if (word == "0" || word == "60" || word == "120" || word == "300") {
            turnLimit = std::stoi(word);
        } else if (!word.empty()) {
            return std::nullopt;
        }
        at = end + 1;
    }
    return std::pair{isPublic, turnLimit};
}

bool startsWithWord(const std::string& text, const std::string& word) {
    if (text.size() <= word.size() || text[word.size()] != ' ') return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
    return true;
}
}  // namespace

bool Form1::onlineMenuKey(short keyCode, short shift) {
    // Shift+O too: a capital typed with Caps Lock on is the same request.
    if (menuState != 1 || keyCode != key::O || (shift & ~key::ShiftMask) != 0) return false;
    askOnline(1, online::serverQuestion(onlineServer_));
    return true;
}

void Form1::askOnline(int step, const std::string& question) {
    onlineStep_ = step;
    sayIt(question);
    awaitingText_ = true;
    frontEnd_.askText(question, speakingVoice());
}

void Form1::onlineAnswered(const std::optional<std::string>& typed) {
    const int step = onlineStep_;
    onlineStep_ = 0;
    if (!typed) {
        sayIt(online::onlineCalledOff());
        return;
    }
    const std::string answer = trimmed(*typed);
    if (step == 1) {
        if (!answer.empty()) onlineServer_ = answer;
        askOnline(2, online::roomQuestion(onlineMapName()));
        return;
    }
    OnlineAsk ask{.server = onlineServer_,
                  .name = people.empty() ? "Player" : people.front(),
                  .map = onlineMapName(),
                  .people = std::max(2, static_cast<int>(people.size())),
                  .computers = computersChosen};
    if (startsWithWord(answer, "watch")) {
        ask.watch = true;
        ask.room = trimmed(answer.substr(5));
    } else if (lowered(answer) == "list") {
        ask.list = true;
    } else if (const auto made = roomToMake(answer)) {
        ask.isPublic = made->first;
        ask.turnLimit = made->second;
    } else {
        ask.room = answer;
    }
    const std::string whyNot = frontEnd_.goOnline(ask);
    sayIt(whyNot.empty() ? online::connecting(onlineServer_) : whyNot);
}

// The map a room is made on: the one chosen last in the map list, or the
// map of the game last played, or the first bundled map.
std::string Form1::onlineMapName() const {
    if (pendingMap) return pendingMap->mapName;
    if (board.map && board.zoneCount() > 0) return board.mapName();
    return "Broad World";
}

}  // namespace sonarch
