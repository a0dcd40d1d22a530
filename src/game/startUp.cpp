// Start-up: the random source, the two folders, the voice, the first menu
// and the welcome. Runs once, before the first key.
#include <string>

#include "files/fileList.h"
#include "game/Form1.h"

namespace sonarch {

Form1::Form1(Platform& platform, FrontEnd& frontEnd)
    : platform_(platform), frontEnd_(frontEnd) {
    table_.seatListener(this);
}

void Form1::useVoice(std::unique_ptr<Voice> chosen, int rate) {
    speechRate = rate;
    voice = std::move(chosen);
    voice->setRate(speechRate);
}

namespace {
// The folder a path lies in: its part before the last slash.
std::string folderHolding(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}
}  // namespace

std::vector<std::string> Form1::mapsFolders() { return platform_.dataFolders().maps; }
std::string Form1::savesFolder() { return platform_.dataFolders().saves; }

void Form1::removeLeftovers() {
    // A save, a made map or the settings killed while being written leaves
    // a temporary file beside its target; the folders this run writes into
    // are swept (and no other: a run with its own data folder, or a map
    // tool, leaves the usual folders alone).
    platform_.removeLeftovers(savesFolder());
    if (!mapsFolders().empty()) platform_.removeLeftovers(mapsFolders().back());
    if (!settingsPath.empty()) platform_.removeLeftovers(folderHolding(settingsPath));
}

void Form1::Form_Load() {
    random.seedFromClock(platform_.secondsSinceMidnight());
    mapFileCount = 0;
    menuState = 1;

    // The settings first: they choose the wording of the welcome too.
    const std::string settingsTrouble = loadSettings();
    std::string trouble;
    const auto maps = listFolders(platform_, mapsFolders());
    if (maps) {
        mapFileCount = static_cast<int>(maps->entries.size());
    } else if (mapsFolders().size() == 1) {
        trouble += " " + words().menus.noMapsFolder(folderHolding(mapsFolders().front()));
    } else {
        trouble += " " + words().menus.said(MenuLine::NoMapsFolderReadable);
    }
    // A fresh installation may lack the saves folder; saving needs it.
    if (!platform_.listFiles(savesFolder())) platform_.makeFolder(savesFolder());
    const auto saves = platform_.listFiles(savesFolder());
    saveFileCount = saves ? static_cast<int>(saves->size()) : 0;
    removeLeftovers();

    trouble += settingsTrouble;
    useVoice(frontEnd_.createVoice(), speechRate);
    voice->setVolume(100);
    if (const std::string whyNoVoice = voice->whyUnheard(); !whyNoVoice.empty())
        trouble += " " + words().menus.speechUnavailable(whyNoVoice);
    if (const std::string whyNoCues = frontEnd_.whyNoCues(); !whyNoCues.empty())
        trouble += " " + words().menus.cuesUnavailable(whyNoCues);

    ctrlHeld = 0;
    table_.clear();
    board.humanPlayer = 0;
    sapiOn = true;
    messageCount = 0;
    messages[0] = "";
    frontEnd_.setCaption("");
    setupStep = 0;
    // One sentence, so that a start-up problem does not cut the welcome off.
    sayIt(words().menus.said(MenuLine::Welcome) + trouble);
}

}  // namespace sonarch
