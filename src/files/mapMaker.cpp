#include "files/mapMaker.h"

#include "files/mapLand.h"
#include "files/placeNames.h"

namespace sonarch {

MapRecord makeMap(int zones, std::uint64_t seed) {
    MakerRandom random(seed);
    const Land land = makeLand(zones, random);
    const PlaceNames names = makePlaceNames(zones, random);
    MapRecord map;
    map.mapName = names.mapName;
    map.zoneCount = zones;
    for (int z = 1; z <= zones; ++z) {
        map.zoneName[z] = names.zones[z - 1];
        const auto& to = land.links[z - 1];
        map.linkCount[z] = static_cast<int>(to.size());
        for (int k = 1; k <= map.linkCount[z]; ++k) map.links[z][k] = to[k - 1] + 1;
    }
    return map;
}

std::uint64_t shortSeed(std::uint64_t from) { return MakerRandom(from).below(999999) + 1; }

std::string mapFileText(const MapRecord& map) {
    std::string text = map.mapName + "\r\n" + std::to_string(map.zoneCount) + "\r\n";
    for (int z = 1; z <= map.zoneCount; ++z) {
        text += map.zoneName[z] + "\r\n" + std::to_string(map.linkCount[z]) + "\r\n";
        for (int k = 1; k <= map.linkCount[z]; ++k) text += std::to_string(map.links[z][k] - 1) + "\r\n";
    }
    return text;
}

}  // namespace sonarch
