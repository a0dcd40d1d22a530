// A map maker's check of a map that has been read: what makes it poor or
// impossible to play by ear, each finding one sentence naming its zones.
#pragma once

#include <string>
#include <vector>

#include "rules/Board.h"

namespace sonarch {

struct MapFinding {
    // stopsPlay: some game on this map cannot be finished or some zone
    // cannot be reached; warning: playable but likely a mistake or hard to
    // hear; note: worth knowing, may well be meant.
    enum class Weight { stopsPlay, warning, note };
    Weight weight;
    std::string sentence;
};

// Every finding, in the order: links of each zone, one-way links, zones the
// cursor or an attack cannot reach or leave, names, numbers of players.
std::vector<MapFinding> checkMap(const MapRecord& map);

// "stops play", "warning" or "note".
const char* weightName(MapFinding::Weight weight);

}  // namespace sonarch
