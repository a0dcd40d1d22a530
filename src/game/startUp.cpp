// Start-up: the random source, the two folders, the voice, the first menu
// and the welcome. Runs once, before the first key.
#include <string>

#include "files/fileList.h"
#include "game/Form1.h"

namespace sonarch {

Form1::Form1(Platform& platform, FrontEnd& frontEnd)
    : platform_(platform), frontEnd_(frontEnd) {}

namespace {
// The folder a path lies in: its part before the last slash.
std::string folderHolding(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}
}  // namespace

std::vector<std::string> Form1::mapsFolders() { return platform_.dataFolders().maps; }
std::string Form1::savesFolder() { return platform_.dataFolders().saves; }

void Form1::Form_Load() {
    random.seedFromClock(platform_.secondsSinceMidnight());
    mapFileCount = 0;
    menuState = 1;

    std::string trouble;
    const auto maps = listFolders(platform_, mapsFolders());
    if (maps) {
        mapFileCount = static_cast<int>(maps->entries.size());
    } else if (mapsFolders().size() == 1) {
        trouble += " There is no Maps folder in " + folderHolding(mapsFolders().front()) +
                   ", so there are no maps to choose.";
    } else {
        trouble += " No Maps folder can be read, so there are no maps to choose.";
    }
    // A fresh installation may lack the saves folder; saving needs it.
    if (!platform_.listFiles(savesFolder())) platform_.makeFolder(savesFolder());
    const auto saves = platform_.listFiles(savesFolder());
    saveFileCount = saves ? static_cast<int>(saves->size()) : 0;

    trouble += loadSettings();
    voice = frontEnd_.createVoice();
    voice->setRate(speechRate);
    voice->setVolume(100);
    if (const std::string whyNoVoice = voice->whyUnheard(); !whyNoVoice.empty())
        trouble += " Speech is unavailable (" + whyNoVoice + "), so sentences are shown as text only.";

    ctrlHeld = 0;
    board.humanPlayer = 0;
    sapiOn = true;
    messageCount = 0;
    messages[0] = "";
    frontEnd_.setCaption("");
    setupStep = 0;
    // One sentence, so that a start-up problem does not cut the welcome off.
    sayIt("Welcome to Sonarch Alpha 1.4 by Korvel." + trouble);
}

}  // namespace sonarch
