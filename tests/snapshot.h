// Every field that a map load, a game load or a new game may change, written
// out as one text, so a test can tell that a refused file changed nothing.
#pragma once

#include <sstream>
#include <string>

#include "game/Form1.h"

namespace sonarch::testing {

inline void describeMap(std::ostringstream& out, const MapRecord& map) {
    out << "map " << map.mapName << " zones " << map.zoneCount << "\n";
    for (int z = 0; z <= maxZones; ++z) {
        out << z << " " << map.zoneName[z] << " :";
        for (int k = 0; k <= maxLinks; ++k) out << " " << map.links[z][k];
        out << " (" << map.linkCount[z] << ")\n";
    }
}

inline std::string snapshot(const Form1& f) {
    std::ostringstream out;
    MapRecord live;
    live.mapName = f.mapName;
    live.zoneCount = f.zoneCount;
    live.zoneName = f.zoneName;
    live.linkCount = f.linkCount;
    live.links = f.links;
    describeMap(out, live);
    out << "pending " << f.pendingMap.has_value() << "\n";
    if (f.pendingMap) describeMap(out, *f.pendingMap);
    out << "maxPlayers " << f.maxPlayers << " players " << f.playerCount << " turn " << f.turnPlayer
        << " human " << f.humanPlayer << " choosing " << f.choosingStart << " placing "
        << f.placingPoints << " cursor " << f.cursorZone << "/" << f.linkCursor << " from "
        << f.attackFrom << "\n";
    for (int z = 0; z <= maxZones; ++z) out << f.zoneOwner[z] << "/" << f.zoneArmy[z] << " ";
    out << "\n";
    for (int p = 0; p <= maxPlayerSlots; ++p)
        out << f.playerName[p] << "/" << f.isComputer[p] << "/" << f.points[p] << "/" << f.chain[p]
            << "/" << f.hasStarted[p] << " ";
    out << "\n";
    return out.str();
}

}  // namespace sonarch::testing
