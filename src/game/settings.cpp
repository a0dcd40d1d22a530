// The player's settings between runs: read once at start, written each time
// the player changes one in play, into the line of that setting, every other
// line kept. A file that cannot be used leaves the defaults, and the welcome
// says so; the game goes on either way. A file that cannot be read, or does
// not read as settings, is never written: it may be another program's, or a
// device, and the settings then last for the run. The wording chosen last
// time is in force from the welcome on.
#include <string>

#include "files/settingsFormat.h"
#include "game/Form1.h"

namespace sonarch {

std::string Form1::loadSettings() {
    settingsPath = settingsFileGiven ? *settingsFileGiven : platform_.dataFolders().settingsFile;
    if (settingsPath.empty()) return "";
    std::string whyNot;
    const auto text = platform_.readTextFile(settingsPath, whyNot);
    if (!text) {
        // Before the first change there is no file, and nothing is wrong.
        if (whyNot == "it does not exist") return "";
        settingsNeverWritten = whyNot;
        return " " + words().menus.settingsNotRead(whyNot);
    }
    if (!readsAsSettings(*text, whyNot)) {
        settingsNeverWritten = whyNot;
        return " " + words().menus.settingsNotUsed(whyNot);
    }
    settingsFileText = *text;
    SettingsRecord record;
    if (!parseSettings(*text, record, whyNot))
        return " " + words().menus.settingsNotUsed(whyNot);
    settings = record;
    if (settings.speechRate && !rateGivenForRun) speechRate = *settings.speechRate;
    if (settings.soundsOn) soundsOn = *settings.soundsOn;
    if (settings.computerStrength) computerStrength = *settings.computerStrength;
    if (settings.clearWording) chooseWording(*settings.clearWording);
    if (settings.briefRounds) briefRounds = *settings.briefRounds;
    return "";
}

std::string Form1::rememberSettings() {
    if (settingsPath.empty()) return "";
    if (!settingsNeverWritten.empty()) return settingNotKeptOnce(settingsNeverWritten);
    // The platform's folder for settings may not be there before the first one.
    if (const auto cut = settingsPath.find_last_of("/\\"); cut != std::string::npos && cut > 0)
        platform_.makeFolder(settingsPath.substr(0, cut));
    std::string whyNot;
    const std::string text = settingsFileText ? settingsTextOver(*settingsFileText, settings) : settingsText(settings);
    if (!platform_.replaceFile(settingsPath, text, whyNot)) return settingNotKeptOnce(whyNot);
    // A file this run made is the game's own, written whole each time.
    if (settingsFileText) settingsFileText = text;
    return "";
}

// A seat in a room is kept as soon as the server gives it, the newest first,
// so that a program closed or lost without leaving takes it back when it is
// started again and asked for the same room.
std::string Form1::keptSeat(const std::string& server, const std::string& room) const {
    if (!settings.seats) return {};
    for (const KeptSeat& seat : *settings.seats)
        if (seat.server == server && seat.room == room) return seat.token;
    return {};
}

void Form1::keepSeat(const std::string& server, const std::string& room, const std::string& token) {
    std::vector<KeptSeat> seats = settings.seats.value_or(std::vector<KeptSeat>{});
    std::erase_if(seats, [&](const KeptSeat& seat) { return seat.server == server && seat.room == room; });
    if (!token.empty()) seats.insert(seats.begin(), {server, room, token});
    if (seats.size() > keptSeatsAtMost) seats.resize(keptSeatsAtMost);
    if (settings.seats == seats || (!settings.seats && seats.empty())) return;
    settings.seats = std::move(seats);
    const std::string notKept = rememberSettings();
    if (!notKept.empty()) sayIt(notKept.substr(1));
}

std::string Form1::settingNotKeptOnce(const std::string& why) {
    // Once a run is enough to hear it; the setting still holds for this run.
    if (settingsWriteFailed) return "";
    settingsWriteFailed = true;
    return " " + words().menus.settingNotKept(why);
}

}  // namespace sonarch
