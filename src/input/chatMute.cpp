// Muting a person in the room's chat: "/mute Ben" typed in the line C opens
// stops telling Ben's lines (they are not kept for H either), "/unmute Ben"
// tells them again, "/mute" alone says who is muted. Typed words, not keys:
// a player hears the room's names and types one, as they type a line, and
// every key is already taken by play. Muting lasts while the program runs.
#include <algorithm>

#include "game/Form1.h"
#include "wording/onlineWords.h"

namespace sonarch {

namespace {
// Names are told apart as the server tells them apart: capitals aside.
std::string folded(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The rest of text after the command word, or nullopt when text is not it.
std::optional<std::string_view> after(std::string_view text, std::string_view command) {
    if (text.size() < command.size() || folded(text.substr(0, command.size())) != command) return std::nullopt;
    const std::string_view rest = text.substr(command.size());
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return std::nullopt;
    return trimmed(rest);
}
}  // namespace

bool Form1::chatCommand(std::string_view typed) {
    typed = trimmed(typed);
    const auto muting = after(typed, "/mute");
    const auto unmuting = after(typed, "/unmute");
    if (!muting && !unmuting) return false;
    const std::string_view name = muting ? *muting : *unmuting;
    if (name.empty()) {
        sayIt(online::mutedNow(mutedNames_));
        return true;
    }
    const auto muted = std::find_if(mutedNames_.begin(), mutedNames_.end(),
                                    [&](const std::string& held) { return folded(held) == folded(name); });
    if (unmuting) {
        if (muted == mutedNames_.end()) {
            sayIt(online::notMuted(name));
            return true;
        }
        const std::string heard = *muted;
        mutedNames_.erase(muted);
        sayIt(online::chatMuted(heard, false));
        return true;
    }
    // The names as the server's board holds them now: someone who has just
    // joined may not be on the board the story has told yet.
    const Board& room = serverBoard_.map ? serverBoard_ : board;
    int seat = 0;
    for (int s = 1; s <= room.playerCount; ++s)
        if (room.isPerson(s) && folded(room.playerName[static_cast<std::size_t>(s)]) == folded(name)) seat = s;
    if (seat != 0 && seat == ownSeat_) {
        sayIt(online::notYourself());
        return true;
    }
    // A name not in the room is muted all the same (its person may be on
    // the way in), and the player hears that nobody holds it, in case of a
    // slip of the keys.
    const std::string heard = seat != 0 ? room.playerName[static_cast<std::size_t>(seat)] : std::string(name);
    if (muted == mutedNames_.end()) mutedNames_.push_back(heard);
    std::string sentence = online::chatMuted(heard, true);
    if (seat == 0) sentence += " " + online::nobodyCalledYet();
    sayIt(sentence);
    return true;
}

void Form1::onlineChat(const std::string& name, const std::string& text) {
    const bool muted = std::any_of(mutedNames_.begin(), mutedNames_.end(),
                                   [&](const std::string& held) { return folded(held) == folded(name); });
    if (muted) return;
    onlineNews(online::chatLine(name, text), true);
}

}  // namespace sonarch
