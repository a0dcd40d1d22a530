// Loading the map chosen in the map list. The map waits in pendingMap until
// the new game starts, so choosing one while a game runs leaves that game's
// map as it is, and a refused file changes nothing at all.
#include <utility>

#include "files/mapFormat.h"
#include "game/Form1.h"

namespace sonarch {

void Form1::loadMap() {
    mapLoadFailed = true;
    std::string whyNot;
    const auto text = platform_.readTextFile(mapPath, whyNot);
    MapRecord record;
    if (!text || !parseMap(*text, record, whyNot)) {
        sayIt(mapRefusal(mapPath, whyNot));
        return;
    }
    // A map on which not even one computer player has a zone would ask for a
    // number of computer players that no digit can give.
    if (playersAllowed(record.zoneCount) < 1) {
        sayIt(mapRefusal(mapPath, "it has only 1 zone, too few for you and a computer player"));
        return;
    }
    maxPlayers = playersAllowed(record.zoneCount);
    pendingMap = std::make_shared<const MapRecord>(std::move(record));
    mapLoadFailed = false;
    sayIt("Game Loaded!");
}

}  // namespace sonarch
