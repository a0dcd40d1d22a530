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
    const Board& b = f.view().board;
    describeMap(out, *b.map);
    out << "pending " << (f.view().pendingMap != nullptr) << "\n";
    if (f.view().pendingMap) describeMap(out, *f.view().pendingMap);
    out << "maxPlayers " << f.view().maxPlayers << " players " << b.playerCount << " turn " << b.turnPlayer
        << " human " << b.humanPlayer << " choosing " << b.choosingStart << " placing " << b.placingPoints
        << " cursor " << f.view().cursorZone << "/" << f.view().linkCursor << " from " << b.attackFrom << "\n";
    for (int z = 0; z <= maxZones; ++z) out << b.zoneOwner[z] << "/" << b.zoneArmy[z] << " ";
    out << "\n";
    for (int p = 0; p <= maxPlayerSlots; ++p)
        out << b.playerName[p] << "/" << b.isComputer[p] << "/" << b.points[p] << "/" << b.chain[p] << "/"
            << b.hasStarted[p] << " ";
    out << "\n";
    return out.str();
}

}  // namespace sonarch::testing
