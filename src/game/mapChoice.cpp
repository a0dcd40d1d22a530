// Loading the map chosen in the map list. The map waits in pendingMap until
// the new game starts, so choosing one while a game runs leaves that game's
// map as it is, and a refused file changes nothing at all.
#include <string>
#include <utility>

#include "files/mapFormat.h"
#include "game/Form1.h"

namespace sonarch {

namespace {
std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

void Form1::chooseMap(const std::string& path) {
    mapPath = path;
    loadMap();
}

void Form1::loadMap() {
    mapLoadFailed = true;
    std::string whyNot;
    const auto text = platform_.readTextFile(mapPath, whyNot);
    MapRecord record;
    if (!text || !parseMap(*text, record, whyNot)) {
        sayIt(words().menus.mapRefused(fileNameOf(mapPath), whyNot));
        return;
    }
    // A map without room for a computer player (every player needs two
    // zones' worth) would ask for a number of computer players that no
    // digit can give. Saved games of such maps still load.
    if (playersAllowed(record.zoneCount) < 2) {
        sayIt(words().menus.mapRefused(fileNameOf(mapPath), words().menus.tooFewZones(record.zoneCount)));
        return;
    }
    maxPlayers = playersAllowed(record.zoneCount);
    pendingMap = std::make_shared<const MapRecord>(std::move(record));
    mapLoadFailed = false;
    sayIt(words().menus.said(MenuLine::MapChosen));
}

}  // namespace sonarch
