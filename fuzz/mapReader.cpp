// Any bytes given to the map reader are either refused with a reason or make
// a map that fits the game's tables, with every link leading to a zone of it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/mapFormat.h"

using namespace sonarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MapRecord map;
    std::string whyNot;
    if (!parseMap(text, map, whyNot)) {
        if (whyNot.empty()) std::abort();
        return 0;
    }
    if (map.mapName.empty() || map.zoneCount < 1 || map.zoneCount > maxZones) std::abort();
    if (playersAllowed(map.zoneCount) > 8) std::abort();
    for (int z = 1; z <= map.zoneCount; ++z) {
        if (map.zoneName[z].empty() || map.linkCount[z] < 0 || map.linkCount[z] > maxLinks)
            std::abort();
        for (int k = 1; k <= map.linkCount[z]; ++k)
            if (map.links[z][k] < 1 || map.links[z][k] > map.zoneCount) std::abort();
    }
    return 0;
}
