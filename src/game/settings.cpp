// The player's settings between runs: read once at start, written whole each
// time the player changes one in play. A file that cannot be used leaves the
// defaults, and the welcome says so; the game goes on either way. The
// wording chosen last time is in force from the welcome on.
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
        return " " + words().menus.settingsNotRead(whyNot);
    }
    SettingsRecord record;
    if (!parseSettings(*text, record, whyNot))
        return " " + words().menus.settingsNotUsed(whyNot);
    settings = record;
    if (settings.speechRate && !rateGivenForRun) speechRate = *settings.speechRate;
    if (settings.soundsOn) soundsOn = *settings.soundsOn;
    if (settings.computerStrength) computerStrength = *settings.computerStrength;
    if (settings.clearWording) chooseWording(*settings.clearWording);
    return "";
}

std::string Form1::rememberSettings() {
    if (settingsPath.empty()) return "";
    // The platform's folder for settings may not be there before the first one.
    if (const auto cut = settingsPath.find_last_of("/\\"); cut != std::string::npos && cut > 0)
        platform_.makeFolder(settingsPath.substr(0, cut));
    std::string whyNot;
    if (platform_.replaceFile(settingsPath, settingsText(settings), whyNot)) return "";
    // Once a run is enough to hear it; the setting still holds for this run.
    if (settingsWriteFailed) return "";
    settingsWriteFailed = true;
    return " " + words().menus.settingNotKept(whyNot);
}

}  // namespace sonarch
